// The conversion list: owns one object of every conversion class in
// catalogue order, finds conversions by unit labels and runs a request.
#ifndef VELMORA_UMRECHNUNG_LISTE_H
#define VELMORA_UMRECHNUNG_LISTE_H

#include "umrechnung.h"

#include <list>
#include <memory>

class Umrechnung_Liste {
public:
  Umrechnung_Liste();
  ~Umrechnung_Liste();
  Umrechnung_Liste(const Umrechnung_Liste &) = delete;
  Umrechnung_Liste &operator=(const Umrechnung_Liste &) = delete;

  // Creates one object of each conversion class (generated body).
  void objekteErstellen();

  // The first conversion from `quell` to `ziel`, or null.
  Umrechnung *sucheUmrechnung(const char *quell, const char *ziel);

#if VELMORA_KETTEN
  // A chain of two conversions through one intermediate unit.
  bool sucheKette(const char *quell, const char *ziel, Umrechnung *&erste, Umrechnung *&zweite);

  // The labels of every conversion of quantity `typ` (0: all), each list
  // sorted by unsigned bytes and without duplicates.
  void einheitenListen(int typ, std::list<const char *> &quellListe,
                       std::list<const char *> &zielListe);
#endif

  // Converts the input text, directly or (where the build has chains) through
  // one intermediate unit; on success `*ausgabe` points to the formatted
  // result. False when a text is missing or no conversion fits.
  bool umrechnen(const char *eingabe, const char *quellPraefix, const char *quellEinheit,
                 const char **ausgabe, const char *zielPraefix, const char *zielEinheit);

  std::list<Umrechnung *, std::allocator<Umrechnung *>> liste;
};

#endif
