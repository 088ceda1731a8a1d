krv_add_test(main_component_core_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/StateTests.cpp
    LIBS krv_main_component "$<LINK_LIBRARY:WHOLE_ARCHIVE,krv_hid_virtual>")

# The component with its update thread against the emulated controller.
krv_add_test(main_component_lifecycle_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LifecycleTests.cpp
    LIBS krv_main_component krv_emulator krv_updfile krv_hid_virtual
    LABELS display)
