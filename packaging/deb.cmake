# CPack: `cpack -G DEB` in the build directory makes the .deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "${KRV_PACKAGE_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "KRV")
set(CPACK_PACKAGE_CONTACT "KRV <support@krv.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "firmware updater for the KRV-TM40 USB DJ controller")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack indents
# these lines and turns the empty one into the paragraph separator.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"A small window that writes new firmware into a KRV-TM40 controller
connected by USB. It checks the update file placed beside the program
(size, date, version and CRC-16) and asks the controller which firmware
it carries before anything is written, then shows a progress bar, and
reports every failure with an error ID or with recovery instructions.

The package includes a udev rule that gives the logged-in user access to
the controller's hidraw device.")

include(CPack)
