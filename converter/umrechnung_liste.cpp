#include "umrechnung_liste.h"

#include "ergebnis_text.h"
#include "umrechnungen.h"

#include <cstring>

#include "umrechnung_liste_objekte_erstellen.cpp"

namespace {

bool gleich(const char *a, const char *b) {
  return std::strcmp(a, b) == 0;
}

#if VELMORA_KETTEN
bool kleiner(const char *a, const char *b) {
  return std::strcmp(a, b) < 0;
}

void sortierenUndBereinigen(std::list<const char *> &liste) {
  liste.sort(kleiner);
  liste.unique(gleich);
}
#endif

// Runs one conversion on the texts of a request; returns the value in the
// target unit with the target prefix applied.
long double schrittBerechnen(Umrechnung *umrechnung, const char *quellPraefix,
                             const char *quellEinheit, const char *zielPraefix,
                             const char *zielEinheit) {
  umrechnung->setzeQuellPraefix(quellPraefix);
  umrechnung->setzeQuellEinheit(quellEinheit);
  umrechnung->setzeZielPraefix(zielPraefix);
  umrechnung->setzeZielEinheit(zielEinheit);
  umrechnung->berechne();
  return umrechnung->ergebnis / umrechnung->gibFaktor(umrechnung->zielPraefix);
}

} // namespace

Umrechnung_Liste::Umrechnung_Liste() {
  objekteErstellen();
}

Umrechnung_Liste::~Umrechnung_Liste() {
  for (Umrechnung *&umrechnung : liste) {
    delete umrechnung;
    umrechnung = nullptr;
  }
  liste.clear();
}

Umrechnung *Umrechnung_Liste::sucheUmrechnung(const char *quell, const char *ziel) {
  if (!quell || !ziel)
    return nullptr;
  for (Umrechnung *umrechnung : liste)
    if (gleich(quell, umrechnung->gibQuellBez()) && gleich(ziel, umrechnung->gibZielBez()))
      return umrechnung;
  return nullptr;
}

#if VELMORA_KETTEN
bool Umrechnung_Liste::sucheKette(const char *quell, const char *ziel, Umrechnung *&erste,
                                  Umrechnung *&zweite) {
  erste = nullptr;
  zweite = nullptr;
  for (Umrechnung *umrechnung : liste) {
    if (!gleich(quell, umrechnung->gibQuellBez()))
      continue;
    zweite = sucheUmrechnung(umrechnung->gibZielBez(), ziel);
    if (zweite) {
      erste = umrechnung;
      break;
    }
  }
  return erste && zweite;
}

void Umrechnung_Liste::einheitenListen(int typ, std::list<const char *> &quellListe,
                                       std::list<const char *> &zielListe) {
  for (Umrechnung *umrechnung : liste) {
    if (typ != 0 && umrechnung->typ != typ)
      continue;
    quellListe.push_back(umrechnung->gibQuellBez());
    zielListe.push_back(umrechnung->gibZielBez());
  }
  sortierenUndBereinigen(quellListe);
  sortierenUndBereinigen(zielListe);
}
#endif

bool Umrechnung_Liste::umrechnen(const char *eingabe, const char *quellPraefix,
                                 const char *quellEinheit, const char **ausgabe,
                                 const char *zielPraefix, const char *zielEinheit) {
  if (!eingabe || !quellPraefix || !quellEinheit || !zielPraefix || !zielEinheit)
    return false;
  *ausgabe = ergebnisPuffer();
  long double wert;
  if (Umrechnung *direkt = sucheUmrechnung(quellEinheit, zielEinheit)) {
    direkt->setzeWert(eingabe);
    wert = schrittBerechnen(direkt, quellPraefix, quellEinheit, zielPraefix, zielEinheit);
  } else {
#if VELMORA_KETTEN
    Umrechnung *erste, *zweite;
    if (!sucheKette(quellEinheit, zielEinheit, erste, zweite))
      return false;
    // The intermediate unit never carries a prefix.
    erste->setzeWert(eingabe);
    double zwischenwert =
        inDouble(schrittBerechnen(erste, quellPraefix, quellEinheit, "", erste->gibZielBez()));
    zweite->wert = zwischenwert;
    wert = schrittBerechnen(zweite, "", zweite->gibQuellBez(), zielPraefix, zielEinheit);
#else
    return false; // direct conversions only
#endif
  }
  ergebnisFormatieren(inDouble(wert));
  return true;
}
