#include "erwartete_builds.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace erwartet {

const std::vector<Erwartung> &vollerKatalog() {
  static const std::vector<Erwartung> katalog = {
      {"FeetToMeter", 50006, "ft", "m", 1, 376.296265440000018948L},
      {"MeterToFeet", 50006, "m", "ft", 1, 4050.41929133858247281L},
      {"AngstroemToMeter", 50006, "\xC5", "m", 1, 1.23456780000000004492e-07L},
      {"MeterToAngstroem", 50006, "m", "\xC5", 1, 12345678000000L},
      {"InchToMeter", 50006, "in", "m", 1, 31.3580221199999987242L},
      {"MeterToInch", 50006, "m", "in", 1, 48605.0314960629941012L},
      {"YardToMeter", 50006, "yd", "m", 1, 1128.88879631999998832L},
      {"MeterToYard", 50006, "m", "yd", 1, 1350.13976377952757291L},
      {"MileToMeter", 50006, "mile", "m", 1, 1986844.28152320006279L},
      {"MeterToMile", 50006, "m", "mile", 1, 0.767124865783822452439L},
      {"SeemeileToMeter", 50006, "sm", "m", 1, 2286419.5655999999999L},
      {"MeterToSeemeile", 50006, "m", "sm", 1, 0.66661328293736501078L},
      {"KelvinToCelsius", 50005, "K",
       "\xB0"
       "C",
       1, 961.417800000000022709L},
      {"CelsiusToKelvin", 50005,
       "\xB0"
       "C",
       "K", 1, 1507.71779999999997723L},
      {"FahrenheitToCelsius", 50005,
       "\xB0"
       "F",
       "\xB0"
       "C",
       1, 668.093222222222251849L},
      {"CelsiusToFahrenheit", 50005,
       "\xB0"
       "C",
       "\xB0"
       "F",
       1, 2254.22204000000005486L},
      {"GrammToKilogramm", 50004, "g", "kg", 1, 1.23456780000000000002L},
      {"KilogrammToGramm", 50004, "kg", "g", 1, 1234567.79999999999995L},
      {"KilogrammToTonne", 50004, "kg", "t", 1, 1.23456780000000000002L},
      {"TonneToKilogramm", 50004, "t", "kg", 1, 1234567.79999999999995L},
      {"AMEToKilogramm", 50004, "u", "kg", 1, 2.05008069609089997588e-24L},
      {"KilogrammToAME", 50004, "kg", "u", 1, 7.43462272340356389631e+29L},
      {"OunceToKilogramm", 50004, "oz", "kg", 1, 34.9993798460999995317L},
      {"KilogrammToOunce", 50004, "kg", "oz", 1, 43548.1331240409898591L},
      {"PoundToKilogramm", 50004, "lb", "kg", 1, 559.990534327686027727L},
      {"KilogrammToPound", 50004, "kg", "lb", 1, 2721.75610008607494605L},
      {"QuadratmeterToAr", 50002, "m\xB2", "a", 2, 12.345678L},
      {"ArToQuadratmeter", 50002, "a", "m\xB2", 2, 123456.779999999999994L},
      {"QuadratmeterToHektar", 50002, "m\xB2", "ha", 2, 0.12345678L},
      {"HecktarToQuadratmeter", 50002, "ha", "m\xB2", 2, 12345678L},
      {"QuadratmeterToMorgen", 50002, "m\xB2", "Morgen", 2, 0.493827119999999999999L},
      {"MorgenToQuadratmeter", 50002, "Morgen", "m\xB2", 2, 3086419.5L},
      {"QuadratmeterToSquareFoot", 50002, "m\xB2", "sq ft", 2, 13289.2120559741662742L},
      {"SquareFootToQuadratmeter", 50002, "sq ft", "m\xB2", 2, 114.695126397467994622L},
      {"QuadratmeterToacre", 50002, "m\xB2", "ac", 2, 0.305068379008296794414L},
      {"acreToQuadratmeter", 50002, "ac", "m\xB2", 2, 4996118.10883680027382L},
      {"SekundeToMinute", 50007, "s", "min", 1, 20.5761299999999999998L},
      {"MinuteToSekunde", 50007, "min", "s", 1, 74074.0679999999999978L},
      {"SekundeToStunde", 50007, "s", "h", 1, 0.342935499999999999989L},
      {"StundeToSekunde", 50007, "h", "s", 1, 4444444.07999999999993L},
      {"SekundeToTag", 50007, "s", "d", 1, 0.0142889791666666666662L},
      {"TagToSekunde", 50007, "d", "s", 1, 106666657.919999999998L},
      {"NewtonToDyn", 50003, "N", "dyn", 1, 123456779.999999989901L},
      {"DynToNewton", 50003, "dyn", "N", 1, 0.01234567800000000101L},
      {"NewtonToPond", 50003, "N", "p", 1, 125890.880168049230754L},
      {"PondToNewton", 50003, "p", "N", 1, 12.1069743158700001097L},
      {"PascalToBar", 50001, "Pa", "bar", 1, 0.0123456779999999999995L},
      {"BarToPascal", 50001, "bar", "Pa", 1, 123456780L},
      {"PascalTommHg", 50001, "Pa", "mmHg", 1, 9.26004560387632929836L},
      {"mmHgToPascal", 50001, "mmHg", "Pa", 1, 164595.048231600003362L},
      {"PascalToatm", 50001, "Pa", "atm", 1, 0.0121842368615840118431L},
      {"atmToPascal", 50001, "atm", "Pa", 1, 125092582.334999999999L},
      {"PascalToat", 50001, "Pa", "at", 1, 0.0125890880168049231892L},
      {"atToPascal", 50001, "at", "Pa", 1, 121069743.1587L},
      {"PascalToTorr", 50001, "Pa", "Torr", 1, 9.2600200148038491043L},
      {"TorrToPascal", 50001, "Torr", "Pa", 1, 164595.503072368419197L},
      {"PascalTomWS", 50001, "Pa", "mWS", 1, 0.125890880168049236563L},
      {"mWSToPascal", 50001, "mWS", "Pa", 1, 12106974.3158699995502L},
      {"PascalTopsi", 50001, "Pa", "psi", 1, 0.179052617839013778091L},
      {"psiToPascal", 50001, "psi", "Pa", 1, 8512344.98099999999977L},
  };
  return katalog;
}

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
// build answers.
Build vollstaendig(Build b) {
  einheitenAbleiten(b);
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
