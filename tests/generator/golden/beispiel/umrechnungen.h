//  umrechnungen.h

// ACHTUNG!
// Diese Datei wurde durch einen Quelltextgenerator erstellt.
// Alle Änderungen gehen beim nächsten Generatordurchlauf verloren!


#ifndef H_UMRECHNUNGEN
#define H_UMRECHNUNGEN

#include "umrechnung.h"

// Meter ---> Fuß
/// \brief %Umrechnung von Meter in Fuß
/// Klassenkommentar
class MeterToFeet : public Umrechnung
{
  public: 

    MeterToFeet(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "m"; }

    const char *gibZielBez() const
    { return "ft"; }

};


// Kelvin ---> Grad Celsius
/// \brief %Umrechnung von Kelvin in Grad Celsius
/// Nur ein Klassenkommentar
class KelvinToCelsius : public Umrechnung
{
  public: 

    KelvinToCelsius(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return -2; }

    void berechne();

    const char *gibQuellBez() const
    { return "K"; }

    const char *gibZielBez() const
    { return "°C"; }

};


// Fuß ---> Meter
/// \brief %Umrechnung von Fuß in Meter
class FeetToMeter : public Umrechnung
{
  public: 

    FeetToMeter(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "ft"; }

    const char *gibZielBez() const
    { return "m"; }

};


#endif
