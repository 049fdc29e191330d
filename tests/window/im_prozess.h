// What the window tests have inside Velmora's process, where they run on a
// thread of their own: the program's window, the boxes it has shown (a CBT
// hook on its thread sees each as it is activated, notes it and closes
// it), and the controls read and set as the user's actions would.
#ifndef VELMORA_IM_PROZESS_H
#define VELMORA_IM_PROZESS_H

#include <windows.h>

#include <string>
#include <vector>

// A message box or dialog as it was activated.
struct Box {
  std::string titel, text; // text: a message box's (control 0xFFFF)
  HICON icon;              // of its SS_ICON control
  HWND besitzer;
  bool hauptfensterAktiv;          // the main window enabled meanwhile
  LONG stil, okStil;               // its own style and that of its IDOK control
  std::vector<std::string> kinder; // its controls' texts, in order
};

extern HWND hauptfenster;
// The boxes shown so far, the first first.
extern std::vector<Box> boxen;

HWND element(int id);
// Sends a command; returns once handled, any box it opened closed.
void befehl(int id);
std::string text(HWND element);
void textSetzen(HWND element, const std::string &text);
std::vector<std::string> eintraege(HWND box);
int auswahl(HWND box);
// Selects the entry whose bytes equal `eintrag` (none for ""); false if
// there is none.
bool waehlen(HWND box, const std::string &eintrag);
// Its place in its parent's client area.
RECT lage(HWND element);
std::string klassenName(HWND element);
// The menu, one line per entry: "id|flags|text"; a pop-up "POPUP|text".
std::string menueText(HMENU menue);

#endif
