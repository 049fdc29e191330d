#include "erwartete_builds.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>

namespace erwartet {

// As in the definition files, with constant arguments: the compiler folds
// them into the correctly rounded powers, on every platform.
#define P10(n) std::pow(10.0, n)
#define F(ausdruck) [](long double basis) -> long double { return ausdruck; }

// Literals are doubles, arithmetic on basis is long double, powers of ten
// come from pow in double and are multiplied in last.
const std::vector<Erwartung> &vollerKatalog() {
  static const std::vector<Erwartung> katalog = {
      {"FeetToMeter", 50006, "ft", "m", 1, F(basis * 0.3048)},
      {"MeterToFeet", 50006, "m", "ft", 1, F(basis / 0.3048)},
      {"AngstroemToMeter", 50006, "\xC5", "m", 1, F(P10(-10) * basis)},
      {"MeterToAngstroem", 50006, "m", "\xC5", 1, F(P10(10) * basis)},
      {"InchToMeter", 50006, "in", "m", 1, F(basis * 0.0254)},
      {"MeterToInch", 50006, "m", "in", 1, F(basis / 0.0254)},
      {"YardToMeter", 50006, "yd", "m", 1, F(basis * 0.9144)},
      {"MeterToYard", 50006, "m", "yd", 1, F(basis / 0.9144)},
      {"MileToMeter", 50006, "mile", "m", 1, F(basis * 1609.344)},
      {"MeterToMile", 50006, "m", "mile", 1, F(basis / 1609.344)},
      {"SeemeileToMeter", 50006, "sm", "m", 1, F(basis * 1852)},
      {"MeterToSeemeile", 50006, "m", "sm", 1, F(basis / 1852)},
      {"KelvinToCelsius", 50005, "K",
       "\xB0"
       "C",
       1, F(basis - 273.15)},
      {"CelsiusToKelvin", 50005,
       "\xB0"
       "C",
       "K", 1, F(basis + 273.15)},
      {"FahrenheitToCelsius", 50005,
       "\xB0"
       "F",
       "\xB0"
       "C",
       1, F((basis - 32) * 0.5555555555555556)},
      {"CelsiusToFahrenheit", 50005,
       "\xB0"
       "C",
       "\xB0"
       "F",
       1, F(basis * 1.8 + 32)},
      {"GrammToKilogramm", 50004, "g", "kg", 1, F(basis / 1000)},
      {"KilogrammToGramm", 50004, "kg", "g", 1, F(basis * 1000)},
      {"KilogrammToTonne", 50004, "kg", "t", 1, F(basis / 1000)},
      {"TonneToKilogramm", 50004, "t", "kg", 1, F(basis * 1000)},
      {"AMEToKilogramm", 50004, "u", "kg", 1, F((basis * 1.6605655) * P10(-27))},
      {"KilogrammToAME", 50004, "kg", "u", 1, F((basis / 1.6605655) * P10(27))},
      {"OunceToKilogramm", 50004, "oz", "kg", 1, F((basis * 28.3495) * P10(-3))},
      {"KilogrammToOunce", 50004, "kg", "oz", 1, F((basis / 28.3495) * P10(3))},
      {"PoundToKilogramm", 50004, "lb", "kg", 1, F(basis * 0.45359237)},
      {"KilogrammToPound", 50004, "kg", "lb", 1, F(basis / 0.45359237)},
      {"QuadratmeterToAr", 50002, "m\xB2", "a", 2, F(basis / 100)},
      {"ArToQuadratmeter", 50002, "a", "m\xB2", 2, F(basis * 100)},
      {"QuadratmeterToHektar", 50002, "m\xB2", "ha", 2, F(basis / 10000)},
      {"HecktarToQuadratmeter", 50002, "ha", "m\xB2", 2, F(basis * 10000)},
      {"QuadratmeterToMorgen", 50002, "m\xB2", "Morgen", 2, F(basis / 2500)},
      {"MorgenToQuadratmeter", 50002, "Morgen", "m\xB2", 2, F(basis * 2500)},
      {"QuadratmeterToSquareFoot", 50002, "m\xB2", "sq ft", 2, F(basis / 0.0929)},
      {"SquareFootToQuadratmeter", 50002, "sq ft", "m\xB2", 2, F(basis * 0.09290306)},
      {"QuadratmeterToacre", 50002, "m\xB2", "ac", 2, F(basis / 4046.856)},
      {"acreToQuadratmeter", 50002, "ac", "m\xB2", 2, F(basis * 4046.856)},
      {"SekundeToMinute", 50007, "s", "min", 1, F(basis / 60)},
      {"MinuteToSekunde", 50007, "min", "s", 1, F(basis * 60)},
      {"SekundeToStunde", 50007, "s", "h", 1, F(basis / 3600)},
      {"StundeToSekunde", 50007, "h", "s", 1, F(basis * 3600)},
      {"SekundeToTag", 50007, "s", "d", 1, F(basis / 86400)},
      {"TagToSekunde", 50007, "d", "s", 1, F(basis * 86400)},
      {"NewtonToDyn", 50003, "N", "dyn", 1, F(basis / 0.00001)},
      {"DynToNewton", 50003, "dyn", "N", 1, F(basis * 0.00001)},
      {"NewtonToPond", 50003, "N", "p", 1, F(basis / 0.00980665)},
      {"PondToNewton", 50003, "p", "N", 1, F(basis * 0.00980665)},
      {"PascalToBar", 50001, "Pa", "bar", 1, F(basis / 100000)},
      {"BarToPascal", 50001, "bar", "Pa", 1, F(basis * 100000)},
      {"PascalTommHg", 50001, "Pa", "mmHg", 1, F(basis / 133.322)},
      {"mmHgToPascal", 50001, "mmHg", "Pa", 1, F(basis * 133.322)},
      {"PascalToatm", 50001, "Pa", "atm", 1, F(basis / 101325)},
      {"atmToPascal", 50001, "atm", "Pa", 1, F(basis * 101325)},
      {"PascalToat", 50001, "Pa", "at", 1, F(basis / 98066.5)},
      {"atToPascal", 50001, "at", "Pa", 1, F(basis * 98066.5)},
      {"PascalToTorr", 50001, "Pa", "Torr", 1, F(basis / 133.32236842105263)},
      {"TorrToPascal", 50001, "Torr", "Pa", 1, F(basis * 133.32236842105263)},
      {"PascalTomWS", 50001, "Pa", "mWS", 1, F(basis / 9806.65)},
      {"mWSToPascal", 50001, "mWS", "Pa", 1, F(basis * 9806.65)},
      {"PascalTopsi", 50001, "Pa", "psi", 1, F(basis / 6895)},
      {"psiToPascal", 50001, "psi", "Pa", 1, F(basis * 6895)},
  };
  return katalog;
}

#undef F
#undef P10

namespace {

const char *const QM = QUADRATMETER;
const char *const KEIN_ERGEBNIS = nullptr;
const std::string FLAECHEN = "Fl\xE4"
                             "chen";

Build voll() {
  return {"full",
          {{50000, "Alles"},
           {50001, "Druck"},
           {50002, FLAECHEN},
           {50003, "Kraft"},
           {50004, "Massen"},
           {50005, "Temperaturen"},
           {50006, "Strecken"},
           {50007, "Zeit"}},
          {},
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
              {"1", "\xB5", "m", "n", QM, KEIN_ERGEBNIS},
              // The source prefix enters with the first step's power, the
              // target prefix with the second's; the intermediate unit
              // carries none.
              {"1", "d", "Morgen", "c", "ac", "61.7764"},
              // Rounds to DBL_MAX, through "m": still in range.
              {"1.7976931348623157e308", " ", ANGSTROEM, " ", ANGSTROEM, "1.80e+308"},
              // About 0.38 of DBL_MAX's last unit above it: rounds to it.
              {"1.7976931348623158e286", "T", "m", " ", ANGSTROEM, "1.80e+308"},
              {"-1.7976931348623158e286", "T", "m", " ", ANGSTROEM, "-1.80e+308"},
          },
          {},
          "",
          {}};
}

Build sieben() {
  return {"seven",
          {{50000, "Alles"},
           {50004, FLAECHEN},
           {50003, "Massen"},
           {50002, "Temperaturen"},
           {50001, "Strecken"},
           {50005, "Zeit"},
           {50006, "Kraft"},
           {50007, "Druck"}},
          {},
          {
              {"1", "k", "m", " ", "mile", "0.6214"},
              {"1", " ", "ft", " ", "in", "12.0000"},
              {"1", "k", QM, " ", "ha", "100.0000"},
              {"0", " ", "K", " ", GRAD_F, "-4.60e+02"},
              {"90", "k", "s", "", "h", "25.0000"},
              {"1", " ", "bar", " ", "psi", "14.5033"},
              {"2", "k", "N", "M", "dyn", "200.0000"},
              {"1", " ", "m", " ", "kg", KEIN_ERGEBNIS},
          },
          {},
          "psiToPascal",
          {}};
}

Build drei() {
  return {"three",
          {{50000, "Alles"}, {50002, "Temperaturen"}, {50001, "Strecken"}, {50003, "Massen"}},
          {},
          {
              {"1", " ", "ft", " ", "in", "12.0000"},
              {"1", "k", "m", " ", "mile", "0.6214"},
              {"1", "k", "g", " ", "lb", "2.2046"},
              {"1", "k", "ft", "k", "in", "12.0000"},
              {"0", " ", "K", " ", GRAD_F, "-4.60e+02"},
              {"1", "c", "m", " ", ANGSTROEM, "100000000.0000"},
              {"1", " ", "m", " ", "kg", KEIN_ERGEBNIS},
          },
          {},
          "KilogrammToPound",
          {}};
}

Build beta() {
  const Einheiten strecken = {ANGSTROEM, "ft", "in", "m", "mile", "sm", "yd"};
  const Einheiten temperaturen = {"K", GRAD_C, GRAD_F};
  Einheiten alles = strecken;
  alles.insert(alles.end(), temperaturen.begin(), temperaturen.end());
  return {"beta14",
          {{40006, "Alles", alles},
           {40007, "Temperaturen", temperaturen},
           {40008, "Strecken", strecken}},
          {"K", "ft", "in", "m", "mile", "sm", "yd", GRAD_C, GRAD_F, ANGSTROEM},
          {
              {"1", "k", "m", " ", "m", "1000.0000"},
              {"100", " ", GRAD_C, " ", "K", "373.1500"},
              {"1", "k", "m", "k", "ft", "3.2808"},
              {"-40", " ", GRAD_C, " ", GRAD_F, "-4.00e+01"},
              {"0.5", "", "m", "", "m", "0.5000"},
              {"1", "M", "m", "m", "m", "1.00e+09"},
              {"1", " ", "ft", " ", "in", KEIN_ERGEBNIS},
              {"0", " ", "K", " ", GRAD_F, KEIN_ERGEBNIS},
              {"1", " ", "ft", " ", "ft", KEIN_ERGEBNIS},
          },
          {{"MeterToMeter", 1, "m"}},
          "CelsiusToFahrenheit",
          {{50006, 1}, {50005, 2}}};
}

// The full build's code of each quantity to this build's: given, or by the
// quantity's name in the two menus.
std::map<int, int> codesDesBuilds(const Build &b) {
  if (!b.eigeneCodes.empty())
    return b.eigeneCodes;
  std::map<int, int> codes;
  for (const Groessenbefehl &voll : voll().groessen)
    for (const Groessenbefehl &eigen : b.groessen)
      if (voll.name == eigen.name)
        codes[voll.befehl] = eigen.befehl;
  return codes;
}

} // namespace

