#include "benutzung.h"

#include "optionen.h"

#include <iomanip>
#include <iostream>

void benutzungAusgeben(const char *programmName) {
  std::cerr << "Benutzung: " << programmName << " option\n"
            << "Optionen:\n";
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i)
    std::cerr << "  " << std::left << std::setw(11) << OPTIONEN[i].name << " : Erstellt die Datei "
              << OPTIONEN[i].dateiName << std::endl;
}
