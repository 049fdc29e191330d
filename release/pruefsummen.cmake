# Writes SHA256SUMS into the package folder STUFE: one line per file of
# DATEIEN, "<sum>  <path>", as sha256sum -c reads it.
set(zeilen "")
foreach(datei ${DATEIEN})
  file(SHA256 ${STUFE}/${datei} summe)
  string(APPEND zeilen "${summe}  ${datei}\n")
endforeach()
file(WRITE ${STUFE}/SHA256SUMS "${zeilen}")
