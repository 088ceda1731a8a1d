# engine tests
krv_add_test(update_file_format_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/UpdateFileFormatTests.cpp
    LIBS krv_update_file_format krv_updfile)
