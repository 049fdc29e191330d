// What the window tests have inside Velmora's process, where they run on a
// thread of their own: the program's window, the boxes it has shown (a CBT
// hook on its thread notes each as it is activated and closes it), and the
// controls, read and set as the user's actions would.
#ifndef VELMORA_IM_PROZESS_H
#define VELMORA_IM_PROZESS_H

#include <windows.h>

#include <string>
#include <vector>

// A message box or dialog as it was activated.
struct Box {
  std::string titel, text;         // text: a message box's (control 0xFFFF)
  HICON icon;                      // of its SS_ICON control
  HWND besitzer;                   //
  bool hauptfensterAktiv;          // the main window enabled meanwhile
  LONG stil, okStil;               // its own style and that of its IDOK control
  std::vector<std::string> kinder; // its controls' texts, in order
};

// The exit code with which the tests end the program where one failed.
const DWORD FEHLGESCHLAGEN = 77;

extern HWND hauptfenster;
extern std::vector<Box> boxen; // the first first

HWND element(int id);
void befehl(int id); // returns once handled, any box it opened closed
std::string text(HWND element);
void textSetzen(HWND element, const std::string &text);
std::vector<std::string> eintraege(HWND box);
int auswahl(HWND box);
// Selects the entry whose bytes equal `eintrag` (none for ""); false if
// there is none.
bool waehlen(HWND box, const std::string &eintrag);
RECT lage(HWND element); // in its parent's client area
std::string klassenName(HWND element);
// The menu, one line per entry: "id|flags|text"; a pop-up "POPUP|text".
std::string menueText(HMENU menue);

#endif
