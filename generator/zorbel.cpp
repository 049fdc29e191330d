// zorbel: writes one of the converter's generated source files from the
// definition file "umrechnungen.conf" in the current directory.
#include "meldungen.h"
#include "optionen.h"

#include <iostream>

namespace {

const char DEFINITIONSDATEI[] = "umrechnungen.conf";

} // namespace

int main(int argc, char **argv) {
  konsoleBinaer();
  const char *programmName = argc > 0 && argv[0] ? argv[0] : "zorbel";
  const Option *option = argc == 2 ? optionSuchen(argv[1]) : nullptr;
  if (!option) {
    benutzungAusgeben(programmName);
    return 1;
  }
  ConfigListe liste;
  if (!konfigurationLesenUndMelden(DEFINITIONSDATEI, liste))
    return 1;
  bool geschrieben = schreibenUndMelden(*option, liste);
  std::cout << std::flush;
  return geschrieben ? 0 : 1;
}
