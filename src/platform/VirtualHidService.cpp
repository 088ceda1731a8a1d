#include "VirtualHidService.h"

#include "HidDeviceCallbacks.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

namespace platform
{
namespace
{

bool matchesEntry (const HidMatching& entry, const VirtualHidDeviceInfo& info)
{
    return (! entry.primaryUsagePage || *entry.primaryUsagePage == info.primaryUsagePage)
        && (! entry.primaryUsage || *entry.primaryUsage == info.primaryUsage);
}

//==============================================================================
class VirtualDevice final : public HidDevice,
                            public VirtualHidDevice,
                            public std::enable_shared_from_this<VirtualDevice>
{
public:
    explicit VirtualDevice (VirtualHidDeviceInfo deviceInfo) : info (std::move (deviceInfo)) {}

    const VirtualHidDeviceInfo info;

    // --- The program's side -------------------------------------------------
    std::optional<int64_t> getNumberProperty (const char* key) const override
    {
        const std::string name (key != nullptr ? key : "");

        if (std::find (info.textProperties.begin(), info.textProperties.end(), name) != info.textProperties.end())
            return std::nullopt;

        if (name == "VendorID")         return info.vendorID;
        if (name == "ProductID")        return info.productID;
        if (name == "VersionNumber")    return info.versionNumber;
        if (name == "LocationID")       return info.locationID;
        if (name == "PrimaryUsagePage") return info.primaryUsagePage;
        if (name == "PrimaryUsage")     return info.primaryUsage;
        return std::nullopt;
    }

    bool open() override
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! plugged || info.openFails)
        {
            std::fprintf (stderr, "virtual HID device: cannot open the device (%s)\n",
                          plugged ? "access refused" : "unplugged");
            return false;
        }

        opened = true;
        return true;
    }

    void close() override
    {
        const std::lock_guard<std::mutex> guard (lock);
        opened = false;
    }

    void registerRemovalCallback (HidRemovalCallback callback, void* context) override
    {
        callbacks.setRemoval (callback, context);
    }

    void registerInputReportCallback (uint8_t* buffer, size_t bufferSize,
                                      HidReportCallback callback, void* context) override
    {
        callbacks.setInputReport (buffer, bufferSize, callback, context);
    }

    void scheduleWithMessageThread() override { callbacks.setScheduled (true); }
    void unscheduleFromMessageThread() override { callbacks.setScheduled (false); }

    bool setOutputReport (uint8_t, const uint8_t* bytes, size_t length) override
    {
        std::shared_ptr<const OutputHandler> handler;
        {
            const std::lock_guard<std::mutex> guard (lock);

            if (! plugged || ! opened || bytes == nullptr)
                return false;

            if (recording)
                recorded.emplace_back (bytes, bytes + length);

            handler = outputHandler;
        }

        // Called without the lock: the handler may answer, or pull the device out.
        return handler == nullptr || ! *handler || (*handler) (bytes, length);
    }

    // --- The test's side ----------------------------------------------------
    void setOutputHandler (OutputHandler handler) override
    {
        auto shared = std::make_shared<const OutputHandler> (std::move (handler));
        const std::lock_guard<std::mutex> guard (lock);
        outputHandler = std::move (shared);
    }

    void sendInputReport (const uint8_t* bytes, size_t length) override
    {
        if (bytes == nullptr || ! isPlugged())
            return;

        std::vector<uint8_t> report (bytes, bytes + length);
        juce::MessageManager::callAsync ([self = shared_from_this(), report = std::move (report)]
                                         { self->callbacks.deliverInput (self.get(), report.data(), report.size()); });
    }

    void setRecording (bool shouldRecord) override
    {
        const std::lock_guard<std::mutex> guard (lock);
        recording = shouldRecord;
    }

    std::vector<std::vector<uint8_t>> outputReports() const override
    {
        const std::lock_guard<std::mutex> guard (lock);
        return recorded;
    }

    void clearOutputReports() override
    {
        const std::lock_guard<std::mutex> guard (lock);
        recorded.clear();
    }

    bool isPlugged() const override
    {
        const std::lock_guard<std::mutex> guard (lock);
        return plugged;
    }

    // --- The bus's side -----------------------------------------------------
    void pullOut()
    {
        {
            const std::lock_guard<std::mutex> guard (lock);

            if (! plugged)
                return;

            plugged = false;
            opened = false;
        }

        juce::MessageManager::callAsync ([self = shared_from_this()] { self->callbacks.deliverRemoval (self.get()); });
    }

private:
    // Deliveries run on the message thread and look at the registration as
    // it is then, not as it was when the event was posted.
    HidDeviceCallbacks callbacks;

    mutable std::mutex lock;
    bool plugged = true;
    bool opened = false;
    std::shared_ptr<const OutputHandler> outputHandler;
    bool recording = true;
    std::vector<std::vector<uint8_t>> recorded;
};

using VirtualDeviceRef = std::shared_ptr<VirtualDevice>;

//==============================================================================
// What a manager shares with the bus: it outlives the manager while an
// arrival is on its way to the message thread.
class ManagerState
{
public:
    void setCriteria (const std::vector<HidMatching>* newCriteria)
    {
        const std::lock_guard<std::mutex> guard (lock);
        criteria.reset();

        if (newCriteria != nullptr)
            criteria = *newCriteria;
    }

    bool matches (const VirtualHidDeviceInfo& info) const
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (! criteria)
            return true;

