// definitionspruefer: checks a definition file before the converter's build
// generates anything from it, with zorbel's own reader, and makes what the
// build compiles from the checked bytes.
//   definitionspruefer [--kopie COPY | --ansicht DIR NAME] FILE [CODE ...]
// CODE: the quantity codes of the build's menu (none: any code). Every fault
// is named on standard error as "FILE:LINE: entry CLASS ..."; the exit code
// is 0 when there is none, 1 otherwise or on wrong arguments. A file
// without faults gives, with --kopie, the very bytes checked in COPY, from
// which zorbel generates; with --ansicht, the view of the four files that
// zorbel wrote beside FILE in DIR, at the lines of the definition file NAME
// (zeilen_ansicht.h).
#include "definition_pruefen.h"
#include "meldungen.h"
#include "zeilen_ansicht.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

namespace {

struct Aufruf {
  const char *kopie = nullptr;
  const char *ansicht = nullptr, *name = nullptr;
  const char *datei = nullptr;
  std::vector<int> codes;
};

// False on wrong arguments: no file, or a code that is no decimal number.
bool aufrufLesen(int argc, char **argv, Aufruf &aufruf) {
  int i = 1;
  if (i + 1 < argc && std::strcmp(argv[i], "--kopie") == 0) {
    aufruf.kopie = argv[i + 1];
    i += 2;
  } else if (i + 2 < argc && std::strcmp(argv[i], "--ansicht") == 0) {
    aufruf.ansicht = argv[i + 1];
    aufruf.name = argv[i + 2];
    i += 3;
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

bool kopieren(const char *kopie, const std::string &inhalt) {
  if (bytesSchreiben(kopie, inhalt))
    return true;
  std::cerr << "definitionspruefer: " << kopie << " could not be written\n";
  return false;
}

bool ansichtMachen(const Aufruf &aufruf, const ConfigListe &liste, const Fundstellen &fundstellen) {
  std::string generiert = aufruf.datei, fehler;
  const std::size_t schnitt = generiert.find_last_of("/\\");
  generiert = schnitt == std::string::npos ? "." : generiert.substr(0, schnitt);
  if (ansichtSchreiben(generiert, aufruf.ansicht, aufruf.name, liste, fundstellen, fehler))
    return true;
  std::cerr << "definitionspruefer: " << fehler << '\n';
  return false;
}

} // namespace

int main(int argc, char **argv) {
  konsoleBinaer();
  Aufruf aufruf;
  if (!aufrufLesen(argc, argv, aufruf)) {
    std::cerr << "usage: definitionspruefer [--kopie COPY | --ansicht DIR NAME] FILE [CODE ...]\n";
    return 1;
  }
  ConfigListe liste;
  Fundstellen fundstellen;
  std::string inhalt;
  if (!konfigurationLesenUndMelden(aufruf.datei, liste, &fundstellen, &inhalt))
    return 1;
  const std::vector<std::string> befunde =
      definitionPruefen(aufruf.datei, liste, fundstellen, aufruf.codes);
  for (const std::string &befund : befunde)
    std::cerr << befund << '\n';
  bool gut = befunde.empty() && (!aufruf.kopie || kopieren(aufruf.kopie, inhalt)) &&
             (!aufruf.ansicht || ansichtMachen(aufruf, liste, fundstellen));
  std::cout << std::flush;
  std::cerr << std::flush;
  return gut ? 0 : 1;
}
