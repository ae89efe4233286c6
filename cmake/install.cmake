# Installation as a Linux application (GNU folders): rfid in bin/, the reader
# libraries in a private folder found relative to the executable, the desktop
# entry, icons, AppStream metainfo, man page and the udev rule.
include(GNUInstallDirs)

set(RFID_APP_ID "org.example.rfid" CACHE STRING
  "Application ID: the name of the desktop entry, the icon and the metainfo")
set(RFID_HOMEPAGE "https://example.org/rfid" CACHE STRING
  "Home page of the project; the metainfo's screenshots are its docs/ pictures")

# The reader libraries are loaded at run time, not linked: a folder of their
# own keeps them off the system's library path. The tool finds it from its own
# folder, so that a moved prefix still works.
set(RFID_READER_INSTALL_DIR "${CMAKE_INSTALL_LIBDIR}/rfid")
file(RELATIVE_PATH RFID_READER_DIR_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBDIR}/rfid")
target_compile_definitions(rfidlink PRIVATE RFID_READER_DIR_FROM_BIN="${RFID_READER_DIR_FROM_BIN}")

install(TARGETS rfid rfid-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# bash-completion loads a command's file by the command's name, when it is first completed.
install(FILES dist/rfid-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME rfid-cli)
install(TARGETS rfidvirtual rfidhid LIBRARY DESTINATION ${RFID_READER_INSTALL_DIR})

# Icons: the SVG, and PNG sizes drawn from it.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(RFID_ICON_SVG ${CMAKE_SOURCE_DIR}/dist/rfid.svg)
set(RFID_ICON_PNGS "")
foreach(size 16 24 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps/${RFID_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}/apps
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${RFID_ICON_SVG}
    DEPENDS ${RFID_ICON_SVG} VERBATIM)
  list(APPEND RFID_ICON_PNGS ${png})
endforeach()
add_custom_target(rfid_icons ALL DEPENDS ${RFID_ICON_PNGS})
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${RFID_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${RFID_APP_ID}.svg)

configure_file(dist/rfid.desktop.in ${CMAKE_BINARY_DIR}/dist/${RFID_APP_ID}.desktop @ONLY)
configure_file(dist/rfid.metainfo.xml.in ${CMAKE_BINARY_DIR}/dist/${RFID_APP_ID}.metainfo.xml @ONLY)
configure_file(dist/rfid.1.in ${CMAKE_BINARY_DIR}/dist/rfid.1 @ONLY)
configure_file(dist/rfid-cli.1.in ${CMAKE_BINARY_DIR}/dist/rfid-cli.1 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${RFID_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/dist/${RFID_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/dist/rfid.1 ${CMAKE_BINARY_DIR}/dist/rfid-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# udev reads lib/udev/rules.d under /usr whatever the library folder is called.
install(FILES udev/70-rfid-reader.rules DESTINATION lib/udev/rules.d)
install(FILES LICENSE README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rfid)
