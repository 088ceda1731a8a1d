# Preferred languages (ICU canonicalises the locale names) and font
# resolution (fontconfig picks installed fonts for the table's font names).
target_sources(krv_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PreferredLanguages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontResolver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontMatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontCollection.cpp)

find_package(PkgConfig REQUIRED)
pkg_check_modules(KRV_TEXT_LIBS REQUIRED IMPORTED_TARGET icu-uc fontconfig)
target_link_libraries(krv_platform PUBLIC PkgConfig::KRV_TEXT_LIBS)
