# The Debian package: cpack -G DEB in the build folder gives rfid_VERSION_ARCH.deb.
# Its dependencies come from dpkg-shlibdeps; the window system plug-ins and a
# font for the Chinese texts are not linked, so they are named here.
set(CPACK_PACKAGE_NAME rfid)
set(CPACK_PACKAGE_VENDOR "RFID developers")
set(CPACK_PACKAGE_CONTACT "RFID developers <rfid@example.org>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "operator tool for 13.56 MHz card readers on USB HID")
set(CPACK_PACKAGE_DESCRIPTION
  "Reads and sets a card reader's keyboard output format and its own settings, runs card commands "
  "(MIFARE Classic, Ultralight, ISO 14443 Type B, ISO 15693), sends hand-made frames, repeats any "
  "command in a loop and listens on a serial port for card reports. A built-in virtual reader runs "
  "every command without hardware.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${RFID_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-zenhei | fonts-noto-cjk")
include(CPack)
