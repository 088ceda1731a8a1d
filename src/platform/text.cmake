target_sources(krv_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/FontResolver.cpp)
