#include "UmockdevRig.h"

#include "TestSupport.h"

#include "LinuxUdevInitialised.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace devicetest
{
namespace
{

// The usage page 0xFF00, usage 1 collection of a vendor-defined device.
const char* const reportDescriptor = "0600FF0901A101150026FF0075089540098181029540099191029540C0";

std::mutex pendingLock;
std::set<std::string> pendingSyspaths;   // "/sys/..." of nodes udev is still setting up

std::string hex4 (int64_t value)
{
    char text[16];
    std::snprintf (text, sizeof (text), "%04llx", static_cast<long long> (value));
    return text;
}

std::string portPath (const std::vector<int>& ports)
{
    std::string path;

    for (const int port : ports)
        path += (path.empty() ? "" : ".") + std::to_string (port);

    return path;
}

bool setDacCapabilities (bool enabled)
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct data[2] {};

    if (::syscall (SYS_capget, &header, data) != 0)
        return false;

    const uint32_t dac = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective = enabled ? (data[0].effective | (data[0].permitted & dac)) : (data[0].effective & ~dac);
    return ::syscall (SYS_capset, &header, data) == 0;
}

} // namespace

UmockdevRig::UmockdevRig()
{
    testbed = umockdev_testbed_new();
    gchar* rootDir = umockdev_testbed_get_root_dir (testbed);
    root = rootDir;
    g_free (rootDir);
    platform::setUdevInitialisedCheck (&UmockdevRig::initialisedCheck);
    reader = std::thread ([this] { readOutputs(); });
}

UmockdevRig::~UmockdevRig()
{
    stopping = true;
    reader.join();

    {
        const std::lock_guard<std::mutex> guard (lock);

        for (auto& entry : devices)
            if (entry.second.plugged)
                removeFromTestbed (entry.second);
    }

    drainMessages();

    if (accessDenied)
        setDacCapabilities (true);

    {
        const std::lock_guard<std::mutex> guard (pendingLock);
        pendingSyspaths.clear();
    }

    platform::setUdevInitialisedCheck (nullptr);
    g_object_unref (testbed);
}

bool UmockdevRig::initialisedCheck (udev_device* device)
{
    const char* syspath = udev_device_get_syspath (device);
    const std::lock_guard<std::mutex> guard (pendingLock);
    return syspath == nullptr || pendingSyspaths.count (syspath) == 0;
}

int UmockdevRig::plug (const RigDevicePlan& plan) { return add (plan, false); }
int UmockdevRig::plugPending (const RigDevicePlan& plan) { return add (plan, true); }

std::string UmockdevRig::describe (const RigDevicePlan& plan, int index, Device& device) const
{
    const std::string vendor = plan.vendorIsText ? "zzzz" : hex4 (plan.vendorID.value_or (0));
    const std::string product = hex4 (plan.productID.value_or (0));
    char hidName[64];
    std::snprintf (hidName, sizeof (hidName), "0003:%s:%s.%04X",
                   hex4 (plan.vendorID.value_or (0)).c_str(), product.c_str(), index + 1);
    const std::string hidId = "0003:0000" + hex4 (plan.vendorID.value_or (0)) + ":0000" + product;
    std::string text;
    std::string parent;

    if (! plan.ports.empty())
    {
        // Every USB device sits directly under its root hub, so that pulling
        // one out never takes another's directory with it.
        const std::string name = std::to_string (plan.bus) + "-" + portPath (plan.ports);
        const std::string usb = "/devices/pci0000:00/0000:00:14.0/usb" + std::to_string (plan.bus) + "/" + name;
        text += "P: " + usb + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\n";

        if (plan.vendorID || plan.vendorIsText)
            text += "A: idVendor=" + vendor + "\n";

        if (plan.productID)
            text += "A: idProduct=" + product + "\n";

        if (plan.versionNumber)
            text += "A: bcdDevice=" + hex4 (*plan.versionNumber) + "\n";

        text += "A: busnum=" + std::to_string (plan.bus) + "\nA: devpath=" + portPath (plan.ports) + "\n\n";
        const std::string interface = usb + "/" + name + ":1.0";
        text += "P: " + interface + "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\n\n";
        device.syspaths = { usb, interface };
        parent = interface;
    }
    else
    {
        parent = "/devices/virtual/misc/uhid";
    }

    const std::string hid = parent + "/" + hidName;
    text += "P: " + hid + "\nE: SUBSYSTEM=hid\nE: HID_ID=" + hidId + "\nE: HID_PHYS=usb-test/input0\n"
          + "H: report_descriptor=" + reportDescriptor + "\n\n";

    const std::string node = "hidraw" + std::to_string (index);
    const std::string hidraw = hid + "/hidraw/" + node;
    text += "P: " + hidraw + "\nN: " + node + "\nE: SUBSYSTEM=hidraw\nE: DEVNAME=/dev/" + node
          + "\nA: dev=247:" + std::to_string (index) + "\n";

    device.syspaths.push_back (hid);
    device.syspaths.push_back (hidraw);
    device.node = "/dev/" + node;
    return text;
}

