#include "optionen.h"

#include "generatoren.h"

#include <cstring>

const char KLASSEN_DATEI[] = "umrechnungen.h";

const Option OPTIONEN[] = {
    {"--classes", KLASSEN_DATEI, "Erzeuge Klassendefinitionen ...", klassenErstellen},
    {"--functions", "umrechnungen.cpp", "Erstellen der Funktionsdefinitionen ...",
     funktionenErstellen},
    {"--objects", "umrechnung_liste_objekte_erstellen.cpp", "Erstellen der Objektliste ...",
     objektlisteErstellen},
    {"--units", "einheiten.cpp", "Erstellen der Einheitenliste ...", einheitenlisteErstellen},
};

const int OPTIONEN_ANZAHL = sizeof OPTIONEN / sizeof OPTIONEN[0];

const Option *optionSuchen(const char *name) {
  for (const Option &option : OPTIONEN)
    if (std::strcmp(option.name, name) == 0)
      return &option;
  return nullptr;
}
