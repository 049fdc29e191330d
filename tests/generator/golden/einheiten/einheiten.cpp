// einheiten.cpp

// ACHTUNG!
// Diese Datei wurde durch einen Quelltextgenerator erstellt.
// Alle Änderungen gehen beim nächsten Generatordurchlauf verloren!


// Diese Datei wird von der Datei main-win.cpp eingebunden.
// Sie enthält daher keine Include-Anweisungen und
// ist nicht einzeln kompilierbar!

static const char *unitsQuell[] = {
  {"K"},
  {"a"},
  {"ft"},
  {"in"},
  {"m"},
  {"mile"},
  {"sm"},
  {"yd"},
  {"°C"},
  {"°F"},
  {"Å"}

};

static const char *unitsZiel[] = {
  {"K"},
  {"ft"},
  {"in"},
  {"m"},
  {"mile"},
  {"sm"},
  {"yd"},
  {"z"},
  {"°C"},
  {"°F"},
  {"Å"}

};

