// The HID service on Linux: libudev lists the hidraw nodes and reports their
// arrival and removal, each node carries its own reports.

#include "HidService.h"
#include "LinuxFdWatch.h"
#include "LinuxHidDevice.h"
#include "LinuxHidProperties.h"
#include "LinuxUdevInitialised.h"
#include "UdevPtr.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

namespace platform
{
namespace
{

bool matchesEntry (const HidMatching& entry, const LinuxHidProperties& properties)
{
    const auto equals = [] (const std::optional<int64_t>& actual, uint32_t wanted)
    {
        return actual && *actual == static_cast<int64_t> (wanted);
    };

    return (! entry.primaryUsagePage || equals (properties.primaryUsagePage, *entry.primaryUsagePage))
        && (! entry.primaryUsage || equals (properties.primaryUsage, *entry.primaryUsage));
}

std::shared_ptr<LinuxHidDevice> makeDevice (udev_device* hidraw)
{
    const char* syspath = udev_device_get_syspath (hidraw);
    const char* devnode = udev_device_get_devnode (hidraw);

    if (syspath == nullptr || devnode == nullptr)
        return nullptr;

    return std::make_shared<LinuxHidDevice> (syspath, devnode, readLinuxHidProperties (hidraw));
}

//==============================================================================
// Everything the manager shares with the message loop. It outlives the
// manager while the loop still holds the monitor's watch; libudev is used
// under its lock only.
class ManagerState : public std::enable_shared_from_this<ManagerState>
{
public:
    explicit ManagerState (UdevPtr context) : udevContext (std::move (context)) {}

    ~ManagerState()
    {
        if (monitorWatch != nullptr)
            monitorWatch->stop();
    }

    bool open()
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (monitor != nullptr)
            return true;

        // The monitor comes first, so that nothing that arrives while the
        // list is read gets lost.
        monitor.reset (udev_monitor_new_from_netlink (udevContext.get(), "udev"));

        if (monitor == nullptr
            || udev_monitor_filter_add_match_subsystem_devtype (monitor.get(), "hidraw", nullptr) < 0
            || udev_monitor_enable_receiving (monitor.get()) < 0)
        {
            std::fprintf (stderr, "Cannot watch for HID devices coming and going (udev monitor): %s.\n", std::strerror (errno));
            monitor.reset();
            return false;
        }

        std::weak_ptr<ManagerState> weak = weak_from_this();
        monitorWatch = LinuxFdWatch::create (::dup (udev_monitor_get_fd (monitor.get())), [weak] (int)
        {
            if (auto self = weak.lock())
                self->onMonitorReadable();
        });
        return true;
    }

    void setCriteria (const std::vector<HidMatching>* newCriteria)
    {
        const std::lock_guard<std::mutex> guard (lock);
        criteria.reset();

        if (newCriteria != nullptr)
            criteria = *newCriteria;
    }

    void setCallback (HidDeviceCallback newCallback, void* newContext, void* newSender)
    {
        const std::lock_guard<std::mutex> guard (lock);
        callback = newCallback;
        context = newContext;
        sender = newSender;
    }

    void schedule()
    {
        std::shared_ptr<LinuxFdWatch> watch;
        {
            const std::lock_guard<std::mutex> guard (lock);
            scheduled = true;
            watch = monitorWatch;
        }

        if (watch != nullptr)
            watch->start();
    }

    void kill()
    {
        std::map<std::string, std::shared_ptr<LinuxHidDevice>> dropped;
        std::shared_ptr<LinuxFdWatch> watch;
        {
            const std::lock_guard<std::mutex> guard (lock);
            callback = nullptr;
            context = nullptr;
            sender = nullptr;
            scheduled = false;
            dropped.swap (devices);
            watch = monitorWatch;
        }

        if (watch != nullptr)
            watch->stop();
    }

    // The initialised hidraw nodes now present; a node that udev is still
    // setting up is left out and arrives through the monitor once it is ready.
    std::vector<HidDeviceRef> scan()
    {
        std::vector<HidDeviceRef> result;
        const std::lock_guard<std::mutex> guard (lock);
        UdevEnumeratePtr enumerate (udev_enumerate_new (udevContext.get()));

        if (enumerate == nullptr
            || udev_enumerate_add_match_subsystem (enumerate.get(), "hidraw") < 0
            || udev_enumerate_scan_devices (enumerate.get()) < 0)
            return result;

        udev_list_entry* entry = nullptr;

        udev_list_entry_foreach (entry, udev_enumerate_get_list_entry (enumerate.get()))
        {
            UdevDevicePtr hidraw (udev_device_new_from_syspath (udevContext.get(), udev_list_entry_get_name (entry)));

            if (hidraw == nullptr || ! isUdevInitialised (hidraw.get()))
                continue;

            auto device = knownOrNew (hidraw.get());

            if (device != nullptr && matchesLocked (device->properties()))
                result.push_back (device);
        }

        return result;
    }

private:
    bool matchesLocked (const LinuxHidProperties& properties) const
    {
        if (! criteria)
            return true;

        return std::any_of (criteria->begin(), criteria->end(),
                            [&properties] (const HidMatching& entry) { return matchesEntry (entry, properties); });
    }

