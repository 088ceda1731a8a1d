# Manual page, copyright and changelog, compressed the way Debian expects
# (gzip -9n: no name or time stamp, so the package builds reproducibly).
find_program(KRV_GZIP gzip REQUIRED)

function(krv_gzip_file source output)
    add_custom_command(OUTPUT ${output}
        COMMAND ${KRV_GZIP} -9nc ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()

set(KRV_MANPAGE_GZ ${CMAKE_CURRENT_BINARY_DIR}/${KRV_PACKAGE_NAME}.1.gz)
set(KRV_CHANGELOG_GZ ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
krv_gzip_file(${CMAKE_CURRENT_SOURCE_DIR}/man/${KRV_PACKAGE_NAME}.1 ${KRV_MANPAGE_GZ})
krv_gzip_file(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog ${KRV_CHANGELOG_GZ})
add_custom_target(krv_package_docs ALL DEPENDS ${KRV_MANPAGE_GZ} ${KRV_CHANGELOG_GZ})

install(FILES ${KRV_MANPAGE_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES debian/copyright ${KRV_CHANGELOG_GZ} DESTINATION ${KRV_INSTALL_DOCDIR})