        return std::any_of (criteria->begin(), criteria->end(),
                            [&info] (const HidMatching& entry) { return matchesEntry (entry, info); });
    }

    void setCallback (HidDeviceCallback newCallback, void* newContext)
    {
        const std::lock_guard<std::mutex> guard (lock);
        callback = newCallback;
        context = newContext;
    }

    void schedule()
    {
        const std::lock_guard<std::mutex> guard (lock);
        scheduled = true;
    }

    void kill()
    {
        const std::lock_guard<std::mutex> guard (lock);
        alive = false;
        callback = nullptr;
        context = nullptr;
    }

    // Message thread.
    void deliverArrival (const VirtualDeviceRef& device, void* sender)
    {
        if (! device->isPlugged() || ! matches (device->info))
            return;

        HidDeviceCallback arrival = nullptr;
        void* arrivalContext = nullptr;
        {
            const std::lock_guard<std::mutex> guard (lock);

            if (! alive || ! scheduled || callback == nullptr)
                return;

            arrival = callback;
            arrivalContext = context;
        }

        arrival (arrivalContext, hidSuccess, sender, device);
    }

private:
    mutable std::mutex lock;
    std::optional<std::vector<HidMatching>> criteria;
    HidDeviceCallback callback = nullptr;
    void* context = nullptr;
    bool scheduled = false;
    bool alive = true;
};

//==============================================================================
class Bus final : public VirtualHidBus
{
public:
    VirtualHidDeviceHandle plug (const VirtualHidDeviceInfo& info) override
    {
        auto device = std::make_shared<VirtualDevice> (info);
        {
            const std::lock_guard<std::mutex> guard (lock);
            devices.push_back (device);
        }

        juce::MessageManager::callAsync ([this, device] { announce (device); });
        return device;
    }

    void unplug (const VirtualHidDeviceHandle& handle) override
    {
        VirtualDeviceRef device;
        {
            const std::lock_guard<std::mutex> guard (lock);
            const auto found = std::find_if (devices.begin(), devices.end(),
                                             [&handle] (const VirtualDeviceRef& d) { return d.get() == handle.get(); });

            if (found == devices.end())
                return;

            device = *found;
            devices.erase (found);
        }

        device->pullOut();
    }

    void reset() override
    {
        std::vector<VirtualDeviceRef> pulled;
        {
            const std::lock_guard<std::mutex> guard (lock);
            pulled.swap (devices);
            serviceAvailable = true;
            managerOpenFails = false;
            openCount = 0;
        }

        for (auto& device : pulled)
            device->pullOut();
    }

    void setServiceAvailable (bool available) override
    {
        const std::lock_guard<std::mutex> guard (lock);
        serviceAvailable = available;
    }

    void setManagerOpenFails (bool fails) override
    {
        const std::lock_guard<std::mutex> guard (lock);
        managerOpenFails = fails;
    }

    int managerOpenCount() const override
    {
        const std::lock_guard<std::mutex> guard (lock);
        return openCount;
    }

    // --- For the managers ---------------------------------------------------
    bool isServiceAvailable() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return serviceAvailable;
    }

    bool openManager()
    {
        const std::lock_guard<std::mutex> guard (lock);

        if (managerOpenFails)
            return false;

        ++openCount;
        return true;
    }

    void addManager (const std::shared_ptr<ManagerState>& state, void* sender)
    {
        const std::lock_guard<std::mutex> guard (lock);
        managers.erase (std::remove_if (managers.begin(), managers.end(),
                                        [] (const Registration& r) { return r.state.expired(); }),
                        managers.end());
        managers.push_back ({ state, sender });
    }

    std::vector<VirtualDeviceRef> pluggedDevices() const
    {
        const std::lock_guard<std::mutex> guard (lock);
        return devices;
    }

private:
    struct Registration
    {
        std::weak_ptr<ManagerState> state;
        void* sender;
    };

    // Message thread.
    void announce (const VirtualDeviceRef& device)
    {
        std::vector<Registration> current;
        {
            const std::lock_guard<std::mutex> guard (lock);
            current = managers;
        }

        for (auto& registration : current)
            if (auto state = registration.state.lock())
                state->deliverArrival (device, registration.sender);
    }

    mutable std::mutex lock;
    std::vector<VirtualDeviceRef> devices;
    std::vector<Registration> managers;
    bool serviceAvailable = true;
    bool managerOpenFails = false;
    int openCount = 0;
};

Bus& theBus()
{
    static Bus bus;
    return bus;
}

//==============================================================================
class VirtualManager final : public HidManager
{
public:
    VirtualManager() { theBus().addManager (state, this); }
    ~VirtualManager() override { state->kill(); }

    void setDeviceMatchingMultiple (const std::vector<HidMatching>* criteria) override
    {
        state->setCriteria (criteria);
    }

    bool open() override { return theBus().openManager(); }

    std::optional<std::vector<HidDeviceRef>> copyDevices() override
    {
        std::vector<HidDeviceRef> result;

        for (auto& device : theBus().pluggedDevices())
            if (state->matches (device->info))
                result.push_back (device);

        // Like the platform's own manager: no set at all when nothing matches.
        if (result.empty())
            return std::nullopt;

        return result;
    }

    void registerDeviceMatchingCallback (HidDeviceCallback callback, void* context) override
    {
        state->setCallback (callback, context);
    }

    void scheduleWithMessageThread() override { state->schedule(); }

private:
    std::shared_ptr<ManagerState> state = std::make_shared<ManagerState>();
};

} // namespace

VirtualHidBus& VirtualHidBus::instance() { return theBus(); }

std::unique_ptr<HidManager> createHidManager()
{
    if (! theBus().isServiceAvailable())
        return nullptr;

    return std::make_unique<VirtualManager>();
}

} // namespace platform
