//  umrechnungen.h

// ACHTUNG!
// Diese Datei wurde durch einen Quelltextgenerator erstellt.
// Alle Änderungen gehen beim nächsten Generatordurchlauf verloren!


#ifndef H_UMRECHNUNGEN
#define H_UMRECHNUNGEN

#include "umrechnung.h"

// q ---> z
/// \brief %Umrechnung von q in z
class K0 : public Umrechnung
{
  public: 

    K0(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "K"; }

    const char *gibZielBez() const
    { return "K"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K1 : public Umrechnung
{
  public: 

    K1(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "m"; }

    const char *gibZielBez() const
    { return "m"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K2 : public Umrechnung
{
  public: 

    K2(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "ft"; }

    const char *gibZielBez() const
    { return "ft"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K3 : public Umrechnung
{
  public: 

    K3(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "in"; }

    const char *gibZielBez() const
    { return "in"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K4 : public Umrechnung
{
  public: 

    K4(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "yd"; }

    const char *gibZielBez() const
    { return "yd"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K5 : public Umrechnung
{
  public: 

    K5(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "mile"; }

    const char *gibZielBez() const
    { return "mile"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K6 : public Umrechnung
{
  public: 

    K6(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "sm"; }

    const char *gibZielBez() const
    { return "sm"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K7 : public Umrechnung
{
  public: 

    K7(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "°C"; }

    const char *gibZielBez() const
    { return "°C"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K8 : public Umrechnung
{
  public: 

    K8(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "°F"; }

    const char *gibZielBez() const
    { return "°F"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K9 : public Umrechnung
{
  public: 

    K9(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "Å"; }

    const char *gibZielBez() const
    { return "Å"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K10 : public Umrechnung
{
  public: 

    K10(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "m"; }

    const char *gibZielBez() const
    { return "m"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class K11 : public Umrechnung
{
  public: 

    K11(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "K"; }

    const char *gibZielBez() const
    { return "K"; }

};


// q ---> z
/// \brief %Umrechnung von q in z
class Nur : public Umrechnung
{
  public: 

    Nur(int typ)
      { this->typ = typ; }

    int gibPotenz() const
    { return 1; }

    void berechne();

    const char *gibQuellBez() const
    { return "a"; }

    const char *gibZielBez() const
    { return "z"; }

};


#endif
