# HID backends: a program links exactly one; each defines platform::createHidManager().
# What they share (a device's callback registrations) lives in krv_platform.
target_sources(krv_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/HidDeviceCallbacks.cpp)
find_package(PkgConfig REQUIRED)
pkg_check_modules(KRV_LIBUDEV REQUIRED IMPORTED_TARGET libudev)

add_library(krv_hid_linux STATIC
    ${CMAKE_CURRENT_LIST_DIR}/LinuxHidService.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinuxHidDevice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinuxHidProperties.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinuxUdevInitialised.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LinuxFdWatch.cpp)
target_link_libraries(krv_hid_linux PUBLIC krv_platform PkgConfig::KRV_LIBUDEV PRIVATE krv_warnings)

add_library(krv_hid_virtual STATIC ${CMAKE_CURRENT_LIST_DIR}/VirtualHidService.cpp)
target_link_libraries(krv_hid_virtual PUBLIC krv_platform PRIVATE krv_warnings)
