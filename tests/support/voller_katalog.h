// The full build's catalogue as a table: every class with its labels, power,
// quantity code and formula, in the order of the conversion list. The other
// builds carry classes of it under the same names.
#ifndef VELMORA_VOLLER_KATALOG_H
#define VELMORA_VOLLER_KATALOG_H

#include <cmath>
#include <cstdlib>
#include <cxxabi.h>
#include <string>
#include <typeinfo>

namespace voll {

typedef long double (*Formel)(long double);

struct Erwartung {
  const char *klasse;
  int typ;
  const char *quell, *ziel;
  int potenz;
  Formel formel;
};

// As in the definition files, with constant arguments: the compiler folds
// them into the correctly rounded powers, on every platform.
#define P10(n) std::pow(10.0, n)

#define F(ausdruck) [](long double basis) -> long double { return ausdruck; }

// Literals are doubles, arithmetic on basis is long double, powers of ten
// come from pow in double and are multiplied in last.
const Erwartung KATALOG[] = {
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

#undef F

// The class name of a conversion object, as the catalogue spells it.
template <class T> std::string klassenName(const T &umrechnung) {
  int status = 0;
  char *name = abi::__cxa_demangle(typeid(umrechnung).name(), nullptr, nullptr, &status);
  std::string ergebnis = name ? name : "?";
  std::free(name);
  return ergebnis;
}

} // namespace voll

#endif
