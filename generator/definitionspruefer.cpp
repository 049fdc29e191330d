// definitionspruefer: checks a definition file before the converter's build
// generates anything from it, with zorbel's own reader, and writes the map
// by which the build shows the compiler's messages at the file's lines.
//   definitionspruefer [--karte MAP] FILE [CODE ...]
// CODE: the quantity codes of the build's menu (none: any code). Every fault
// is named on standard error as "FILE:LINE: entry CLASS ..."; the exit code
// is 0 when there is none, 1 otherwise or on wrong arguments. With --karte,
// a file without faults gives the map (zeilen_karte.h) in the file MAP.
#include "definition_pruefen.h"
#include "meldungen.h"
#include "zeilen_karte.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

namespace {

struct Aufruf {
  const char *karte = nullptr;
  const char *datei = nullptr;
  std::vector<int> codes;
};

// False on wrong arguments: no file, or a code that is no decimal number.
bool aufrufLesen(int argc, char **argv, Aufruf &aufruf) {
  int i = 1;
  if (i + 1 < argc && std::strcmp(argv[i], "--karte") == 0) {
    aufruf.karte = argv[i + 1];
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

bool karteSchreiben(const Aufruf &aufruf, const ConfigListe &liste,
                    const Fundstellen &fundstellen) {
  AusgabeDatei karte;
  zeilenKarteSchreiben(karte, aufruf.datei, liste, fundstellen);
  if (karte.schreiben(aufruf.karte) == Abschluss::GESCHRIEBEN)
    return true;
  std::cerr << "definitionspruefer: " << aufruf.karte << " could not be written\n";
  return false;
}

} // namespace

int main(int argc, char **argv) {
  konsoleBinaer();
  Aufruf aufruf;
  if (!aufrufLesen(argc, argv, aufruf)) {
    std::cerr << "usage: definitionspruefer [--karte MAP] FILE [CODE ...]\n";
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
  bool gut = befunde.empty() && (!aufruf.karte || karteSchreiben(aufruf, liste, fundstellen));
  std::cout << std::flush;
  std::cerr << std::flush;
  return gut ? 0 : 1;
}
