// umrechnungen.cpp

// ACHTUNG!
// Diese Datei wurde durch einen Quelltextgenerator erstellt.
// Alle Änderungen gehen beim nächsten Generatordurchlauf verloren!


#include "umrechnungen.h"


//  q ---> z
void K0::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K1::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K2::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K3::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K4::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K5::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K6::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K7::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K8::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K9::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K10::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void K11::berechne()
{
  ergebnis = basis;
}


//  q ---> z
void Nur::berechne()
{
  ergebnis = basis;
}


