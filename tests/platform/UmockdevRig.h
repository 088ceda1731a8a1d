#pragma once

// Test devices for the Linux HID service: a umockdev testbed with a USB
// device, its interface, its HID device and its hidraw node per controller.
// The node is a pty; a reader thread collects what the program writes to it.
// The process must run under umockdev-wrapper.

#include "LinkTestRig.h"

#include <libudev.h>
#include <umockdev.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace devicetest
{

class UmockdevRig final : public LinkTestRig
{
public:
    UmockdevRig();
    ~UmockdevRig() override;

    int plug (const RigDevicePlan& plan) override;
    void unplug (int id) override;
    void sendInput (int id, const std::vector<uint8_t>& report) override;
    std::vector<uint8_t> nextOutput (int id) override;
    std::vector<uint8_t> wirePrefix() const override { return { 0x00 }; }
    void settle() override;
    int stressRounds() const override { return 12; }

    // umockdev aborts the process when a monitor's socket closes between its
    // connecting to that socket and sending the event: a flaw of the
    // emulation that real udev does not have.
    bool announcesDuringTeardown() const override { return false; }

    // Linux only: the node hangs up while udev says nothing.
    void hangUp (int id);
    // Linux only: udev announces the removal while the node stays open.
    void announceRemoval (int id);
    // Linux only: a device that udev has not finished setting up is plugged
    // with `pending`; finishInitialising marks it set up and sends udev's word.
    int plugPending (const RigDevicePlan& plan);
    void finishInitialising (int id);

    std::string nodeOf (int id) const;

private:
    struct Device
    {
        std::vector<std::string> syspaths;   // parents first
        std::string node;                    // /dev/hidrawN
        std::string ptyMapEntry;             // $UMOCKDEV_DIR/dev/.ptymap/_dev_pts_N
        int deviceFd = -1;
        bool plugged = false;
        bool hungUp = false;
        std::vector<uint8_t> received;
    };

    int add (const RigDevicePlan& plan, bool pending);
    std::string describe (const RigDevicePlan& plan, int index, Device& device) const;
    void removeFromTestbed (Device& device);
    void hangUpLocked (Device& device);
    void readOutputs();
    static bool initialisedCheck (udev_device* device);
    void denyFileAccess();

    UMockdevTestbed* testbed = nullptr;
    std::string root;
    mutable std::mutex lock;
    std::map<int, Device> devices;
    int nextIndex = 0;
    bool accessDenied = false;
    std::atomic<bool> stopping { false };
    std::thread reader;
};

} // namespace devicetest
