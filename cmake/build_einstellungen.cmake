# The settings of a build that CMake needs, as its build.h gives them to
# the compiler: the build's own preprocessor reads the header, so that every
# spelling C allows (blanks, comments, parentheses, one macro built of
# others) reads the same. For the build NAME it sets in the caller
#   REIHENFOLGE_<NAME>  its place among the builds (VELMORA_REIHENFOLGE)
#   CODES_<NAME>        the quantity codes of its "&Größe" menu: the values
#                       of its IDM_ macros but IDM_ALLES; none where it has
#                       fixed unit tables (VELMORA_FESTE_EINHEITEN)
# and has CMake configure anew when the header changes.
function(build_einstellungen name)
  set(ordner ${PROJECT_SOURCE_DIR}/converter/builds/${name})
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${ordner}/build.h)
  # The names of the menu's commands, from every macro the header defines.
  praeprozessor(${ordner}/build.h makros -dM)
  string(REGEX MATCHALL "#define IDM_[A-Za-z0-9_]+" ids "${makros}")
  list(TRANSFORM ids REPLACE "^#define " "")
  list(REMOVE_ITEM ids IDM_ALLES)
  # Each value expanded, one line each, then computed.
  set(makros VELMORA_REIHENFOLGE VELMORA_FESTE_EINHEITEN ${ids})
  set(abfrage "#include \"build.h\"\n")
  foreach(makro ${makros})
    string(APPEND abfrage "wert (${makro})\n")
  endforeach()
  set(datei ${CMAKE_BINARY_DIR}/einstellungen/${name}.h)
  file(WRITE ${datei} "${abfrage}")
  praeprozessor(${datei} werte -P -I${ordner})
  string(REGEX MATCHALL "wert [^\n]*" werte "${werte}")
  set(codes)
  foreach(makro ${makros})
    list(POP_FRONT werte wert)
    string(REPLACE "wert " "" wert "${wert}")
    math(EXPR zahl "${wert}")
    if(makro STREQUAL VELMORA_REIHENFOLGE)
      set(REIHENFOLGE_${name} ${zahl} PARENT_SCOPE)
    elseif(makro STREQUAL VELMORA_FESTE_EINHEITEN)
      set(feste ${zahl})
    elseif(NOT feste)
      list(APPEND codes ${zahl})
    endif()
  endforeach()
  set(CODES_${name} ${codes} PARENT_SCOPE)
endfunction()

# The preprocessor's output for a header, in `ergebnis`.
function(praeprozessor datei ergebnis)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -E -x c++ ${ARGN} ${datei}
    OUTPUT_VARIABLE ausgabe ERROR_VARIABLE fehler RESULT_VARIABLE code)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} cannot read ${datei}:\n${fehler}")
  endif()
  set(${ergebnis} "${ausgabe}" PARENT_SCOPE)
endfunction()
