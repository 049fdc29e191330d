// The controls of the main window as one table: id, class, text, styles,
// position and size computed from the dialog base units (bx, by), the width
// of a vertical scroll bar (vs) and the screen width (sx). Velmora and the
// start benchmark's controls-only yardstick create the window from it.
#ifndef VELMORA_FENSTER_ELEMENTE_H
#define VELMORA_FENSTER_ELEMENTE_H

#include "einstellungen.h"

#include <windows.h>

#include <vector>

// Control ids: the quantity box, where the build has one, is control 5 and
// moves the rest up by one.
const int ID_QUELL_PRAEFIX = 1;
const int ID_QUELL_EINHEIT = 2;
const int ID_ZIEL_PRAEFIX = 3;
const int ID_ZIEL_EINHEIT = 4;
const int ID_GROESSE = 5;
const int ID_EINGABE = einstellung::GROESSENBOX ? 6 : 5;
const int ID_AUSGABE = ID_EINGABE + 1;
const int ID_OK = ID_EINGABE + 2;
const int ID_RAHMEN_EINGABE = ID_EINGABE + 3;
const int ID_RAHMEN_AUSGABE = ID_EINGABE + 4;
const int ID_RAHMEN_OBEN = ID_EINGABE + 5;
const int ELEMENTE_HOECHSTENS = 11;

struct Masse {
  int bx, by, vs, sx;
};

struct Element {
  int id;
  const char *klasse;
  const char *text;
  DWORD exStil, stil; // WS_CHILD | WS_VISIBLE come with every control
  int x, y, breite, hoehe;
  // Set once every control exists (the full window restyles a group box as
  // the default push button and names it and its frames afterwards).
  bool danachStandardknopf;
  const char *danachText;
};

// The build's controls in the order of their creation.
std::vector<Element> fensterElemente(const Masse &m);

// Creates them in `hwnd`; `erstellt[id]` receives each one's handle.
void elementeErstellen(HWND hwnd, const Masse &m, HWND (&erstellt)[ELEMENTE_HOECHSTENS + 1]);

#endif
