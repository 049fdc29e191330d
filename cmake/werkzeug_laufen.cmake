# Runs one of the build's own programs (zorbel, the definition check) for
# the build. Their progress lines on standard output hold code page 850
# bytes, meant for a Windows console: they stay out of the build log. Their
# messages on standard error, and a failure with its exit code, are shown.
# A run that fails may have left a part of its output file AUSGABE, newer
# than its inputs: it is removed, so that the next build runs it again.
#   cmake "-DBEFEHL=[EMULATOR;]PROGRAM;ARGUMENT..." -DNAME=<what it is>
#     -DAUSGABE=<file> -P werkzeug_laufen.cmake
cmake_policy(VERSION 3.16)
execute_process(COMMAND ${BEFEHL} RESULT_VARIABLE ergebnis OUTPUT_QUIET)
if(NOT ergebnis EQUAL 0)
  file(REMOVE ${AUSGABE})
  message(FATAL_ERROR "${NAME} ended with ${ergebnis}")
endif()
