target_sources(krv_main_component PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_protocol.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_checks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainComponent_thread.cpp)
