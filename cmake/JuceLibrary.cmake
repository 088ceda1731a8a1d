# JUCE's modules are compiled once per build configuration into one static
# library that the program, the demo, the tools and every test link.
add_library(krv_juce STATIC)
target_link_libraries(krv_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
    PUBLIC
        juce::juce_recommended_config_flags)
target_compile_definitions(krv_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        # The tests pump the message loop with runDispatchLoopUntil, which
        # exists only with modal loops permitted; the program runs none.
        JUCE_MODAL_LOOPS_PERMITTED=1
        JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
        JUCE_STANDALONE_APPLICATION=1
        JUCE_SILENCE_XCODE_15_LINKER_WARNING=1
    INTERFACE
        $<TARGET_PROPERTY:krv_juce,COMPILE_DEFINITIONS>)
target_include_directories(krv_juce
    INTERFACE $<TARGET_PROPERTY:krv_juce,INCLUDE_DIRECTORIES>)
set_target_properties(krv_juce PROPERTIES POSITION_INDEPENDENT_CODE ON)
# JUCE's own sources are not ours to keep warning-free.
target_compile_options(krv_juce PRIVATE -w)

# Debian's JUCE decodes images with the system's libpng and libjpeg but does
# not declare them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(KRV_IMAGE_LIBS REQUIRED IMPORTED_TARGET libpng libjpeg zlib)
target_link_libraries(krv_juce PUBLIC PkgConfig::KRV_IMAGE_LIBS)
