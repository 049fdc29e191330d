#include "erwartete_builds.h"

namespace erwartet {

namespace {

const char *const QM = QUADRATMETER;
const char *const KEIN_ERGEBNIS = nullptr;

const Einheiten STRECKEN = {"ft", "in", "m", "mile", "sm", "yd", ANGSTROEM};
const Einheiten TEMPERATUREN = {"K", GRAD_C, GRAD_F};
const Einheiten MASSEN = {"g", "kg", "lb", "oz", "t", "u"};
const Einheiten FLAECHEN = {"Morgen", "a", "ac", "ha", QUADRATMETER, "sq ft"};
const Einheiten ZEIT = {"d", "h", "min", "s"};
const Einheiten KRAFT = {"N", "dyn", "p"};
const Einheiten DRUCK = {"Pa", "Torr", "at", "atm", "bar", "mWS", "mmHg", "psi"};
const std::string FLAECHEN_NAME = "Fl\xE4"
                                  "chen";

Build voll() {
  return {"full",
          {{50000, "Alles", ALLE_EINHEITEN},
           {50001, "Druck", DRUCK},
           {50002, FLAECHEN_NAME, FLAECHEN},
           {50003, "Kraft", KRAFT},
           {50004, "Massen", MASSEN},
           {50005, "Temperaturen", TEMPERATUREN},
           {50006, "Strecken", STRECKEN},
           {50007, "Zeit", ZEIT}},
          ALLE_EINHEITEN,
          {
              {"1", "k", "m", " ", "mile", "0.6214"},
              {"1", " ", "ft", " ", "in", "12.0000"},
              {"1", "k", QM, " ", "ha", "100.0000"},
              {"1", " ", "ha", "k", QM, "0.0100"},
              {"0", " ", GRAD_C, " ", GRAD_F, "32.0000"},
              {"-40", " ", GRAD_C, " ", GRAD_F, "-4.00e+01"},
              {"0", " ", "K", " ", GRAD_F, "-4.60e+02"},
              {"1", " ", "m", " ", "m", "1.0000"},
              {"1", "G", "m", " ", "ft", "3.28e+09"},
              {"1", "G", "kg", "k", "g", "1.00e+09"},
              {"0.001", " ", "m", " ", "ft", "3.28e-03"},
              {"0.005", " ", "m", " ", "ft", "0.0164"},
              {"1,5", " ", "m", " ", "ft", "3.2808"},
              {"abc", " ", "m", " ", "ft", "0.00e+00"},
              {"", " ", "m", " ", "ft", "0.00e+00"},
              {"1", "\xB5", "m", " ", "m", "1.00e-06"},
              {"1", "k", "ha", "k", "ac", "2.4711"},
              {"1", "k", "ft", "k", "in", "12.0000"},
              {"2", "", "m", "", "ft", "6.5617"},
              {"100", " ", GRAD_C, " ", "K", "373.1500"},
              {"1", " ", "m", " ", "kg", KEIN_ERGEBNIS},
              // Rounds to DBL_MAX, through "m": still in range.
              {"1.7976931348623157e308", " ", ANGSTROEM, " ", ANGSTROEM, "1.80e+308"},
          }};
}

// The full build's catalogue with the quantities numbered in catalogue order.
Build sieben() {
  return {"seven",
          {{50000, "Alles", ALLE_EINHEITEN},
           {50004, FLAECHEN_NAME, FLAECHEN},
           {50003, "Massen", MASSEN},
           {50002, "Temperaturen", TEMPERATUREN},
           {50001, "Strecken", STRECKEN},
           {50005, "Zeit", ZEIT},
           {50006, "Kraft", KRAFT},
           {50007, "Druck", DRUCK}},
          ALLE_EINHEITEN,
          {
              {"1", "k", "m", " ", "mile", "0.6214"},
              {"1", " ", "ft", " ", "in", "12.0000"},
              {"1", "k", QM, " ", "ha", "100.0000"},
              {"0", " ", "K", " ", GRAD_F, "-4.60e+02"},
              {"90", "k", "s", "", "h", "25.0000"},
              {"1", " ", "bar", " ", "psi", "14.5033"},
              {"2", "k", "N", "M", "dyn", "200.0000"},
              {"1", " ", "m", " ", "kg", KEIN_ERGEBNIS},
          }};
}

// Lengths, temperatures and masses; prefixes enter without a power.
Build drei() {
  const Einheiten alle = {"K",  "ft", "g", "in", "kg", "lb",   "m",    "mile",
                          "oz", "sm", "t", "u",  "yd", GRAD_C, GRAD_F, ANGSTROEM};
  return {"three",
          {{50000, "Alles", alle},
           {50002, "Temperaturen", TEMPERATUREN},
           {50001, "Strecken", STRECKEN},
           {50003, "Massen", MASSEN}},
          alle,
          {
              {"1", " ", "ft", " ", "in", "12.0000"},
              {"1", "k", "m", " ", "mile", "0.6214"},
              {"1", "k", "g", " ", "lb", "2.2046"},
              {"1", "k", "ft", "k", "in", "12.0000"},
              {"0", " ", "K", " ", GRAD_F, "-4.60e+02"},
              {"1", "c", "m", " ", ANGSTROEM, "100000000.0000"},
              {"1", " ", "m", " ", "kg", KEIN_ERGEBNIS},
          }};
}

// Lengths and temperatures from fixed tables; direct conversions only.
Build beta() {
  const Einheiten strecken = {ANGSTROEM, "ft", "in", "m", "mile", "sm", "yd"};
  Einheiten alles = strecken;
  alles.insert(alles.end(), TEMPERATUREN.begin(), TEMPERATUREN.end());
  return {"beta14",
          {{40006, "Alles", alles},
           {40007, "Temperaturen", TEMPERATUREN},
           {40008, "Strecken", strecken}},
          {"K", "ft", "in", "m", "mile", "sm", "yd", GRAD_C, GRAD_F, ANGSTROEM},
          {
              {"1", "k", "m", " ", "m", "1000.0000"},
              {"2", " ", "m", " ", "ft", "6.5617"},
              {"100", " ", GRAD_C, " ", "K", "373.1500"},
              {"1", "k", "m", "k", "ft", "3.2808"},
              {"-40", " ", GRAD_C, " ", GRAD_F, "-4.00e+01"},
              {"0.5", "", "m", "", "m", "0.5000"},
              {"1", "M", "m", "m", "m", "1.00e+09"},
              {"1", " ", "ft", " ", "in", KEIN_ERGEBNIS},
              {"0", " ", "K", " ", GRAD_F, KEIN_ERGEBNIS},
              {"1", " ", "ft", " ", "ft", KEIN_ERGEBNIS},
          }};
}

// Prefixes below 1, whose factors a run-time library's power function may
// round wrongly: asked of every build that lists both units.
const Beispiel KLEINE_VORSAETZE[] = {
    {"1", " ", "kg", "\xB5", "g", "1.00e+09"},
    {"1", " ", "Pa", "m", "bar", "0.0100"},
    {"1", " ", "oz", "c", "kg", "2.8350"},
    {"1", " ", "psi", "p", "bar", "6.90e+10"},
};

bool enthaelt(const Einheiten &einheiten, const char *einheit) {
  for (const std::string &e : einheiten)
    if (e == einheit)
      return true;
  return false;
}

Build mitKleinenVorsaetzen(Build b) {
  for (const Beispiel &f : KLEINE_VORSAETZE)
    if (enthaelt(b.anfangs, f.quellEinheit) && enthaelt(b.anfangs, f.zielEinheit))
      b.beispiele.push_back(f);
  return b;
}

} // namespace

const std::vector<Build> &builds() {
  static const std::vector<Build> alle = {mitKleinenVorsaetzen(voll()),
                                          mitKleinenVorsaetzen(sieben()),
                                          mitKleinenVorsaetzen(drei()), beta()};
  return alle;
}

const Build *build(const std::string &name) {
  for (const Build &b : builds())
    if (b.name == name)
      return &b;
  return nullptr;
}

} // namespace erwartet
