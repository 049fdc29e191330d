// zorbel: writes one of the converter's generated source files from the
// definition file "umrechnungen.conf" in the current directory. For the
// converter's build, `zorbel --check FILE [CODE ...]` checks a definition
// file before anything is generated from it.
#include "benutzung.h"
#include "definition_pruefen.h"
#include "konfiguration_lesen.h"
#include "optionen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

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

// The codes after "--check FILE"; false if one is no decimal number.
bool codesLesen(int argc, char **argv, std::vector<int> &codes) {
  for (int i = 3; i < argc; ++i) {
    char *ende = nullptr;
    long code = std::strtol(argv[i], &ende, 10);
    if (!*argv[i] || *ende)
      return false;
    codes.push_back(static_cast<int>(code));
  }
  return true;
}

int pruefen(int argc, char **argv, const char *programmName) {
  std::vector<int> codes;
  if (argc < 3 || !codesLesen(argc, argv, codes)) {
    benutzungAusgeben(programmName);
    return 1;
  }
  bool fehlerfrei = definitionPruefen(argv[2], codes);
  std::cout << std::flush;
  return fehlerfrei ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
  konsoleBinaer();
  const char *programmName = argc > 0 && argv[0] ? argv[0] : "zorbel";
  if (argc >= 2 && std::strcmp(argv[1], "--check") == 0)
    return pruefen(argc, argv, programmName);
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