std::vector<Klasse> klassen(const Build &b) {
  std::vector<Klasse> ergebnis = b.eigeneKlassen;
  const std::map<int, int> codes = codesDesBuilds(b);
  const std::string bis = b.bisKlasse;
  bool danach = false;
  for (const Erwartung &e : vollerKatalog()) {
    const bool ohne = std::count(b.ohneGroessen.begin(), b.ohneGroessen.end(), e.typ) > 0;
    const bool imBuild = bis.empty() || !(danach || e.nurImVollen);
    danach = danach || e.klasse == bis;
    if (ohne || !imBuild)
      continue;
    auto code = codes.find(e.typ);
    ergebnis.push_back({e.klasse, code == codes.end() ? -1 : code->second, e.quell});
  }
  return ergebnis;
}

namespace {

// Prefixes below 1, whose factors a run-time library's power function may
// round wrongly: asked of every build that lists both units.
const Beispiel KLEINE_VORSAETZE[] = {
    {"1", " ", "kg", "\xB5", "g", "1.00e+09"},
    {"1", " ", "Pa", "m", "bar", "0.0100"},
    {"1", " ", "oz", "c", "kg", "2.8350"},
    {"1", " ", "psi", "p", "bar", "6.90e+10"},
};

// Input that no number or no unit makes, asked of every build: "m", "ft"
// and "Å" are in each.
const char AUSSERHALB[] = "Ergebnis au\xDF"
                          "erhalb des Zahlenbereichs";
const Beispiel UNGEWOEHNLICHE_EINGABEN[] = {
    {"1e300", "E", "m", " ", ANGSTROEM, AUSSERHALB},
    {"1e999", " ", "m", " ", "ft", AUSSERHALB},
    {"-1e999", " ", "m", " ", "ft", AUSSERHALB},
    {"inf", " ", "m", " ", "ft", "0.00e+00"},
    {"nan", " ", "m", " ", "ft", "0.00e+00"},
    {"0x1p3", " ", "m", " ", "ft", "0.00e+00"},
    {"\xB5\xE4\xFF\x80 12", " ", "m", " ", "ft", "0.00e+00"},
    {"1", " ", "", " ", "ft", KEIN_ERGEBNIS},
    {"1", " ", "m", " ", "", KEIN_ERGEBNIS},
};

bool enthaelt(const Einheiten &einheiten, const char *einheit) {
  for (const std::string &e : einheiten)
    if (e == einheit)
      return true;
  return false;
}

// The unit lists of the quantities whose rows leave them empty: the source
// labels of the build's classes of that quantity ("Alles": of all), sorted
// by unsigned bytes, each once; both boxes right after start list "Alles".
void einheitenAbleiten(Build &b) {
  const std::vector<Klasse> alle = klassen(b);
  for (Groessenbefehl &g : b.groessen) {
    if (!g.einheiten.empty())
      continue;
    std::set<std::string> labels;
    for (const Klasse &k : alle)
      if (&g == &b.groessen.front() || k.typ == g.befehl)
        labels.insert(k.quell);
    g.einheiten.assign(labels.begin(), labels.end());
  }
  if (b.anfangs.empty())
    b.anfangs = b.groessen.front().einheiten;
}

// A build's row completed: unit lists derived, and the requests that every
// build answers or, for prefixes below 1, that every build with both units
// answers.
Build vollstaendig(Build b) {
  einheitenAbleiten(b);
  for (const Beispiel &f : KLEINE_VORSAETZE)
    if (enthaelt(b.anfangs, f.quellEinheit) && enthaelt(b.anfangs, f.zielEinheit))
      b.beispiele.push_back(f);
  b.beispiele.insert(b.beispiele.end(), std::begin(UNGEWOEHNLICHE_EINGABEN),
                     std::end(UNGEWOEHNLICHE_EINGABEN));
  b.beispiele.push_back(GRUNDBEISPIEL);
  return b;
}

} // namespace

