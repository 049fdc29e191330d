# Writes SHA256SUMS into the package folder STUFE: one line per file of
# DATEIEN, "<sum>  <path>", as sha256sum -c reads it, and one for the source
# archive QUELLE (if any), which lies beside the package.
set(zeilen "")
if(QUELLE)
  file(SHA256 ${QUELLE} summe)
  get_filename_component(name ${QUELLE} NAME)
  string(APPEND zeilen "${summe}  ${name}\n")
endif()
foreach(datei ${DATEIEN})
  file(SHA256 ${STUFE}/${datei} summe)
  string(APPEND zeilen "${summe}  ${datei}\n")
endforeach()
file(WRITE ${STUFE}/SHA256SUMS "${zeilen}")