int UmockdevRig::add (const RigDevicePlan& plan, bool pending)
{
    const std::lock_guard<std::mutex> guard (lock);
    const int index = nextIndex++;
    Device device;
    const auto text = describe (plan, index, device);

    if (pending)
    {
        const std::lock_guard<std::mutex> pendingGuard (pendingLock);
        pendingSyspaths.insert ("/sys" + device.syspaths.back());
    }

    GError* error = nullptr;

    if (! umockdev_testbed_add_from_string (testbed, text.c_str(), &error))
    {
        ADD_FAILURE() << "umockdev refused the device: " << (error != nullptr ? error->message : "?");
        g_clear_error (&error);
        return -1;
    }

    device.deviceFd = umockdev_testbed_get_dev_fd (testbed, device.node.c_str());
    device.plugged = true;

    // Reports the host never takes must not block the test (see sendInput).
    if (device.deviceFd >= 0)
        ::fcntl (device.deviceFd, F_SETFL, ::fcntl (device.deviceFd, F_GETFL) | O_NONBLOCK);

    char pty[256] = {};
    const auto length = ::readlink ((root + device.node).c_str(), pty, sizeof (pty) - 1);

    if (length > 0)
    {
        std::string map (pty, static_cast<size_t> (length));
        std::replace (map.begin(), map.end(), '/', '_');
        device.ptyMapEntry = root + "/dev/.ptymap/" + map;

        if (plan.openFails)
        {
            // The node refuses this process, as a node without the udev rule
            // refuses a user: no access bits, and no root privilege to pass them.
            ::chmod (pty, 0);
            denyFileAccess();
        }
    }

    const int id = index;
    devices[id] = std::move (device);
    return id;
}

void UmockdevRig::denyFileAccess()
{
    if (! accessDenied)
        accessDenied = setDacCapabilities (false);
}

void UmockdevRig::unplug (int id)
{
    const std::lock_guard<std::mutex> guard (lock);
    auto& device = devices.at (id);

    if (device.plugged)
        removeFromTestbed (device);
}

void UmockdevRig::removeFromTestbed (Device& device)
{
    // Children first, each announced before it goes.
    for (auto path = device.syspaths.rbegin(); path != device.syspaths.rend(); ++path)
    {
        const std::string sysPath = "/sys" + *path;
        umockdev_testbed_uevent (testbed, sysPath.c_str(), "remove");
        umockdev_testbed_remove_device (testbed, sysPath.c_str());
    }

    device.plugged = false;
    hangUpLocked (device);
}

void UmockdevRig::hangUpLocked (Device& device)
{
    if (device.hungUp)
        return;

    // Closing the pty's device side shows the program a hang-up; its number
    // may then be handed to a new device, which umockdev allows only once
    // the old mapping is gone.
    const int null = ::open ("/dev/null", O_RDWR | O_CLOEXEC);
    ::dup2 (null, device.deviceFd);
    ::close (null);
    device.hungUp = true;

    if (! device.ptyMapEntry.empty())
        ::unlink (device.ptyMapEntry.c_str());
}

void UmockdevRig::hangUp (int id)
{
    const std::lock_guard<std::mutex> guard (lock);
    hangUpLocked (devices.at (id));
}

void UmockdevRig::announceRemoval (int id)
{
    const std::lock_guard<std::mutex> guard (lock);
    const std::string sysPath = "/sys" + devices.at (id).syspaths.back();
    umockdev_testbed_uevent (testbed, sysPath.c_str(), "remove");
}

