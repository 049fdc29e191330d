# Runs zorbel with one option in the current directory, for the build. Its
# progress lines on standard output hold code page 850 bytes, meant for a
# Windows console: they stay out of the build log. Its messages on
# standard error and a failure with its exit code are shown. A run that
# fails may have left a part of its output file (AUSGABE), newer than its
# inputs: it is removed, so that the next build runs zorbel again.
#   cmake -DZORBEL=<zorbel> [-DEMULATOR=wine] -DOPTION=<option> -DAUSGABE=<file>
#     -P zorbel_laufen.cmake
cmake_policy(VERSION 3.16)
execute_process(COMMAND ${EMULATOR} ${ZORBEL} ${OPTION} RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
  file(REMOVE ${AUSGABE})
  message(FATAL_ERROR "zorbel ${OPTION} ended with ${ergebnis}")
endif()
