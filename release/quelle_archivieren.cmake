# The source archive of the tree that the programs were built from: its
# tracked files as they stand, changes not yet committed included. git
# stash create makes a commit of them without touching the tree (none
# where nothing changed: then HEAD is archived), with HEAD's dates, so that
# one tree gives the same bytes.
#   cmake -DQUELLE=<source tree> -DARCHIV=<file.tar.gz> -DPRAEFIX=<folder/> -P quelle_archivieren.cmake
cmake_policy(VERSION 3.16)
function(git ergebnis)
  execute_process(COMMAND git -C ${QUELLE} ${ARGN} OUTPUT_VARIABLE ausgabe
    RESULT_VARIABLE code OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "git ${ARGN} in ${QUELLE} ended with ${code}")
  endif()
  set(${ergebnis} "${ausgabe}" PARENT_SCOPE)
endfunction()

git(datum log -1 --format=%cI HEAD)
foreach(wer AUTHOR COMMITTER)
  set(ENV{GIT_${wer}_DATE} ${datum})
  set(ENV{GIT_${wer}_NAME} Velmora)
  set(ENV{GIT_${wer}_EMAIL} velmora@localhost)
endforeach()
git(stand stash create)
if(stand STREQUAL "")
  set(stand HEAD)
endif()
git(_ archive --format=tar.gz --prefix=${PRAEFIX} -o ${ARCHIV} ${stand})