void UmockdevRig::finishInitialising (int id)
{
    const std::lock_guard<std::mutex> guard (lock);
    const std::string sysPath = "/sys" + devices.at (id).syspaths.back();
    {
        const std::lock_guard<std::mutex> pendingGuard (pendingLock);
        pendingSyspaths.erase (sysPath);
    }
    umockdev_testbed_uevent (testbed, sysPath.c_str(), "change");
}

std::string UmockdevRig::nodeOf (int id) const
{
    const std::lock_guard<std::mutex> guard (lock);
    return devices.at (id).node;
}

void UmockdevRig::sendInput (int id, const std::vector<uint8_t>& report)
{
    int fd;
    {
        const std::lock_guard<std::mutex> guard (lock);
        const auto& device = devices.at (id);

        if (device.hungUp)
            return;

        fd = device.deviceFd;
    }

    // One write per report: the program reads one report per read. A report
    // for which there is no room within a generous while is lost, as on a
    // device that the host has stopped polling (a link torn down before it
    // opened a re-plugged node).
    pollfd room { fd, POLLOUT, 0 };
    if (::poll (&room, 1, 2000) > 0 && (room.revents & POLLOUT) != 0)
    {
        [[maybe_unused]] const auto written = ::write (fd, report.data(), report.size());
    }
}

std::vector<uint8_t> UmockdevRig::nextOutput (int id)
{
    constexpr size_t wireSize = 65;
    std::vector<uint8_t> report;

    waitFor ([&]
    {
        const std::lock_guard<std::mutex> guard (lock);
        auto& received = devices.at (id).received;

        if (received.size() < wireSize)
            return false;

        report.assign (received.begin(), received.begin() + wireSize);
        received.erase (received.begin(), received.begin() + wireSize);
        return true;
    });

    return report;
}

void UmockdevRig::settle()
{
    // Uevents reach the monitor at once; pty data takes a kernel hand-over.
    drainMessages();
    juce::MessageManager::getInstance()->runDispatchLoopUntil (60);
    drainMessages();
}

// Collects everything the program writes to the nodes. Reading a pty's
// device side before the program has opened its end fails with EIO: such a
// node is simply tried again.
void UmockdevRig::readOutputs()
{
    while (! stopping)
    {
        std::vector<pollfd> fds;
        std::vector<int> ids;
        {
            const std::lock_guard<std::mutex> guard (lock);

            for (auto& entry : devices)
            {
                if (! entry.second.hungUp)
                {
                    fds.push_back ({ entry.second.deviceFd, POLLIN, 0 });
                    ids.push_back (entry.first);
                }
            }
        }

        if (fds.empty() || ::poll (fds.data(), fds.size(), 5) <= 0)
        {
            if (fds.empty())
                ::usleep (2000);

            continue;
        }

        bool progress = false;

        for (size_t i = 0; i < fds.size(); ++i)
        {
            if (fds[i].revents == 0)
                continue;

            uint8_t buffer[4096];
            const auto n = ::read (fds[i].fd, buffer, sizeof (buffer));

            if (n > 0)
            {
                const std::lock_guard<std::mutex> guard (lock);
                auto& device = devices.at (ids[i]);

                if (! device.hungUp)
                    device.received.insert (device.received.end(), buffer, buffer + n);

                progress = true;
            }
        }

        if (! progress)
            ::usleep (2000);
    }
}

std::unique_ptr<LinkTestRig> makeLinkTestRig() { return std::make_unique<UmockdevRig>(); }

} // namespace devicetest

// umockdev's testbed runs a GLib worker thread (and its preload library wraps
// file calls) whose synchronisation ThreadSanitizer cannot see, GLib not being
// instrumented: races reported with those libraries on a stack are the
// testbed's. The preload library also comes before AddressSanitizer's runtime.
extern "C" const char* __tsan_default_suppressions()
{
    return "race:libglib-2.0.so\n"
           "race:libgio-2.0.so\n"
           "race:libumockdev.so\n"
           "race:libumockdev-preload.so\n";
}

extern "C" const char* __asan_default_options()
{
    return "verify_asan_link_order=0";
}
