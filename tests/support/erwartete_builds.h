// What each build of the converter shows the user, as data: the unit lists
// of every "&Größe" command, the lists right after start, and example
// requests with the texts they give. Read by the native tests of each build's
// catalogue and by the window tests under Wine.
#ifndef VELMORA_ERWARTETE_BUILDS_H
#define VELMORA_ERWARTETE_BUILDS_H

#include "erwartete_einheiten.h"

#include <string>
#include <vector>

namespace erwartet {

struct Groessenbefehl {
  int befehl;       // command id of the menu entry
  std::string name; // its text, code page 1252
  Einheiten einheiten;
};

// A request as the user makes it; `ausgabe` null: no conversion fits and
// the error box appears.
struct Beispiel {
  const char *eingabe, *quellPraefix, *quellEinheit, *zielPraefix, *zielEinheit;
  const char *ausgabe;
};

struct Build {
  std::string name; // folder under converter/builds
  // The entries of "&Größe" in menu order, "Alles" first.
  std::vector<Groessenbefehl> groessen;
  // Both unit boxes right after start.
  Einheiten anfangs;
  std::vector<Beispiel> beispiele;
};

const std::vector<Build> &builds();
// The build of this name, or null.
const Build *build(const std::string &name);

} // namespace erwartet

#endif