    std::shared_ptr<LinuxHidDevice> knownOrNew (udev_device* hidraw)
    {
        const std::string syspath (udev_device_get_syspath (hidraw));
        const auto known = devices.find (syspath);

        if (known != devices.end() && ! known->second->isGone())
            return known->second;

        auto device = makeDevice (hidraw);

        if (device != nullptr)
            devices[syspath] = device;

        return device;
    }

    struct Event
    {
        bool removal;
        std::shared_ptr<LinuxHidDevice> device;
    };

    // Message thread.
    void onMonitorReadable()
    {
        std::vector<Event> events;
        HidDeviceCallback arrival = nullptr;
        void* arrivalContext = nullptr;
        void* arrivalSender = nullptr;
        {
            const std::lock_guard<std::mutex> guard (lock);

            if (monitor == nullptr)
                return;

            while (true)
            {
                UdevDevicePtr hidraw (udev_monitor_receive_device (monitor.get()));

                if (hidraw == nullptr)
                    break;

                collectEvent (hidraw.get(), events);
            }

            if (scheduled)
            {
                arrival = callback;
                arrivalContext = context;
                arrivalSender = sender;
            }

            // Arrivals that the criteria do not match are not announced.
            events.erase (std::remove_if (events.begin(), events.end(), [this] (const Event& e)
                                          { return ! e.removal && ! matchesLocked (e.device->properties()); }),
                          events.end());
        }

        for (auto& event : events)
        {
            if (event.removal)
                event.device->markGone();
            else if (arrival != nullptr)
                arrival (arrivalContext, hidSuccess, arrivalSender, event.device);
        }
    }

    void collectEvent (udev_device* hidraw, std::vector<Event>& events)
    {
        const char* action = udev_device_get_action (hidraw);
        const char* syspath = udev_device_get_syspath (hidraw);

        if (action == nullptr || syspath == nullptr)
            return;

        const auto known = devices.find (syspath);

        if (std::strcmp (action, "remove") == 0)
        {
            if (known != devices.end())
            {
                events.push_back ({ true, known->second });
                devices.erase (known);
            }

            return;
        }

        // "add", or the first word from udev about a node it had not set up
        // when the list was read.
        if ((known != devices.end() && ! known->second->isGone()) || ! isUdevInitialised (hidraw))
            return;

        if (auto device = makeDevice (hidraw))
        {
            devices[syspath] = device;
            events.push_back ({ false, device });
        }
    }

    std::mutex lock;
    UdevPtr udevContext;
    UdevMonitorPtr monitor;
    std::shared_ptr<LinuxFdWatch> monitorWatch;
    std::optional<std::vector<HidMatching>> criteria;
    HidDeviceCallback callback = nullptr;
    void* context = nullptr;
    void* sender = nullptr;
    bool scheduled = false;
    std::map<std::string, std::shared_ptr<LinuxHidDevice>> devices;
};

//==============================================================================
class LinuxHidManager final : public HidManager
{
public:
    explicit LinuxHidManager (UdevPtr context) : state (std::make_shared<ManagerState> (std::move (context))) {}
    ~LinuxHidManager() override { state->kill(); }

    void setDeviceMatchingMultiple (const std::vector<HidMatching>* criteria) override { state->setCriteria (criteria); }
    bool open() override { return state->open(); }

    std::optional<std::vector<HidDeviceRef>> copyDevices() override
    {
        auto devices = state->scan();

        if (devices.empty())
            return std::nullopt;

        return devices;
    }

    void registerDeviceMatchingCallback (HidDeviceCallback callback, void* context) override
    {
        state->setCallback (callback, context, this);
    }

    void scheduleWithMessageThread() override { state->schedule(); }

private:
    std::shared_ptr<ManagerState> state;
};

} // namespace

std::unique_ptr<HidManager> createHidManager()
{
    UdevPtr context (udev_new());

    if (context == nullptr)
    {
        std::fprintf (stderr, "Cannot reach udev: %s.\n", std::strerror (errno));
        return nullptr;
    }

    return std::make_unique<LinuxHidManager> (std::move (context));
}

} // namespace platform
