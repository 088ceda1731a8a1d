#include "HidEnum.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <optional>

platform::HidManager* gIOHIDManagerRef = nullptr;
HIDDeviceList* gDeviceCFArrayRef = nullptr;
int64_t gDeviceIndex = 0;

namespace
{
const char* const buildSignature = "Boolean HIDBuildMultiDeviceList(const UInt32 *, const UInt32 *, int)";
const char* const dictionarySignature = "CFMutableDictionaryRef hu_SetUpMatchingDictionary(UInt32, UInt32)";

int64_t readNumber (const platform::HidDeviceRef& device, const char* key)
{
    if (device == nullptr)
        return 0;

    const auto value = device->getNumberProperty (key);

    if (! value)
        return 0;

    // Read as a signed 32-bit number, handed back with the upper half clear.
    return static_cast<int64_t> (static_cast<uint32_t> (static_cast<int32_t> (*value)));
}
} // namespace

std::unique_ptr<platform::HidMatching> hu_SetUpMatchingDictionary (uint32_t usagePage, uint32_t usage)
{
    std::unique_ptr<platform::HidMatching> dictionary (new (std::nothrow) platform::HidMatching());

    if (dictionary == nullptr)
    {
        std::fprintf (stderr, "%s: CFDictionaryCreateMutable failed.", dictionarySignature);
        return nullptr;
    }

    // A zero page leaves the entry empty (it matches every device); a zero
    // usage matches any usage on the page.
    if (usagePage != 0)
    {
        dictionary->primaryUsagePage = usagePage;

        if (usage != 0)
            dictionary->primaryUsage = usage;
    }

    return dictionary;
}

bool HIDBuildMultiDeviceList (const uint32_t* usagePages, const uint32_t* usages, int count)
{
    const bool managerExisted = gIOHIDManagerRef != nullptr;

    if (! managerExisted)
    {
        gIOHIDManagerRef = platform::createHidManager().release();

        if (gIOHIDManagerRef == nullptr)
        {
            std::fprintf (stderr, "%s: Couldn\u2019t create a IOHIDManager.", buildSignature);
            return false;
        }
    }

    if (usagePages != nullptr && usages != nullptr && count != 0)
    {
        std::unique_ptr<std::vector<platform::HidMatching>> criteria (new (std::nothrow) std::vector<platform::HidMatching>());

        if (criteria == nullptr)
        {
            std::fprintf (stderr, "%s: Couldn\u2019t create a matching array.", buildSignature);
            gIOHIDManagerRef->setDeviceMatchingMultiple (nullptr);
        }
        else
        {
            for (int i = 0; i < count; ++i)
            {
                const auto dictionary = hu_SetUpMatchingDictionary (usagePages[i], usages[i]);

                if (dictionary == nullptr)
                {
                    std::fprintf (stderr, "%s: Couldn\u2019t create a matching dictionary.", buildSignature);
                    continue;
                }

                criteria->push_back (*dictionary);
            }

            gIOHIDManagerRef->setDeviceMatchingMultiple (criteria.get());
        }
    }
    else
    {
        gIOHIDManagerRef->setDeviceMatchingMultiple (nullptr);
    }

    if (! managerExisted && ! gIOHIDManagerRef->open())
    {
        std::fprintf (stderr, "%s: Couldn\u2019t open IOHIDManager.", buildSignature);
        return false;
    }

    HIDRebuildDevices();
    return true;
}

bool HIDBuildDeviceList (uint32_t usagePage, uint32_t usage)
{
    return HIDBuildMultiDeviceList (&usagePage, &usage, 1);
}

void HIDRebuildDevices()
{
    if (gIOHIDManagerRef == nullptr)
        return;

    auto devices = gIOHIDManagerRef->copyDevices();

    if (! devices)
        return;

    HIDReleaseDeviceList();
    gDeviceCFArrayRef = new HIDDeviceList();

    for (const auto& device : *devices)
        CFSetApplierFunctionCopyToCFArray (device, gDeviceCFArrayRef);

    std::stable_sort (gDeviceCFArrayRef->begin(), gDeviceCFArrayRef->end(),
                      [] (const platform::HidDeviceRef& a, const platform::HidDeviceRef& b)
                      { return CFDeviceArrayComparatorFunction (a, b, nullptr) < 0; });
}

void HIDReleaseDeviceList()
{
    delete gDeviceCFArrayRef;
    gDeviceCFArrayRef = nullptr;
}

void HIDReleaseManager()
{
    if (gIOHIDManagerRef != nullptr)
        gIOHIDManagerRef->registerDeviceMatchingCallback (nullptr, nullptr);

    delete gIOHIDManagerRef;
    gIOHIDManagerRef = nullptr;
}

platform::HidDeviceRef HIDGetFirstDevice()
{
    gDeviceIndex = 0;

    if (gDeviceCFArrayRef == nullptr || gDeviceCFArrayRef->empty())
        return nullptr;

    return gDeviceCFArrayRef->front();
}

platform::HidDeviceRef HIDGetNextDevice (const platform::HidDeviceRef& device)
{
    if (device == nullptr || gDeviceCFArrayRef == nullptr)
        return nullptr;

    const auto count = static_cast<int64_t> (gDeviceCFArrayRef->size());

    if (gDeviceIndex < 0 || gDeviceIndex >= count)
        return nullptr;

    if ((*gDeviceCFArrayRef)[static_cast<size_t> (gDeviceIndex)] == device)
    {
        ++gDeviceIndex;
    }
    else
    {
        gDeviceIndex = -1;

        for (int64_t position = 0; position < count; ++position)
        {
            if ((*gDeviceCFArrayRef)[static_cast<size_t> (position)] == device)
            {
                gDeviceIndex = position + 1;
                break;
            }
        }

        if (gDeviceIndex < 0)
            return nullptr;
    }

    return gDeviceIndex < count ? (*gDeviceCFArrayRef)[static_cast<size_t> (gDeviceIndex)] : nullptr;
}

void CFSetApplierFunctionCopyToCFArray (const platform::HidDeviceRef& value, void* context)
{
    if (context != nullptr)
        static_cast<HIDDeviceList*> (context)->push_back (value);
}

int CFDeviceArrayComparatorFunction (const platform::HidDeviceRef& a, const platform::HidDeviceRef& b, void*)
{
    const auto locationA = IOHIDDevice_GetLocationID (a);
    const auto locationB = IOHIDDevice_GetLocationID (b);

    if (locationA < locationB)
        return -1;

    return locationA > locationB ? 1 : 0;
}

int64_t IOHIDDevice_GetVendorID (const platform::HidDeviceRef& device)      { return readNumber (device, "VendorID"); }
int64_t IOHIDDevice_GetProductID (const platform::HidDeviceRef& device)     { return readNumber (device, "ProductID"); }
int64_t IOHIDDevice_GetVersionNumber (const platform::HidDeviceRef& device) { return readNumber (device, "VersionNumber"); }
int64_t IOHIDDevice_GetLocationID (const platform::HidDeviceRef& device)    { return readNumber (device, "LocationID"); }
