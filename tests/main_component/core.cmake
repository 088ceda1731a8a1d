krv_add_test(main_component_core_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/StateTests.cpp
    LIBS krv_main_component krv_hid_virtual)
