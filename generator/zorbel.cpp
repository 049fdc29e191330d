// zorbel: writes one of the converter's generated source files from the
// definition file "umrechnungen.conf" in the current directory.
#include "benutzung.h"
#include "konfiguration_lesen.h"
#include "optionen.h"

#include <iostream>

namespace {
const char DEFINITIONSDATEI[] = "umrechnungen.conf";
}

int main(int argc, char **argv) {
  const char *programmName = argc > 0 && argv[0] ? argv[0] : "zorbel";
  const Option *option = argc == 2 ? optionSuchen(argv[1]) : nullptr;
  if (!option) {
    benutzungAusgeben(programmName);
    return 1;
  }
  ConfigListe liste;
  if (!konfigurationLesen(DEFINITIONSDATEI, liste))
    return 1;
  bool geschrieben = option->erstellen(option->dateiName, liste);
  std::cout << std::flush;
  return geschrieben ? 0 : 1;
}
