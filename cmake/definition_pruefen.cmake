# Checks a definition file before anything is generated from it, with
# definitionspruefer (zorbel's own reader), for what no compiler sees: an
# entry the reader drops, a label that would not compile to its own text,
# a field's text that would reach into the generated lines around it, and a
# quantity code ("T") that is none of the build's "&Größe" commands (the
# IDM_ ids of its build.h other than "Alles"), whose units would show only
# under "Alles". Builds with fixed unit tables read no code and accept any.
# The check names the file, the line and the entry of each fault and then
# stops the build. With KARTE it also writes there the map by which the
# build shows the compiler's messages at the definition file's lines
# (orte_zuordnen.cmake).
#
# Run by the build before zorbel generates, or alone:
#   cmake -DPRUEFER=<definitionspruefer> [-DEMULATOR=wine] -DDEFINITION=<file>
#     -DBUILD_H=<converter/builds/NAME/build.h> [-DKARTE=<map>] -P definition_pruefen.cmake
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

if(CMAKE_SCRIPT_MODE_FILE AND DEFINITION)
  menue_codes(${BUILD_H} codes)
  set(karte)
  if(KARTE)
    set(karte --karte ${KARTE})
  endif()
  # EMULATOR: what runs a PRUEFER built for another system.
  execute_process(COMMAND ${EMULATOR} ${PRUEFER} ${karte} ${DEFINITION} ${codes}
    RESULT_VARIABLE ergebnis OUTPUT_QUIET)
  if(NOT ergebnis EQUAL 0)
    message(FATAL_ERROR "${DEFINITION} cannot be built (see above)")
  endif()
endif()
