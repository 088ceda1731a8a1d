# The Linux HID service end to end through umockdev: real libudev, real file
# descriptors, real message-thread delivery. Each test runs in its own
# umockdev-wrapper, so each gets a fresh testbed.
find_program(KRV_UMOCKDEV_WRAPPER umockdev-wrapper)
find_package(PkgConfig REQUIRED)
pkg_check_modules(KRV_UMOCKDEV IMPORTED_TARGET umockdev-1.0)

if(KRV_UMOCKDEV_WRAPPER AND KRV_UMOCKDEV_FOUND)
    add_library(krv_umockdev_rig STATIC ${CMAKE_CURRENT_LIST_DIR}/UmockdevRig.cpp)
    target_include_directories(krv_umockdev_rig PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/tests/device)
    target_link_libraries(krv_umockdev_rig PUBLIC krv_device_test_rig krv_hid_linux PkgConfig::KRV_UMOCKDEV GTest::gtest PRIVATE krv_warnings)

    # Every executable made here is started (also to list its tests) under the wrapper.
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KRV_UMOCKDEV_WRAPPER})

    # The behaviours the virtual bus shows too, from the same source.
    krv_add_test(hid_linux_link_tests
        SOURCES ${PROJECT_SOURCE_DIR}/tests/device/LinkBehaviourTests.cpp
        LIBS krv_device krv_umockdev_rig krv_hid_linux
        LABELS umockdev)

    krv_add_test(hid_linux_tests
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/LinuxHidTests.cpp
        LIBS krv_device krv_umockdev_rig krv_hid_linux
        LABELS umockdev)

    unset(CMAKE_CROSSCOMPILING_EMULATOR)
else()
    message(WARNING "umockdev not found: the Linux HID tests are not built (scripts/setup installs it)")
endif()
