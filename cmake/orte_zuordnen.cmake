# The compiler launcher of the sources that include the generated files:
# runs the compiler and shows its messages with each place in one of the
# four generated files at the definition file's line that the check's map
# gives for it (a field's line, a column within the field's text moved with
# it; or the entry's first line); places elsewhere, and lines of no entry,
# stay as they are. The compiler's failure fails the launcher.
#   cmake -DKARTE=<generiert>/zeilen.cmake -P orte_zuordnen.cmake -- COMPILER [ARG ...]
cmake_policy(VERSION 3.16)

set(befehl)
set(nach_strichen OFF)
foreach(i RANGE 1 ${CMAKE_ARGC})
  if(nach_strichen AND i LESS CMAKE_ARGC)
    list(APPEND befehl "${CMAKE_ARGV${i}}")
  elseif("${CMAKE_ARGV${i}}" STREQUAL "--")
    set(nach_strichen ON)
  endif()
endforeach()
execute_process(COMMAND ${befehl} RESULT_VARIABLE ergebnis
  OUTPUT_VARIABLE meldungen ERROR_VARIABLE meldungen)

if(NOT meldungen STREQUAL "" AND EXISTS "${KARTE}")
  include("${KARTE}")
  set(ort "([^ \t\r\n]*[/\\]generiert[/\\]([a-z_]+\\.(h|cpp))):([0-9]+)(:([0-9]+))?")
  set(rest "${meldungen}")
  set(meldungen "")
  while(rest MATCHES "${ort}")
    set(gefunden "${CMAKE_MATCH_0}")
    set(eintrag "zeile_${CMAKE_MATCH_2}_${CMAKE_MATCH_4}")
    set(spalte "${CMAKE_MATCH_6}")
    string(FIND "${rest}" "${gefunden}" stelle)
    string(SUBSTRING "${rest}" 0 ${stelle} davor)
    string(LENGTH "${davor}${gefunden}" weiter)
    string(SUBSTRING "${rest}" ${weiter} -1 rest)
    if(DEFINED ${eintrag})
      list(GET ${eintrag} 0 zeile)
      set(gefunden "${definition}:${zeile}")
      list(LENGTH ${eintrag} teile)
      if(teile EQUAL 3 AND NOT spalte STREQUAL "")
        list(GET ${eintrag} 1 erste)
        list(GET ${eintrag} 2 letzte)
        if(spalte GREATER_EQUAL erste AND spalte LESS_EQUAL letzte)
          math(EXPR spalte "${spalte} - ${erste} + 3") # "K text"
          string(APPEND gefunden ":${spalte}")
        endif()
      endif()
    endif()
    string(APPEND meldungen "${davor}${gefunden}")
  endwhile()
  string(APPEND meldungen "${rest}")
endif()
string(REGEX REPLACE "\n$" "" meldungen "${meldungen}")
if(NOT meldungen STREQUAL "")
  message(NOTICE "${meldungen}")
endif()
if(NOT ergebnis EQUAL 0)
  list(GET befehl 0 compiler)
  message(FATAL_ERROR "${compiler} ended with ${ergebnis}")
endif()
