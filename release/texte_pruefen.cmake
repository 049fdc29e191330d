# Checks what no generator can write into the README and the release's
# read-me files: that each has its line for every build. Each line missing
# is named with its file and the place where it belongs, and fails the
# release.
#   cmake -DQUELLE=<source tree> "-DBUILDS=<build;...>" -P texte_pruefen.cmake
cmake_policy(VERSION 3.16)

set(fehler "")
function(zeile_pruefen text ort muster beispiel)
  file(STRINGS ${QUELLE}/${text} zeilen REGEX "${muster}")
  if(NOT zeilen)
    set(fehler "${fehler}${text}: ${ort} has no line for the build ${build}: add one such as \"${beispiel}\"\n"
      PARENT_SCOPE)
  endif()
endfunction()

foreach(build ${BUILDS})
  zeile_pruefen(README.md "the table under \"## The builds\"" "^\\| [^|]+ \\| `${build}` \\|"
    "| NAME | `${build}` | ... |")
  zeile_pruefen(release/LIESMICH.txt "the list under \"Die Ausbauten\"" "^  ${build}\\\\Velmora\\.exe "
    "  ${build}\\Velmora.exe   ...")
  zeile_pruefen(release/README.txt "the list under \"The builds\"" "^  ${build}\\\\Velmora\\.exe "
    "  ${build}\\Velmora.exe   ...")
endforeach()
if(fehler)
  message(FATAL_ERROR "The texts do not name every build:\n${fehler}")
endif()
