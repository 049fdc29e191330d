// What each build of the converter shows the user, read from the rows of
// erwartete_builds.txt: its classes in the order of its conversion list,
// the unit lists of every "&Größe" command, the lists right after start,
// and example requests with the texts they give. Read by the native and
// Windows tests of each build's catalogue and by the window tests under
// Wine. A new build is its rows there (and one in
// tests/window/fenster_erwartung.cpp).
#ifndef VELMORA_ERWARTETE_BUILDS_H
#define VELMORA_ERWARTETE_BUILDS_H

#include <map>
#include <string>
#include <vector>

namespace erwartet {

// A row's fields.
typedef std::vector<const char *> Zeile;

// Unit labels in the order the unit boxes show them.
typedef std::vector<std::string> Einheiten;

const char GRAD_C[] = "\xB0"
                      "C";

// One class of the full build's catalogue (row K), with what its berechne
// gives for basis BASIS.
const long double BASIS = 1234.5678L;
struct Erwartung {
  const char *klasse;
  int typ;
  const char *quell, *ziel;
  int potenz;
  long double ergebnis;
  bool nurImVollen; // none of the earlier builds has it
};

// The full build's catalogue in the order of its conversion list; the other
// builds carry classes of it under the same names.
const std::vector<Erwartung> &vollerKatalog();

struct Groessenbefehl { // row G
  int befehl;           // command id of the menu entry
  std::string name;     // its text, code page 1252
  Einheiten einheiten;  // both unit boxes after the command
};

// A request as the user makes it (row A); `ausgabe` null: no conversion
// fits and the error box appears.
struct Beispiel {
  const char *eingabe, *quellPraefix, *quellEinheit, *zielPraefix, *zielEinheit;
  const char *ausgabe;
};

// A request that every build answers, checked with each build's own rows;
// the window tests use it where any request will do.
const Beispiel GRUNDBEISPIEL = {"2", " ", "m", " ", "ft", "6.5617"};

struct Build {
  std::string name; // folder under converter/builds
  // The entries of "&Größe" in menu order, "Alles" first.
  std::vector<Groessenbefehl> groessen;
  Einheiten anfangs; // both unit boxes right after start
  std::vector<Beispiel> beispiele;
  std::vector<Erwartung> eigeneKlassen; // rows E
  const char *bisKlasse;
  std::map<int, int> eigeneCodes;
  std::vector<Zeile> suchen; // rows D and V
};

const std::vector<Build> &builds();
// A build's classes in the order of its conversion list, with its codes.
std::vector<Erwartung> klassen(const Build &b);
// The build of this name, or null.
const Build *build(const std::string &name);
// What to add for a build without expectations.
std::string fehlendeErwartung(const std::string &name);
// Where a build's classes are expected, to name with a failure.
std::string woErwartet(const std::string &name);

} // namespace erwartet

#endif
