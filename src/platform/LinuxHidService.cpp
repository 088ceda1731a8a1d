#include "HidService.h"

namespace platform
{
std::unique_ptr<HidManager> createHidManager() { return nullptr; }
} // namespace platform
