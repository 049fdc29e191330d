#include "ausgabe_datei.h"
#include "generatoren.h"

void dateiKopfSchreiben(AusgabeDatei &datei, const char *kommentar, const char *dateiName) {
  datei << kommentar << dateiName << "\n\n"
        << "// ACHTUNG!\n"
           "// Diese Datei wurde durch einen Quelltextgenerator erstellt.\n"
           "// Alle \xC4nderungen gehen beim n\xE4"
           "chsten Generatordurchlauf verloren!\n"
        << "\n\n";
}
