// What each build of the converter shows the user, as data: its classes in
// the order of its conversion list, the unit lists of every "&Größe"
// command, the lists right after start, and example requests with the
// texts they give. Read by the native and Windows tests of each build's
// catalogue and by the window tests under Wine. A new build is one row
// here (and one in tests/window/fenster_erwartung.cpp).
#ifndef VELMORA_ERWARTETE_BUILDS_H
#define VELMORA_ERWARTETE_BUILDS_H

#include <map>
#include <string>
#include <vector>

namespace erwartet {

// Unit labels, sorted as the unit boxes show them: by unsigned bytes, so
// "K" < "a" and the code page 1252 labels come last.
typedef std::vector<std::string> Einheiten;

const char GRAD_C[] = "\xB0"
                      "C";
const char GRAD_F[] = "\xB0"
                      "F";
const char QUADRATMETER[] = "m\xB2";
const char ANGSTROEM[] = "\xC5";

// One class of the full build's catalogue, as zorbel generates it from the
// definition file, with what its berechne gives for basis BASIS (as the
// table of the catalogue gives it, computed in long double). A conversion
// added to the full build is a row here, at its place in the definition
// file, ending in `true` (`nurImVollen`) where the earlier builds, whose
// files are fixed, do not have it.
const long double BASIS = 1234.5678L;
struct Erwartung {
  const char *klasse;
  int typ;
  const char *quell, *ziel;
  int potenz;
  long double ergebnis;
  // Added to the full build after the earlier builds took their classes:
  // none of them has it.
  bool nurImVollen = false;
};

// The full build's catalogue in the order of its conversion list; the other
// builds carry classes of it under the same names.
const std::vector<Erwartung> &vollerKatalog();

struct Groessenbefehl {
  int befehl;       // command id of the menu entry
  std::string name; // its text, code page 1252
  // Both unit boxes after the command; left empty in a row, the labels of
  // the build's classes of the quantity.
  Einheiten einheiten = {};
};

// A request as the user makes it; `ausgabe` null: no conversion fits and
// the error box appears.
struct Beispiel {
  const char *eingabe, *quellPraefix, *quellEinheit, *zielPraefix, *zielEinheit;
  const char *ausgabe;
};

// A request that every build answers, checked with each build's own rows;
// the window tests use it where any request will do.
const Beispiel GRUNDBEISPIEL = {"2", " ", "m", " ", "ft", "6.5617"};

struct Klasse {
  std::string name;
  int typ;
  std::string quell; // its source label
};

struct Build {
  std::string name; // folder under converter/builds
  // The entries of "&Größe" in menu order, "Alles" first.
  std::vector<Groessenbefehl> groessen;
  // Both unit boxes right after start; left empty in a row, those of "Alles".
  Einheiten anfangs;
  std::vector<Beispiel> beispiele;
  // Its conversion list: `eigeneKlassen` first, then the full build's
  // catalogue in its order: up to the class `bisKlasse` without those only
  // the full build has (an earlier build), or all of it (""); without the
  // quantities `ohneGroessen` (the full build's codes).
  std::vector<Klasse> eigeneKlassen;
  const char *bisKlasse;
  // The full build's code of a quantity to this build's; left empty, each
  // quantity keeps its name in the menu and takes that entry's command.
  std::map<int, int> eigeneCodes;
  std::vector<int> ohneGroessen = {};
};

const std::vector<Build> &builds();
// A variant of a build in another folder: less the quantities `codes` (the
// full build's), with the same requests.
Build ohne(Build b, const std::string &name, const std::vector<int> &codes);
// A build's classes in the order of its conversion list.
std::vector<Klasse> klassen(const Build &b);
// The build of this name, or null.
const Build *build(const std::string &name);
// What to add for a build without expectations.
std::string fehlendeErwartung(const std::string &name);
// Where a build's classes are expected, to name with a failure.
std::string woErwartet(const std::string &name);

} // namespace erwartet

#endif
