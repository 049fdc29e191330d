// zorbel: writes one of the converter's generated source files from the
// definition file "umrechnungen.conf" in the current directory.
#include "benutzung.h"
#include "meldungen.h"
#include "optionen.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const char DEFINITIONSDATEI[] = "umrechnungen.conf";

// On Windows the console streams would turn "\n" into CR LF: zorbel's
// messages are the same bytes on every platform.
void konsoleBinaer() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

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
