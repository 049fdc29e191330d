# Runs zorbel with one option in the current directory, for the build. Its
# progress lines on standard output hold code page 850 bytes, meant for a
# Windows console: they stay out of the build log. Its messages on
# standard error and a failure with its exit code are shown.
#   cmake -DZORBEL=<zorbel> [-DEMULATOR=wine] -DOPTION=<option> -P zorbel_laufen.cmake
cmake_policy(VERSION 3.16)
execute_process(COMMAND ${EMULATOR} ${ZORBEL} ${OPTION} RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
  message(FATAL_ERROR "zorbel ${OPTION} ended with ${ergebnis}")
endif()
