#include "fenster_elemente.h"

namespace {

// The two boxes of each side; `y`, width and height depend on the window.
void seitenboxen(std::vector<Element> &e, DWORD stil, int y, int breite, int hoehe) {
  for (int j = 0; j < 4; ++j) {
    int x = j < 2 ? 75 * j + 15 : 75 * j + 85;
    e.push_back({j + 1, "COMBOBOX", nullptr, 0, stil, x, y, breite, hoehe, false, nullptr});
  }
}

// The quantity box above the two sides; edit fields for input and output.
std::vector<Element> mitGroessenbox(const Masse &m) {
  const DWORD box = WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL;
  std::vector<Element> e;
  e.push_back(
      {ID_GROESSE, "COMBOBOX", nullptr, 0, box, 15, 20, 15 * m.bx, 7 * m.by, false, nullptr});
  seitenboxen(e, box, 7 * m.by, m.sx / 14, 12 * m.by);
  e.push_back({ID_EINGABE, "EDIT", nullptr, WS_EX_CLIENTEDGE, 0, m.bx + 8, m.by + 60, m.sx / 7,
               3 * m.by / 2, false, nullptr});
  e.push_back({ID_AUSGABE, "EDIT", nullptr, WS_EX_CLIENTEDGE, 0, m.bx + 227, m.by + 60, m.sx / 7,
               3 * m.by / 2, false, nullptr});
  // The buttons start as group boxes with the empty text.
  e.push_back(
      {ID_OK, "BUTTON", "", 0, BS_GROUPBOX, 15 * m.bx, 185, 20 * m.bx, 7 * m.by / 4, true, "OK"});
  e.push_back(
      {ID_RAHMEN_EINGABE, "BUTTON", "", 0, BS_GROUPBOX, 10, 50, 170, 100, false, "Eingabe"});
  e.push_back(
      {ID_RAHMEN_AUSGABE, "BUTTON", "", 0, BS_GROUPBOX, 225, 50, 170, 100, false, "Ausgabe"});
  return e;
}

// The earlier window: the boxes below the fields, as wide as five base units
// and a scroll bar, and a static output field.
std::vector<Element> ohneGroessenbox(const Masse &m) {
  const DWORD box = WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST;
  std::vector<Element> e;
  seitenboxen(e, box, 5 * m.by, m.vs + 5 * m.bx, 5 * m.by);
  e.push_back({ID_EINGABE, "EDIT", nullptr, WS_EX_CLIENTEDGE, 0, m.bx + 10, m.by + 20, m.sx / 7,
               3 * m.by / 2, false, nullptr});
  e.push_back({ID_AUSGABE, "STATIC", nullptr, WS_EX_CLIENTEDGE, SS_LEFT, m.bx + 225, m.by + 20,
               m.sx / 7, 3 * m.by / 2, false, nullptr});
  e.push_back({ID_OK, "BUTTON", "OK", 0, BS_DEFPUSHBUTTON, 15 * m.bx, 130, 20 * m.bx, 7 * m.by / 4,
               false, nullptr});
  e.push_back(
      {ID_RAHMEN_EINGABE, "BUTTON", "Eingabe", 0, BS_GROUPBOX, 10, 10, 180, 100, false, nullptr});
  e.push_back(
      {ID_RAHMEN_AUSGABE, "BUTTON", "Ausgabe", 0, BS_GROUPBOX, 225, 10, 180, 100, false, nullptr});
  return e;
}

} // namespace

std::vector<Element> fensterElemente(const Masse &m) {
  std::vector<Element> e = einstellung::GROESSENBOX ? mitGroessenbox(m) : ohneGroessenbox(m);
  // A frame whose top line runs just below the menu.
  const int r = einstellung::RAHMEN_OBEN;
  if (r > 0)
    e.push_back(
        {ID_RAHMEN_OBEN, "BUTTON", "", 0, BS_GROUPBOX, -10, -(m.by / 2), r, r, false, nullptr});
  return e;
}

void elementeErstellen(HWND hwnd, const Masse &m, HWND (&erstellt)[ELEMENTE_HOECHSTENS + 1]) {
  const std::vector<Element> elemente = fensterElemente(m);
  HINSTANCE instanz = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
  for (const Element &e : elemente)
    erstellt[e.id] = CreateWindowExA(
        e.exStil, e.klasse, e.text, WS_CHILD | WS_VISIBLE | e.stil, e.x, e.y, e.breite, e.hoehe,
        hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(e.id)), instanz, nullptr);
  for (const Element &e : elemente) {
    if (e.danachStandardknopf)
      SendMessageA(erstellt[e.id], BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    if (e.danachText)
      SetWindowTextA(erstellt[e.id], e.danachText);
  }
}
