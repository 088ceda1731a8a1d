#pragma once

// Plain functions over the process's one HID manager: build a snapshot of the
// matching devices sorted by USB location, walk it, read number properties.
// The three globals are shared by every caller; call from one thread at a
// time (the device link serialises them under its notification lock).

#include "HidService.h"

#include <cstdint>
#include <memory>
#include <vector>

using HIDDeviceList = std::vector<platform::HidDeviceRef>;

extern platform::HidManager* gIOHIDManagerRef;   // owned; released by HIDReleaseManager
extern HIDDeviceList* gDeviceCFArrayRef;         // the snapshot, sorted by location ID
extern int64_t gDeviceIndex;                     // walk cursor: position last returned

bool HIDBuildMultiDeviceList (const uint32_t* usagePages, const uint32_t* usages, int count);
bool HIDBuildDeviceList (uint32_t usagePage, uint32_t usage);
std::unique_ptr<platform::HidMatching> hu_SetUpMatchingDictionary (uint32_t usagePage, uint32_t usage);
void HIDRebuildDevices();
void HIDReleaseDeviceList();
platform::HidDeviceRef HIDGetFirstDevice();
platform::HidDeviceRef HIDGetNextDevice (const platform::HidDeviceRef& device);

// Drops the manager: unregistered, released, gIOHIDManagerRef null; the next
// build creates and opens a new one.
void HIDReleaseManager();

void CFSetApplierFunctionCopyToCFArray (const platform::HidDeviceRef& value, void* context);
int CFDeviceArrayComparatorFunction (const platform::HidDeviceRef& a, const platform::HidDeviceRef& b, void* context);

int64_t IOHIDDevice_GetVendorID (const platform::HidDeviceRef& device);
int64_t IOHIDDevice_GetProductID (const platform::HidDeviceRef& device);
int64_t IOHIDDevice_GetVersionNumber (const platform::HidDeviceRef& device);
int64_t IOHIDDevice_GetLocationID (const platform::HidDeviceRef& device);
