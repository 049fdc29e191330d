// umrechnungen.cpp

// ACHTUNG!
// Diese Datei wurde durch einen Quelltextgenerator erstellt.
// Alle Änderungen gehen beim nächsten Generatordurchlauf verloren!


#include "umrechnungen.h"


//  Meter ---> Fuß
/// Funktionskommentar
void MeterToFeet::berechne()
{
  ergebnis = basis / 0.3048;
}


//  Kelvin ---> Grad Celsius
void KelvinToCelsius::berechne()
{
  ergebnis = basis - 273.15;
}


//  Fuß ---> Meter
/// Nur ein Funktionskommentar
void FeetToMeter::berechne()
{
  ergebnis = basis * 0.3048;
}


