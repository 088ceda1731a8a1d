# The update file's layout and checks (shared with the update-file tool) and
# the rules that judge the controller's answers.
add_library(krv_update_file_format STATIC
    ${CMAKE_CURRENT_LIST_DIR}/UpdateFileFormat.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateResponses.cpp)
target_include_directories(krv_update_file_format PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(krv_update_file_format PUBLIC krv_juce PRIVATE krv_warnings)

target_link_libraries(krv_main_component PUBLIC krv_update_file_format)
target_sources(krv_main_component PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_protocol.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_checks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_thread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_transfer.cpp)
