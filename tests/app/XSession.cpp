#include "XSession.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testx
{
namespace
{
std::vector<std::string> environmentWithDisplay (const std::string& display)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp (*e, "DISPLAY=", 8) != 0)
            env.emplace_back (*e);
    env.push_back ("DISPLAY=" + display);
    return env;
}

std::vector<char*> pointers (std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (auto& s : strings)
        result.push_back (s.data());
    result.push_back (nullptr);
    return result;
}

// Spawns with the given file actions; -1 when it could not start.
pid_t spawn (std::vector<std::string> argv, const std::string& display, const posix_spawn_file_actions_t* actions)
{
    auto env = environmentWithDisplay (display);
    auto argp = pointers (argv);
    auto envp = pointers (env);
    pid_t pid = -1;
    if (posix_spawnp (&pid, argp[0], actions, nullptr, argp.data(), envp.data()) != 0)
        return -1;
    return pid;
}

std::optional<std::string> readAll (int fd)
{
    std::string text;
    char buffer[4096];
    for (;;)
    {
        const auto n = read (fd, buffer, sizeof (buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append (buffer, (size_t) n);
    }
    return text;
}

std::string firstLine (const std::string& text)
{
    return text.substr (0, text.find ('\n'));
}

struct FileActions
{
    FileActions() { posix_spawn_file_actions_init (&actions); }
    ~FileActions() { posix_spawn_file_actions_destroy (&actions); }
    void silence()
    {
        posix_spawn_file_actions_addopen (&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen (&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_t actions;
};
} // namespace

bool waitUntil (const std::function<bool()>& condition, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMs);
    while (! condition())
    {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for (std::chrono::milliseconds (50));
    }
    return true;
}

std::unique_ptr<Process> Process::start (const std::vector<std::string>& argv, const std::string& display)
{
    const auto pid = spawn (argv, display, nullptr);
    return pid > 0 ? std::unique_ptr<Process> (new Process (pid)) : nullptr;
}

Process::~Process()
{
    terminate();
}

bool Process::isRunning()
{
    if (exitCode.has_value())
        return false;
    int status = 0;
    if (waitpid (processId, &status, WNOHANG) != processId)
        return true;
    exitCode = WIFEXITED (status) ? WEXITSTATUS (status) : 128 + WTERMSIG (status);
    return false;
}

std::optional<int> Process::waitForExit (int timeoutMs)
{
    if (waitUntil ([this] { return ! isRunning(); }, timeoutMs))
        return exitCode;
    return std::nullopt;
}

void Process::terminate()
{
    if (! isRunning())
        return;
    kill (processId, SIGTERM);
    if (! waitForExit (5000))
    {
        kill (processId, SIGKILL);
        waitForExit (5000);
    }
}

XSession::XSession()
{
    int pipeFds[2];
    if (pipe (pipeFds) != 0)
        return;

    // -displayfd lets the server pick a free display number itself, so
    // parallel sessions never race for one.
    FileActions actions;
    actions.silence();
    posix_spawn_file_actions_adddup2 (&actions.actions, pipeFds[1], 3);
    const auto size = std::to_string (XSession::screenWidth) + "x" + std::to_string (XSession::screenHeight) + "x24";
    const auto pid = spawn ({ "Xvfb", "-displayfd", "3", "-screen", "0", size, "-nolisten", "tcp" }, "", &actions.actions);
    close (pipeFds[1]);
    if (pid > 0)
        server.reset (new Process (pid));

    pollfd p { pipeFds[0], POLLIN, 0 };
    std::string number;
    if (pid > 0 && poll (&p, 1, 20000) > 0)
    {
        char buffer[32] = {};
        const auto n = read (pipeFds[0], buffer, sizeof (buffer) - 1);
        number = n > 0 ? firstLine (buffer) : "";
    }
    close (pipeFds[0]);
    if (number.empty())
        return;
    displayName = ":" + number;

    FileActions wmActions;
    wmActions.silence();
    const auto wmPid = spawn ({ "openbox" }, displayName, &wmActions.actions);
    if (wmPid > 0)
        windowManager.reset (new Process (wmPid));

    // The window manager announces itself on the root window once it manages.
    ready = waitUntil ([this]
    {
        const auto out = run ({ "xprop", "-root", "_NET_SUPPORTING_WM_CHECK" });
        return out && out->find ("window id") != std::string::npos;
    }, 20000);
}

XSession::~XSession()
{
    windowManager.reset();
    server.reset();
}

std::unique_ptr<Process> XSession::launch (const std::vector<std::string>& argv) const
{
    return Process::start (argv, displayName);
}

std::optional<std::string> XSession::run (const std::vector<std::string>& argv) const
{
    int pipeFds[2];
    if (pipe (pipeFds) != 0)
        return std::nullopt;
    FileActions actions;
    posix_spawn_file_actions_adddup2 (&actions.actions, pipeFds[1], 1);
    posix_spawn_file_actions_addopen (&actions.actions, 2, "/dev/null", O_WRONLY, 0);
    const auto pid = spawn (argv, displayName, &actions.actions);
    close (pipeFds[1]);
    auto output = pid > 0 ? readAll (pipeFds[0]) : std::nullopt;
    close (pipeFds[0]);
    int status = 0;
    if (pid <= 0 || waitpid (pid, &status, 0) != pid || ! WIFEXITED (status) || WEXITSTATUS (status) != 0)
        return std::nullopt;
    return output;
}

std::optional<std::string> XSession::waitForWindow (const std::vector<std::string>& criteria, int timeoutMs) const
{
    std::vector<std::string> command { "xdotool", "search", "--onlyvisible" };
    command.insert (command.end(), criteria.begin(), criteria.end());
    std::optional<std::string> window;
    waitUntil ([&]
    {
        const auto out = run (command);
        if (out && ! out->empty())
            window = firstLine (*out);
        return window.has_value();
    }, timeoutMs);
    return window;
}

std::optional<std::string> XSession::waitForWindowOf (pid_t pid, int timeoutMs) const
{
    return waitForWindow ({ "--pid", std::to_string (pid) }, timeoutMs);
}

std::optional<std::string> XSession::activeWindow() const
{
    const auto out = run ({ "xdotool", "getactivewindow" });
    if (! out)
        return std::nullopt;
    return firstLine (*out);
}
} // namespace testx
