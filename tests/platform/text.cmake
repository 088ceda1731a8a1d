# tests of the platform's text services
krv_add_test(krv_platform_text_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/PreferredLanguagesTests.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FontResolverTests.cpp
    LIBS krv_platform)
