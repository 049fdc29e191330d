# Writes SHA256SUMS into the folder VERZEICHNIS: one line per file of
# DATEIEN there, "<sum>  <name>", as sha256sum -c reads it.
#   cmake -DVERZEICHNIS=<folder> "-DDATEIEN=<file;...>" -P pruefsummen.cmake
set(zeilen "")
foreach(datei ${DATEIEN})
  file(SHA256 ${VERZEICHNIS}/${datei} summe)
  string(APPEND zeilen "${summe}  ${datei}\n")
endforeach()
file(WRITE ${VERZEICHNIS}/SHA256SUMS "${zeilen}")
