// How each build's main window looks and behaves, as data for the window
// tests: the window, its controls and menu, its resources, and the points in
// which the commands of the builds differ.
#ifndef VELMORA_FENSTER_ERWARTUNG_H
#define VELMORA_FENSTER_ERWARTUNG_H

#include "erwartete_builds.h"

#include <string>
#include <vector>

// The measures the control positions derive from: the dialog base units,
// the width of a vertical scroll bar and the width of the screen.
struct Masse {
  int bx, by, vs, sx;
};

enum class Art { Box, Eingabefeld, Ausgabefeld, Knopf, Rahmen };

struct Element {
  int id;
  Art art;
  const char *klasse, *text;
  int x, y, breite, hoehe; // hoehe -1: the box's height is checked with its list
};

// As the earlier builds have it, where a row says nothing else.
struct Fenster {
  const erwartet::Build *build = nullptr;
  std::string titel = "Velmora";
  int breite = 425, hoehe = 260;
  bool veraenderbar = false;     // sizing border and maximize box
  std::vector<Element> elemente; // in creation order
  int groessenbox = 0;           // id of the quantity box, 0 without one
  int eingabe = 5, ausgabe = 6, ok = 7;
  int boxMitListe = 0; // height of a unit box with its list dropped down
  int groessenboxMitListe = 0;
  bool ohneScrollbalkenAbschalten = false; // CBS_DISABLENOSCROLL
  bool infobox = false;                    // "&über..." shows the About box, else it beeps
  bool neuWaehltAlles = false;
  bool fehlerMitBesitzer = false;         // the error box is owned by the main window
  std::vector<int> iconFarbtiefen = {24}; // bits per pixel of the images of icon 101
};

// The window of the named build for these measures; null for an unknown name.
const Fenster *fensterVon(const std::string &build, const Masse &masse);

// The menu as the running program reads it, with the command `markiert`
// checked: one line per entry, "id|flags|text".
std::string erwartetesMenue(const erwartet::Build &build, int markiert);

#endif
