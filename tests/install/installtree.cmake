# Installs the build into a temporary prefix, checks what a desktop and a
# packager need, moves the prefix elsewhere and starts the installed tool from
# a third folder: its version, and its window on the virtual reader, loaded
# from the installed library folder.
# Usage: cmake -DBUILD_DIR= -DWORK= -DAPP_ID= -DBINDIR= -DLIBDIR= -DDATADIR=
#              -DMANDIR= -DVERSION= -P installtree.cmake
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "0")
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command}: exit status ${rc}\n${out}${err}")
  endif()
  set(out "${out}${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK}")
set(first "${WORK}/first")
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${first}")

set(files
  "${BINDIR}/rfid"
  "${BINDIR}/rfid-cli"
  "${DATADIR}/bash-completion/completions/rfid-cli"
  "${LIBDIR}/rfid/librfidvirtual.so"
  "${LIBDIR}/rfid/librfidhid.so"
  "${DATADIR}/applications/${APP_ID}.desktop"
  "${DATADIR}/metainfo/${APP_ID}.metainfo.xml"
  "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg"
  "${DATADIR}/icons/hicolor/48x48/apps/${APP_ID}.png"
  "${DATADIR}/icons/hicolor/256x256/apps/${APP_ID}.png"
  "${MANDIR}/man1/rfid.1"
  "${MANDIR}/man1/rfid-cli.1"
  "lib/udev/rules.d/70-rfid-reader.rules")
foreach(f ${files})
  if(NOT EXISTS "${first}/${f}")
    message(FATAL_ERROR "not installed: ${first}/${f}")
  endif()
endforeach()

# desktop-file-validate is silent on a good file; its hints count as faults.
run(desktop-file-validate "${first}/${DATADIR}/applications/${APP_ID}.desktop")
if(NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
run(appstreamcli validate --no-net "${first}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
message(STATUS "appstreamcli: ${out}")

# A moved prefix still finds its libraries; the tool starts from elsewhere.
set(moved "${WORK}/moved")
file(RENAME "${first}" "${moved}")
file(MAKE_DIRECTORY "${WORK}/elsewhere")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND "${moved}/${BINDIR}/rfid" --version WORKING_DIRECTORY "${WORK}/elsewhere"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc STREQUAL "0" OR NOT out STREQUAL "RFID ${VERSION}\n")
  message(FATAL_ERROR "installed rfid --version: exit status ${rc}\n${out}${err}")
endif()

# The command-line tool on the installed virtual reader.
execute_process(COMMAND "${moved}/${BINDIR}/rfid-cli" --reader virtual format read WORKING_DIRECTORY "${WORK}/elsewhere"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc STREQUAL "0" OR NOT out MATCHES "Read data success")
  message(FATAL_ERROR "installed rfid-cli --reader virtual format read: exit status ${rc}\n${out}${err}")
endif()

# The window on the virtual reader runs until it is stopped. A field file
# makes it load the reader library at start; the loader's trace shows which
# file it took.
file(WRITE "${WORK}/elsewhere/field.txt" "# no cards: the built-in field stays\n")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{LD_DEBUG} files)
execute_process(COMMAND "${moved}/${BINDIR}/rfid" --reader virtual --field field.txt
  WORKING_DIRECTORY "${WORK}/elsewhere" TIMEOUT 6 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
unset(ENV{LD_DEBUG})
if(NOT rc MATCHES "timeout")
  message(FATAL_ERROR "installed rfid --reader virtual ended early: ${rc}\n${out}${err}")
endif()
set(library "${moved}/${LIBDIR}/rfid/librfidvirtual.so")
string(FIND "${err}" "calling init: ${library}\n" at)
if(at EQUAL -1)
  message(FATAL_ERROR "installed rfid --reader virtual did not load ${library}:\n${err}")
endif()
message(STATUS "installed rfid --reader virtual loaded ${library}")
file(REMOVE_RECURSE "${WORK}")
