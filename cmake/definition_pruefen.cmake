# Checks a definition file of one's own against the build that is to show
# it: every entry's quantity code ("T") must be one of the build's "&Größe"
# commands (the IDM_ ids of its build.h other than "Alles"), else its units
# would show only under "Alles". Builds with fixed unit tables read no code
# and accept any. Reports every such entry with its class and the line of
# its code, and stops the configuration.
#
# Used by the build (include and call definition_pruefen), or alone:
#   cmake -DDEFINITION=<file> -DBUILD_H=<converter/builds/NAME/build.h> -P definition_pruefen.cmake
cmake_policy(VERSION 3.16)

# The quantity codes of the build's menu; empty for fixed unit tables.
function(menue_codes build_h ergebnis)
  file(READ ${build_h} kopf)
  set(codes "")
  if(NOT kopf MATCHES "#define VELMORA_FESTE_EINHEITEN 1")
    string(REGEX MATCHALL "#define IDM_[A-Z_]+ [0-9]+" eintraege "${kopf}")
    foreach(eintrag ${eintraege})
      if(NOT eintrag MATCHES "IDM_ALLES ")
        string(REGEX REPLACE ".* " "" code "${eintrag}")
        list(APPEND codes ${code})
      endif()
    endforeach()
  endif()
  set(${ergebnis} "${codes}" PARENT_SCOPE)
endfunction()

# The value of a number field as zorbel reads it: blanks, a sign, digits.
function(zahl_lesen text ergebnis)
  string(ASCII 9 10 11 12 13 32 leerraum)
  if(text MATCHES "^[${leerraum}]*([-+]?)([0-9]*)")
    set(zahl "${CMAKE_MATCH_2}")
    string(REGEX REPLACE "^0+" "" zahl "${zahl}")
    if(zahl STREQUAL "")
      set(zahl 0)
    endif()
    if(CMAKE_MATCH_1 STREQUAL "-" AND NOT zahl STREQUAL "0")
      set(zahl "-${zahl}")
    endif()
  else()
    set(zahl 0)
  endif()
  set(${ergebnis} "${zahl}" PARENT_SCOPE)
endfunction()

function(definition_pruefen definition build_h)
  menue_codes(${build_h} codes)
  if(NOT codes)
    return()
  endif()
  file(READ ${definition} inhalt)
  # As zorbel reads it: CR bytes dropped, byte 0x1A ends the file. Semicolons
  # and brackets are stood in for, so that every line is one list element.
  string(ASCII 26 dateiende)
  string(FIND "${inhalt}" "${dateiende}" ende)
  if(ende GREATER -1)
    string(SUBSTRING "${inhalt}" 0 ${ende} inhalt)
  endif()
  string(REPLACE "\r" "" inhalt "${inhalt}")
  string(REPLACE ";" "," inhalt "${inhalt}")
  string(REPLACE "[" "(" inhalt "${inhalt}")
  string(REPLACE "]" ")" inhalt "${inhalt}")
  string(REPLACE "\n" ";" zeilen "${inhalt}")

  set(nummer 0)
  set(klasse "")
  set(code 0)
  set(code_zeile 0)
  set(fehler "")
  foreach(zeile IN LISTS zeilen)
    math(EXPR nummer "${nummer} + 1")
    if(zeile MATCHES "^C.(.*)$")
      set(klasse "${CMAKE_MATCH_1}")
    elseif(zeile MATCHES "^T(.*)$")
      string(LENGTH "${zeile}" laenge)
      set(wert "")
      if(laenge GREATER 2)
        string(SUBSTRING "${zeile}" 2 -1 wert)
      endif()
      zahl_lesen("${wert}" code)
      set(code_zeile ${nummer})
    elseif(zeile MATCHES "^E")
      if(NOT code STREQUAL "0" AND NOT code IN_LIST codes)
        string(APPEND fehler
          "\n  ${definition}:${code_zeile}: entry ${klasse} has the quantity code ${code}")
      endif()
      set(klasse "")
      set(code 0)
    endif()
  endforeach()
  if(fehler)
    string(REPLACE ";" " " liste "${codes}")
    message(FATAL_ERROR "The definition file has entries whose quantity is not in the menu "
      "of this build (${liste}); their units would show only under \"Alles\":${fehler}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND DEFINITION)
  definition_pruefen(${DEFINITION} ${BUILD_H})
endif()
