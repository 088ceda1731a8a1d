#include "LinkTestRig.h"

#include <algorithm>

namespace devicetest
{

int64_t locationFor (const RigDevicePlan& plan)
{
    if (plan.ports.empty())
        return 0;

    int64_t location = static_cast<int64_t> (plan.bus & 0xFF) << 24;
    int shift = 20;

    for (const int port : plan.ports)
    {
        location |= static_cast<int64_t> (std::min (port, 15)) << shift;
        shift -= 4;
    }

    return location;
}

} // namespace devicetest