Build ohne(Build b, const std::string &name, const std::vector<int> &codes) {
  b.name = name;
  auto weg = [&](const Groessenbefehl &g) {
    return std::count(codes.begin(), codes.end(), g.befehl) > 0;
  };
  b.groessen.erase(std::remove_if(b.groessen.begin(), b.groessen.end(), weg), b.groessen.end());
  b.ohneGroessen = codes;
  return b;
}

// Each build's row; a variant is one, as vollstaendig(ohne(voll(), "NAME", {50007})).
const std::vector<Build> &builds() {
  static const std::vector<Build> alle = {vollstaendig(voll()), vollstaendig(sieben()),
                                          vollstaendig(drei()), vollstaendig(beta())};
  return alle;
}

const Build *build(const std::string &name) {
  for (const Build &b : builds())
    if (b.name == name)
      return &b;
  return nullptr;
}

std::string woErwartet(const std::string &name) {
  return "the classes of build '" + name +
         "' are expected by tests/support/erwartete_builds.cpp: vollerKatalog() (a class "
         "only the full build has ends in true) and the row of '" +
         name + "' in builds()";
}

std::string fehlendeErwartung(const std::string &name) {
  return "no expectations for the build '" + name +
         "': add its row to tests/support/erwartete_builds.cpp and to "
         "tests/window/fenster_erwartung.cpp";
}

} // namespace erwartet
