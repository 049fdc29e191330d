#include "ausgabe_datei.h"
#include "generatoren.h"

void objektlisteErstellen(AusgabeDatei &datei, const char *dateiName, const ConfigListe &liste) {
  dateiKopfSchreiben(datei, "// ", dateiName);
  datei << "// Diese Datei wird von der Datei umrechnung_liste.cpp eingebunden.\n"
        << "// Sie enth\xE4lt daher keine Include-Anweisungen und\n"
        << "// ist nicht einzeln kompilierbar!\n\n"
        << "void Umrechnung_Liste::objekteErstellen()\n{\n"
        << "  Umrechnung *temp = 0;\n"
        << "  liste.clear();\n\n";
  for (const ConfigEintrag &e : liste) {
    datei.teilVon(&e);
    datei << "  liste.push_back(temp = new " << e.klassenName << "(" << e.typNummer << "));\n";
  }
  datei.teilVon(nullptr);
  datei << "\n}\n\n";
}
