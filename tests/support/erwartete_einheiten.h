// The unit labels the full build lists for each quantity, sorted as the
// unit boxes show them: by unsigned bytes, so "K" < "a" and the code page
// 1252 labels come last.
#ifndef VELMORA_ERWARTETE_EINHEITEN_H
#define VELMORA_ERWARTETE_EINHEITEN_H

#include <string>
#include <vector>

namespace erwartet {

typedef std::vector<std::string> Einheiten;

const char GRAD_C[] = "\xB0"
                      "C";
const char GRAD_F[] = "\xB0"
                      "F";
const char QUADRATMETER[] = "m\xB2";
const char ANGSTROEM[] = "\xC5";

struct Groesse {
  int code; // quantity code; 0 for "Alles"
  Einheiten einheiten;
};

const Einheiten ALLE_EINHEITEN = {
    "K",     "Morgen", "N",   "Pa",   "Torr",       "a",    "ac",     "at",  "atm", "bar",
    "d",     "dyn",    "ft",  "g",    "h",          "ha",   "in",     "kg",  "lb",  "m",
    "mWS",   "mile",   "min", "mmHg", QUADRATMETER, "oz",   "p",      "psi", "s",   "sm",
    "sq ft", "t",      "u",   "yd",   GRAD_C,       GRAD_F, ANGSTROEM};

const std::vector<Groesse> GROESSEN = {
    {0, ALLE_EINHEITEN},
    {50001, {"Pa", "Torr", "at", "atm", "bar", "mWS", "mmHg", "psi"}},
    {50002, {"Morgen", "a", "ac", "ha", QUADRATMETER, "sq ft"}},
    {50003, {"N", "dyn", "p"}},
    {50004, {"g", "kg", "lb", "oz", "t", "u"}},
    {50005, {"K", GRAD_C, GRAD_F}},
    {50006, {"ft", "in", "m", "mile", "sm", "yd", ANGSTROEM}},
    {50007, {"d", "h", "min", "s"}},
};

} // namespace erwartet

#endif
