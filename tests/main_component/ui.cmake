# controls and screens tests
set(KRV_UI_ARTEFACTS ${PROJECT_BINARY_DIR}/artefacts/ui)

krv_add_test(main_component_screen_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenSnapshotTests.cpp
    LIBS krv_main_component "$<LINK_LIBRARY:WHOLE_ARCHIVE,krv_hid_virtual>")
target_compile_definitions(main_component_screen_tests PRIVATE KRV_UI_ARTEFACT_DIR="${KRV_UI_ARTEFACTS}/screens")

krv_add_test(main_component_control_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ControlActionTests.cpp
    LIBS krv_main_component krv_emulator krv_updfile krv_hid_virtual)
target_compile_definitions(main_component_control_tests PRIVATE KRV_UI_ARTEFACT_DIR="${KRV_UI_ARTEFACTS}/controls")

# Not a test: prints the ready screen's CPU use.
add_executable(ready_screen_cpu ${CMAKE_CURRENT_LIST_DIR}/ReadyScreenCpu.cpp)
target_include_directories(ready_screen_cpu PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(ready_screen_cpu PRIVATE krv_main_component krv_emulator krv_updfile krv_hid_virtual krv_warnings)

# The real window on a private X server, driven with xdotool: the demo
# program, and the same window in the test process.
krv_add_test(ui_window_walkthrough_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/WindowWalkthroughTests.cpp ${PROJECT_SOURCE_DIR}/tests/app/XSession.cpp
    LIBS krv_app krv_emulator krv_updfile krv_hid_virtual
    LABELS display)
target_include_directories(ui_window_walkthrough_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/app)
target_compile_definitions(ui_window_walkthrough_tests PRIVATE
    KRV_UI_ARTEFACT_DIR="${KRV_UI_ARTEFACTS}/walkthrough"
    KRV_DEMO_PATH="$<TARGET_FILE:KRVTM40UpdateDemo>")
add_dependencies(ui_window_walkthrough_tests KRVTM40UpdateDemo)
