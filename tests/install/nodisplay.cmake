# rfid --help and --version in a terminal with no display: exit status 0 and
# the expected text. Usage: cmake -DRFID=path -DVERSION=x.y.z -P nodisplay.cmake
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})

function(expect_output option pattern)
  execute_process(COMMAND "${RFID}" ${option} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc STREQUAL "0" OR NOT out MATCHES "${pattern}")
    message(FATAL_ERROR "rfid ${option}: exit status ${rc}, expected 0 and \"${pattern}\"\nstdout: ${out}\nstderr: ${err}")
  endif()
  message(STATUS "rfid ${option}: ${out}")
endfunction()

expect_output(--version "^RFID ${VERSION}\n$")
expect_output(--help "--reader <virtual\\|hid\\|PATH>.*--save-field <DIR>")
expect_output(--help-all "--reader <virtual\\|hid\\|PATH>.*--platform <platformName")
