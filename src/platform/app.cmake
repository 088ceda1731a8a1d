target_sources(krv_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/OsVersion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExecutableLocation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InstanceNotice.cpp)
