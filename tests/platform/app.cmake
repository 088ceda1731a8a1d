krv_add_test(platform_app_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/InstanceNoticeTests.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ExecutableLocationTests.cpp
    LIBS krv_platform)
