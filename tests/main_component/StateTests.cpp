#include "main_component/MainComponent.h"
#include "platform/OsVersion.h"

#include <gtest/gtest.h>

TEST (OsTypeCode, FollowsTheSecondFieldOfTheProductVersion)
{
    EXPECT_EQ (platform::osTypeFromProductVersion ("10.6.8"), 0x106);
    EXPECT_EQ (platform::osTypeFromProductVersion ("10.14.6"), 0x10E);
    EXPECT_EQ (platform::osTypeFromProductVersion ("10.15.7"), 0x10F);
    EXPECT_EQ (platform::osTypeFromProductVersion ("12.3"), 0x103);
    EXPECT_EQ (platform::osTypeFromProductVersion ("11"), 0x100);
}
