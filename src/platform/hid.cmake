# HID backends: a program links exactly one; each defines platform::createHidManager().
add_library(krv_hid_linux STATIC ${CMAKE_CURRENT_LIST_DIR}/LinuxHidService.cpp)
target_link_libraries(krv_hid_linux PUBLIC krv_platform PRIVATE krv_warnings)

add_library(krv_hid_virtual STATIC ${CMAKE_CURRENT_LIST_DIR}/VirtualHidService.cpp)
target_link_libraries(krv_hid_virtual PUBLIC krv_platform PRIVATE krv_warnings)
