#include "optionen.h"

#include "generatoren.h"

#include <cstring>

const char KLASSEN_DATEI[] = "umrechnungen.h";

const Option OPTIONEN[] = {
    {"--classes", KLASSEN_DATEI, klassenErstellen},
    {"--functions", "umrechnungen.cpp", funktionenErstellen},
    {"--objects", "umrechnung_liste_objekte_erstellen.cpp", objektlisteErstellen},
    {"--units", "einheiten.cpp", einheitenlisteErstellen},
};

const int OPTIONEN_ANZAHL = sizeof OPTIONEN / sizeof OPTIONEN[0];

const Option *optionSuchen(const char *name) {
  for (const Option &option : OPTIONEN)
    if (std::strcmp(option.name, name) == 0)
      return &option;
  return nullptr;
}
