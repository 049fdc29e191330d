// definitionspruefer: checks a definition file before the converter's build
// generates anything from it, with zorbel's own reader, and writes the
// annotated copies of the generated files that the build compiles first.
//   definitionspruefer [--kopien GENERIERT] FILE [CODE ...]
// CODE: the quantity codes of the build's menu (none: any code). Every fault
// is named on standard error as "FILE:LINE: entry CLASS ..."; the exit code
// is 0 when there is none, 1 otherwise or on wrong arguments. With
// --kopien, a file without faults gives the four files as zorbel writes
// them into the current directory, annotated with #line (herkunft.h);
// GENERIERT is the folder of zorbel's own files.
#include "definition_pruefen.h"
#include "herkunft.h"
#include "meldungen.h"
#include "optionen.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

struct Aufruf {
  const char *generiert = nullptr;
  const char *datei = nullptr;
  std::vector<int> codes;
};

// False on wrong arguments: no file, or a code that is no decimal number.
bool aufrufLesen(int argc, char **argv, Aufruf &aufruf) {
  int i = 1;
  if (i + 1 < argc && std::strcmp(argv[i], "--kopien") == 0) {
    aufruf.generiert = argv[i + 1];
    i += 2;
  }
  if (i >= argc)
    return false;
  aufruf.datei = argv[i++];
  for (; i < argc; ++i) {
    char *ende = nullptr;
    long code = std::strtol(argv[i], &ende, 10);
    if (!*argv[i] || *ende)
      return false;
    aufruf.codes.push_back(static_cast<int>(code));
  }
  return true;
}

bool kopienSchreiben(const Aufruf &aufruf, const ConfigListe &liste,
                     const Fundstellen &fundstellen) {
  const Herkunft herkunft(aufruf.datei, aufruf.generiert, liste, fundstellen);
  bool geschrieben = true;
  for (int i = 0; i < OPTIONEN_ANZAHL; ++i)
    geschrieben = schreibenUndMelden(OPTIONEN[i], liste, &herkunft) && geschrieben;
  return geschrieben;
}

} // namespace

int main(int argc, char **argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  Aufruf aufruf;
  if (!aufrufLesen(argc, argv, aufruf)) {
    std::cerr << "usage: definitionspruefer [--kopien GENERIERT] FILE [CODE ...]\n";
    return 1;
  }
  ConfigListe liste;
  Fundstellen fundstellen;
  if (!konfigurationLesenUndMelden(aufruf.datei, liste, &fundstellen))
    return 1;
  const std::vector<std::string> befunde =
      definitionPruefen(aufruf.datei, liste, fundstellen, aufruf.codes);
  for (const std::string &befund : befunde)
    std::cerr << befund << '\n';
  bool gut = befunde.empty() && (!aufruf.generiert || kopienSchreiben(aufruf, liste, fundstellen));
  std::cout << std::flush;
  std::cerr << std::flush;
  return gut ? 0 : 1;
}
