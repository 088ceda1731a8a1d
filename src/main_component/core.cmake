target_sources(krv_main_component PRIVATE ${CMAKE_CURRENT_LIST_DIR}/MainComponent.cpp)
