# engine tests: the rules on their own (no display)
krv_add_test(update_file_format_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/UpdateFileFormatTests.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ResponseRuleTests.cpp
    LIBS krv_update_file_format krv_updfile)

# The real update thread against the emulated controller.
krv_add_test(engine_trace_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineTraceTests.cpp
    LIBS krv_main_component krv_emulator krv_updfile krv_hid_virtual
    LABELS display)

krv_add_test(engine_fault_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineFaultTests.cpp
    LIBS krv_main_component krv_emulator krv_updfile krv_hid_virtual
    LABELS display)

krv_add_test(engine_unit_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EngineUnitTests.cpp
            ${CMAKE_CURRENT_LIST_DIR}/EngineStopTests.cpp
    LIBS krv_main_component krv_emulator krv_updfile krv_hid_virtual
    LABELS display)
