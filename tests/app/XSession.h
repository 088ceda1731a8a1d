#pragma once

// A private X server with a window manager for tests that start the real
// program: windows, stacking and focus behave as on a desktop, and nothing
// leaks into (or from) the display other tests share.

#include <sys/types.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testx
{
// Polls the condition until it holds or the time runs out.
bool waitUntil (const std::function<bool()>& condition, int timeoutMs);

class Process
{
public:
    // Starts argv[0] (looked up on PATH) with DISPLAY set to the given display.
    static std::unique_ptr<Process> start (const std::vector<std::string>& argv, const std::string& display);
    explicit Process (pid_t id) : processId (id) {}   // adopts a started child
    ~Process();   // ends the process if it still runs

    pid_t pid() const { return processId; }
    bool isRunning();
    std::optional<int> waitForExit (int timeoutMs);   // the exit code, or nothing on time-out
    void terminate();                                  // SIGTERM, then SIGKILL after a grace period

private:
    pid_t processId;
    std::optional<int> exitCode;
};

class XSession
{
public:
    XSession();
    ~XSession();

    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 1024;

    bool isReady() const { return ready; }
    const std::string& display() const { return displayName; }

    std::unique_ptr<Process> launch (const std::vector<std::string>& argv) const;

    // Runs a tool (xdotool, xprop, xwininfo) on this display; its standard
    // output, or nothing when it failed.
    std::optional<std::string> run (const std::vector<std::string>& argv) const;

    // The first mapped window that xdotool's search finds with these
    // criteria, once there is one.
    std::optional<std::string> waitForWindow (const std::vector<std::string>& criteria, int timeoutMs) const;
    std::optional<std::string> waitForWindowOf (pid_t pid, int timeoutMs) const;
    std::optional<std::string> activeWindow() const;

private:
    std::unique_ptr<Process> server;
    std::unique_ptr<Process> windowManager;
    std::string displayName;
    bool ready = false;
};
} // namespace testx
