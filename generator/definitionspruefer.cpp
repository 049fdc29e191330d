// definitionspruefer: checks a definition file before the converter's build
// generates anything from it, with zorbel's own reader.
//   definitionspruefer FILE [CODE ...]
// CODE: the quantity codes of the build's menu (none: any code). Every fault
// is named on standard error as "FILE:LINE: entry CLASS ..."; the exit code
// is 0 when there is none, 1 otherwise or on wrong arguments.
#include "definition_pruefen.h"
#include "meldungen.h"

#include <cstdlib>
#include <iostream>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The codes after the file; false if one is no decimal number.
bool codesLesen(int argc, char **argv, std::vector<int> &codes) {
  for (int i = 2; i < argc; ++i) {
    char *ende = nullptr;
    long code = std::strtol(argv[i], &ende, 10);
    if (!*argv[i] || *ende)
      return false;
    codes.push_back(static_cast<int>(code));
  }
  return true;
}

} // namespace

int main(int argc, char **argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::vector<int> codes;
  if (argc < 2 || !codesLesen(argc, argv, codes)) {
    std::cerr << "usage: definitionspruefer FILE [CODE ...]\n";
    return 1;
  }
  ConfigListe liste;
  ZeilenListe zeilen;
  if (!konfigurationLesenUndMelden(argv[1], liste, &zeilen))
    return 1;
  const std::vector<std::string> befunde = definitionPruefen(argv[1], liste, zeilen, codes);
  for (const std::string &befund : befunde)
    std::cerr << befund << '\n';
  std::cout << std::flush;
  std::cerr << std::flush;
  return befunde.empty() ? 0 : 1;
}
