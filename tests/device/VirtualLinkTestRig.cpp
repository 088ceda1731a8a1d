#include "LinkTestRig.h"
#include "TestSupport.h"

#include "VirtualHidService.h"

#include <map>

namespace devicetest
{
namespace
{

class VirtualLinkTestRig final : public LinkTestRig
{
public:
    VirtualLinkTestRig() { bus().reset(); }
    ~VirtualLinkTestRig() override
    {
        bus().reset();
        drainMessages();
    }

    int plug (const RigDevicePlan& plan) override
    {
        platform::VirtualHidDeviceInfo info;
        info.vendorID = plan.vendorID;
        info.productID = plan.productID;
        info.versionNumber = plan.versionNumber;
        info.openFails = plan.openFails;

        if (! plan.ports.empty())
            info.locationID = locationFor (plan);

        if (plan.vendorIsText)
            info.textProperties.push_back ("VendorID");

        const int id = nextId++;
        devices[id] = { bus().plug (info), 0 };
        return id;
    }

    void unplug (int id) override { bus().unplug (devices.at (id).handle); }

    void sendInput (int id, const std::vector<uint8_t>& report) override
    {
        devices.at (id).handle->sendInputReport (report.data(), report.size());
    }

    std::vector<uint8_t> nextOutput (int id) override
    {
        auto& device = devices.at (id);
        std::vector<std::vector<uint8_t>> reports;
        waitFor ([&] { reports = device.handle->outputReports(); return reports.size() > device.consumed; });

        if (reports.size() <= device.consumed)
            return {};

        return reports[device.consumed++];
    }

    std::vector<uint8_t> wirePrefix() const override { return {}; }

    void settle() override { drainMessages(); }

    int stressRounds() const override { return 150; }

private:
    struct Device
    {
        platform::VirtualHidDeviceHandle handle;
        size_t consumed;
    };

    static platform::VirtualHidBus& bus() { return platform::VirtualHidBus::instance(); }

    std::map<int, Device> devices;
    int nextId = 1;
};

} // namespace

std::unique_ptr<LinkTestRig> makeLinkTestRig() { return std::make_unique<VirtualLinkTestRig>(); }

} // namespace devicetest
