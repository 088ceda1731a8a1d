# Desktop integration: the menu entry, the AppStream metadata and the icon.
# The metadata names the controller's USB IDs so that software centres can
# offer the updater when the controller is plugged in.
string(REGEX REPLACE "^0[xX]" "" KRV_MODALIAS_VENDOR "${KRV_USB_VENDOR_ID}")
string(TOUPPER "${KRV_MODALIAS_VENDOR}" KRV_MODALIAS_VENDOR)
configure_file(metainfo/${KRV_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${KRV_APP_ID}.metainfo.xml @ONLY)

install(FILES desktop/${KRV_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KRV_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES icon/${KRV_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps)
