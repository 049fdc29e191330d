// Window tests: start the real Velmora.exe and use it from outside as a
// user would. Usage: fenster_test <group>; each group starts its own Velmora.
#include "erwartete_einheiten.h"
#include "resource.h"
#include "treiber.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

namespace {

typedef std::vector<std::string> Liste;

const Liste PRAEFIXE = {" ", "E", "P", "T",    "G", "M", "k", "h",
                        "d", "c", "m", "\xB5", "n", "p", "f", "a"};
const Liste GROESSEN = {"Alles",
                        "Druck",
                        "Fl\xE4"
                        "chen",
                        "Kraft",
                        "Massen",
                        "Temperaturen",
                        "Strecken",
                        "Zeit"};
using erwartet::ALLE_EINHEITEN;
const char KEINE_UMRECHNUNG[] = "Es wurde keine passende Umrechnung gefunden.";

void befehl(const Velmora &v, int id) {
  PostMessageA(v.fenster(), WM_COMMAND, static_cast<WPARAM>(id), 0);
  v.abwarten();
}

// The command ids of the checked entries of the running program's menu.
std::string markiert(const Velmora &v) {
  std::string menue = v.menue(), ergebnis;
  size_t anfang = 0;
  while (anfang < menue.size()) {
    size_t ende = menue.find('\n', anfang);
    std::string zeile = menue.substr(anfang, ende - anfang);
    size_t strich = zeile.find('|');
    if (zeile.compare(strich + 1, 1, "C") == 0)
      ergebnis += (ergebnis.empty() ? "" : " ") + zeile.substr(0, strich);
    anfang = ende + 1;
  }
  return ergebnis;
}

// Selects an entry, or no entry for "", as the user's choice would.
void boxSetzen(HWND box, const std::string &eintrag) {
  if (eintrag.empty())
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  else
    PRUEFE(waehlen(box, eintrag));
}

// Fills in a request and presses "OK". Gives the output field's text, or
// "FEHLER: " and the text of the error box, which it closes.
std::string umrechnen(const Velmora &v, const std::string &eingabe, const std::string &qp,
                      const std::string &qe, const std::string &zp, const std::string &ze) {
  textSetzen(v.element(ID_EINGABE), eingabe);
  boxSetzen(v.element(ID_QUELL_PRAEFIX), qp);
  boxSetzen(v.element(ID_QUELL_EINHEIT), qe);
  boxSetzen(v.element(ID_ZIEL_PRAEFIX), zp);
  boxSetzen(v.element(ID_ZIEL_EINHEIT), ze);
  PostMessageA(v.element(ID_OK), BM_CLICK, 0, 0);
  v.abwarten();
  HWND box = dialogFinden("FEHLER", v.fenster(), 2);
  if (!box)
    return text(v.element(ID_AUSGABE));
  std::string meldung = "FEHLER: " + meldungsText(box);
  PRUEFE(schliessen(box));
  return meldung;
}

// What the user sees of the window's state, to compare before and after.
std::string zustand(const Velmora &v) {
  std::string ergebnis;
  for (int id = 1; id <= 5; ++id)
    ergebnis += std::to_string(auswahl(v.element(id))) + "/" +
                std::to_string(eintraege(v.element(id)).size()) + " ";
  return ergebnis + text(v.element(ID_EINGABE)) + "|" + text(v.element(ID_AUSGABE)) + "|" +
         markiert(v);
}

bool klasseIst(HWND element, const char *klasse) {
  return lstrcmpiA(klassenName(element).c_str(), klasse) == 0;
}

// ---- the window and its controls ---------------------------------------------

void lagePruefen(HWND element, int x, int y, int breite, int hoehe, int id) {
  RECT lage = lageImElternfenster(element);
  std::string name = "control " + std::to_string(id);
  pruefenGleich(lage.left, x, name + " x", __FILE__, __LINE__);
  pruefenGleich(lage.top, y, name + " y", __FILE__, __LINE__);
  pruefenGleich(lage.right - lage.left, breite, name + " width", __FILE__, __LINE__);
  if (hoehe >= 0)
    pruefenGleich(lage.bottom - lage.top, hoehe, name + " height", __FILE__, __LINE__);
}

void hauptfensterPruefen(const Velmora &v) {
  HWND w = v.fenster();
  PRUEFE_GLEICH(klassenName(w), "Velmora");
  PRUEFE_GLEICH(text(w), "Velmora");
  RECT aussen;
  GetWindowRect(w, &aussen);
  PRUEFE_GLEICH(aussen.right - aussen.left, 425);
  PRUEFE_GLEICH(aussen.bottom - aussen.top, 260);
  LONG stil = GetWindowLongA(w, GWL_STYLE);
  PRUEFE((stil & WS_CAPTION) == WS_CAPTION);
  PRUEFE(stil & WS_SYSMENU);
  PRUEFE(stil & WS_MINIMIZEBOX);
  PRUEFE(!(stil & WS_MAXIMIZEBOX));
  PRUEFE(!(stil & WS_THICKFRAME));
  PRUEFE_GLEICH(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  PRUEFE(GetMenu(w) != nullptr);
}

void elementePruefen(const Velmora &v) {
  LONG einheiten = GetDialogBaseUnits();
  const int bx = LOWORD(einheiten), by = HIWORD(einheiten), sx = GetSystemMetrics(SM_CXSCREEN);
  struct {
    int id;
    const char *klasse, *text;
    int x, y, breite, hoehe;
  } tabelle[] = {
      {ID_GROESSE, "COMBOBOX", "Alles", 15, 20, 15 * bx, -1},
      {ID_QUELL_PRAEFIX, "COMBOBOX", "", 15, 7 * by, sx / 14, -1},
      {ID_QUELL_EINHEIT, "COMBOBOX", "", 90, 7 * by, sx / 14, -1},
      {ID_ZIEL_PRAEFIX, "COMBOBOX", "", 235, 7 * by, sx / 14, -1},
      {ID_ZIEL_EINHEIT, "COMBOBOX", "", 310, 7 * by, sx / 14, -1},
      {ID_EINGABE, "EDIT", "", bx + 8, by + 60, sx / 7, 3 * by / 2},
      {ID_AUSGABE, "EDIT", "", bx + 227, by + 60, sx / 7, 3 * by / 2},
      {ID_OK, "BUTTON", "OK", 15 * bx, 185, 20 * bx, 7 * by / 4},
      {ID_RAHMEN_EINGABE, "BUTTON", "Eingabe", 10, 50, 170, 100},
      {ID_RAHMEN_AUSGABE, "BUTTON", "Ausgabe", 225, 50, 170, 100},
      {ID_RAHMEN_OBEN, "BUTTON", "", -10, -(by / 2), 2000, 2000},
  };
  HWND vorher = nullptr;
  for (const auto &zeile : tabelle) {
    HWND element = v.element(zeile.id);
    PRUEFE(element != nullptr);
    PRUEFE(klasseIst(element, zeile.klasse));
    PRUEFE_GLEICH(text(element), zeile.text);
    lagePruefen(element, zeile.x, zeile.y, zeile.breite, zeile.hoehe, zeile.id);
    LONG stil = GetWindowLongA(element, GWL_STYLE);
    PRUEFE((stil & WS_VISIBLE) && (stil & WS_CHILD) && !(stil & WS_TABSTOP));
    PRUEFE_GLEICH(
        reinterpret_cast<INT_PTR>(reinterpret_cast<HFONT>(SendMessageA(element, WM_GETFONT, 0, 0))),
        0);
    // Creation order: each control follows the one before it.
    if (vorher)
      PRUEFE(GetWindow(vorher, GW_HWNDNEXT) == element);
    vorher = element;
  }
  PRUEFE(GetWindow(v.fenster(), GW_CHILD) == v.element(ID_GROESSE));

  for (int id = 1; id <= 5; ++id) {
    LONG stil = GetWindowLongA(v.element(id), GWL_STYLE);
    PRUEFE_GLEICH(stil & 3, CBS_DROPDOWNLIST);
    PRUEFE(stil & CBS_DISABLENOSCROLL);
    PRUEFE(!(stil & CBS_SORT));
    // The height given at creation covers the closed box and its dropped
    // list; Wine's dropped rectangle is as high as the list alone.
    RECT box = {}, liste = {};
    GetWindowRect(v.element(id), &box);
    SendMessageA(v.element(id), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&liste));
    PRUEFE_GLEICH((box.bottom - box.top) + (liste.bottom - liste.top),
                  id == ID_GROESSE ? 7 * by : 12 * by);
  }
  for (int id : {ID_EINGABE, ID_AUSGABE}) {
    PRUEFE(GetWindowLongA(v.element(id), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    LONG stil = GetWindowLongA(v.element(id), GWL_STYLE);
    PRUEFE(!(stil & (ES_AUTOHSCROLL | ES_READONLY | ES_MULTILINE)));
  }
  PRUEFE_GLEICH(GetWindowLongA(v.element(ID_OK), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  for (int id : {ID_RAHMEN_EINGABE, ID_RAHMEN_AUSGABE, ID_RAHMEN_OBEN})
    PRUEFE_GLEICH(GetWindowLongA(v.element(id), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
}

void anfangszustandPruefen(const Velmora &v) {
  PRUEFE(eintraege(v.element(ID_QUELL_PRAEFIX)) == PRAEFIXE);
  PRUEFE(eintraege(v.element(ID_ZIEL_PRAEFIX)) == PRAEFIXE);
  PRUEFE(eintraege(v.element(ID_GROESSE)) == GROESSEN);
  PRUEFE(eintraege(v.element(ID_QUELL_EINHEIT)) == ALLE_EINHEITEN);
  PRUEFE(eintraege(v.element(ID_ZIEL_EINHEIT)) == ALLE_EINHEITEN);
  PRUEFE_GLEICH(auswahl(v.element(ID_GROESSE)), 0);
  for (int id : {ID_QUELL_PRAEFIX, ID_QUELL_EINHEIT, ID_ZIEL_PRAEFIX, ID_ZIEL_EINHEIT})
    PRUEFE_GLEICH(auswahl(v.element(id)), -1);
  PRUEFE_GLEICH(markiert(v), std::to_string(IDM_ALLES));
}

void fokusPruefen(const Velmora &v) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  DWORD faden = GetWindowThreadProcessId(v.fenster(), nullptr);
  PRUEFE(GetGUIThreadInfo(faden, &info));
  PRUEFE(info.hwndFocus == v.element(ID_EINGABE));
}

const char MENUE[] = "POPUP|&Datei\n40001||&Neu\n0|S|\n40002||B&eenden\n"
                     "POPUP|&Gr\xF6\xDF"
                     "e\n50000|C|Alles\n50001||Druck\n50002||Fl\xE4"
                     "chen\n"
                     "50003||Kraft\n50004||Massen\n50005||Temperaturen\n50006||Strecken\n"
                     "50007||Zeit\n"
                     "POPUP|&Hilfe\n40003||&Hilfe\n40004||&\xFC"
                     "ber...\n0|S|\n40005||&Lizenz\n";

// The resources as stored in the exe: menu and dialog in German, both icons.
void ressourcenPruefen() {
  HMODULE exe = LoadLibraryExA((programmVerzeichnis() + "Velmora.exe").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE);
  PRUEFE(exe != nullptr);
  const WORD DEUTSCH = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
  PRUEFE(FindResourceExA(exe, RT_MENU, "VELMORA", DEUTSCH) != nullptr);
  PRUEFE(FindResourceExA(exe, RT_DIALOG, "ABOUTBOX", DEUTSCH) != nullptr);
  const char *const icons[] = {MAKEINTRESOURCEA(IDI_VELMORA), "TURTLE"};
  for (const char *icon : icons) {
    HRSRC gruppe = FindResourceA(exe, icon, RT_GROUP_ICON);
    PRUEFE(gruppe != nullptr);
    if (!gruppe)
      continue;
    const BYTE *daten = static_cast<const BYTE *>(LockResource(LoadResource(exe, gruppe)));
    PRUEFE(daten[4] >= 1 && daten[6] == 32 && daten[7] == 32);
  }
  FreeLibrary(exe);
}

void testFenster() {
  Velmora v;
  PRUEFE(v.laeuft());
  if (!v.laeuft())
    return;
  hauptfensterPruefen(v);
  elementePruefen(v);
  anfangszustandPruefen(v);
  fokusPruefen(v);
  PRUEFE_GLEICH(v.menue(), MENUE);
  ressourcenPruefen();
  // Converting before any unit is chosen ends in the error box.
  PRUEFE_GLEICH(umrechnen(v, "1", "", "", "", ""), std::string("FEHLER: ") + KEINE_UMRECHNUNG);
}

// ---- quantities ---------------------------------------------------------------------------

void groessePruefen(const Velmora &v, int befehlsId, const Liste &einheiten) {
  std::string name = "quantity " + std::to_string(befehlsId);
  pruefen(eintraege(v.element(ID_QUELL_EINHEIT)) == einheiten, name + " source units", __FILE__,
          __LINE__);
  pruefen(eintraege(v.element(ID_ZIEL_EINHEIT)) == einheiten, name + " target units", __FILE__,
          __LINE__);
  PRUEFE_GLEICH(auswahl(v.element(ID_QUELL_EINHEIT)), -1);
  PRUEFE_GLEICH(auswahl(v.element(ID_ZIEL_EINHEIT)), -1);
  PRUEFE_GLEICH(auswahl(v.element(ID_GROESSE)), befehlsId - IDM_ALLES);
  PRUEFE_GLEICH(markiert(v), std::to_string(befehlsId));
}

void testGroessen() {
  Velmora v;
  PRUEFE(v.laeuft());
  // From the menu, with a unit selected before each choice.
  for (const erwartet::Groesse &groesse : erwartet::GROESSEN) {
    SendMessageA(v.element(ID_QUELL_EINHEIT), CB_SETCURSEL, 0, 0);
    SendMessageA(v.element(ID_ZIEL_EINHEIT), CB_SETCURSEL, 1, 0);
    int id = groesse.code == 0 ? IDM_ALLES : groesse.code;
    befehl(v, id);
    groessePruefen(v, id, groesse.einheiten);
  }
  // The same quantity again still clears the selection.
  befehl(v, IDM_STRECKEN);
  PRUEFE(waehlen(v.element(ID_QUELL_EINHEIT), "m"));
  befehl(v, IDM_STRECKEN);
  PRUEFE_GLEICH(auswahl(v.element(ID_QUELL_EINHEIT)), -1);
  // From the quantity box, as the user's pick notifies the window.
  HWND box = v.element(ID_GROESSE);
  for (int i = 7; i >= 0; --i) {
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SendMessageA(v.fenster(), WM_COMMAND, MAKEWPARAM(ID_GROESSE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    groessePruefen(v, IDM_ALLES + i, erwartet::GROESSEN[static_cast<size_t>(i)].einheiten);
  }
  // Other notifications of the quantity box change nothing.
  SendMessageA(box, CB_SETCURSEL, 3, 0);
  SendMessageA(v.fenster(), WM_COMMAND, MAKEWPARAM(ID_GROESSE, CBN_DROPDOWN),
               reinterpret_cast<LPARAM>(box));
  PRUEFE_GLEICH(markiert(v), std::to_string(IDM_ALLES));

  // "&Neu" empties both fields, goes back to "Alles" and keeps the prefixes.
  befehl(v, IDM_ZEIT);
  PRUEFE_GLEICH(umrechnen(v, "90", "k", "s", "", "h"), "25.0000");
  befehl(v, IDM_NEU);
  PRUEFE_GLEICH(text(v.element(ID_EINGABE)), "");
  PRUEFE_GLEICH(text(v.element(ID_AUSGABE)), "");
  groessePruefen(v, IDM_ALLES, ALLE_EINHEITEN);
  PRUEFE_GLEICH(auswahl(v.element(ID_QUELL_PRAEFIX)), 6);
  PRUEFE_GLEICH(auswahl(v.element(ID_ZIEL_PRAEFIX)), -1);
}

// ---- conversions ------------------------------------------------------------------

void testUmrechnen() {
  Velmora v;
  PRUEFE(v.laeuft());
  using erwartet::GRAD_C;
  using erwartet::GRAD_F;
  const char *QM = erwartet::QUADRATMETER;
  struct {
    const char *eingabe, *qp, *qe, *zp, *ze, *ausgabe;
  } faelle[] = {
      {"1", "k", "m", " ", "mile", "0.6214"},     {"1", " ", "ft", " ", "in", "12.0000"},
      {"1", "k", QM, " ", "ha", "100.0000"},      {"1", " ", "ha", "k", QM, "0.0100"},
      {"0", " ", GRAD_C, " ", GRAD_F, "32.0000"}, {"-40", " ", GRAD_C, " ", GRAD_F, "-4.00e+01"},
      {"0", " ", "K", " ", GRAD_F, "-4.60e+02"},  {"1", " ", "m", " ", "m", "1.0000"},
      {"1", "G", "m", " ", "ft", "3.28e+09"},     {"1", "G", "kg", "k", "g", "1.00e+09"},
      {"0.001", " ", "m", " ", "ft", "3.28e-03"}, {"0.005", " ", "m", " ", "ft", "0.0164"},
      {"1,5", " ", "m", " ", "ft", "3.2808"},     {"abc", " ", "m", " ", "ft", "0.00e+00"},
      {"", " ", "m", " ", "ft", "0.00e+00"},      {"1", "\xB5", "m", " ", "m", "1.00e-06"},
      {"1", "k", "ha", "k", "ac", "2.4711"},      {"1", "k", "ft", "k", "in", "12.0000"},
      {"2", "", "m", "", "ft", "6.5617"},         {"100", " ", GRAD_C, " ", "K", "373.1500"},
  };
  for (const auto &fall : faelle)
    pruefenGleich(umrechnen(v, fall.eingabe, fall.qp, fall.qe, fall.zp, fall.ze), fall.ausgabe,
                  std::string(fall.eingabe) + " " + fall.qp + fall.qe + " -> " + fall.zp + fall.ze,
                  __FILE__, __LINE__);

  // The same request twice, and 0 right after another input.
  PRUEFE_GLEICH(umrechnen(v, "5", "k", "m", " ", "ft"), "16404.1995");
  PRUEFE_GLEICH(umrechnen(v, "5", "k", "m", " ", "ft"), "16404.1995");
  PRUEFE_GLEICH(umrechnen(v, "0", "k", "m", " ", "ft"), "0.00e+00");

  // No conversion: the error box, owned by the main window; the output stays.
  PRUEFE_GLEICH(umrechnen(v, "2", " ", "m", " ", "ft"), "6.5617");
  textSetzen(v.element(ID_EINGABE), "3");
  PRUEFE(waehlen(v.element(ID_ZIEL_EINHEIT), "kg"));
  PostMessageA(v.element(ID_OK), BM_CLICK, 0, 0);
  HWND box = dialogFinden("FEHLER", v.fenster());
  PRUEFE(box != nullptr);
  PRUEFE_GLEICH(meldungsText(box), KEINE_UMRECHNUNG);
  PRUEFE(!IsWindowEnabled(v.fenster()));
  PRUEFE(schliessen(box));
  v.abwarten();
  PRUEFE(IsWindowEnabled(v.fenster()));
  PRUEFE_GLEICH(text(v.element(ID_AUSGABE)), "6.5617");
  PRUEFE_GLEICH(text(v.element(ID_EINGABE)), "3");

  // Enter in the input field does not convert; only "OK" does.
  PRUEFE(waehlen(v.element(ID_ZIEL_EINHEIT), "in"));
  SetForegroundWindow(v.fenster());
  PostMessageA(v.element(ID_EINGABE), WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(v.element(ID_EINGABE), WM_CHAR, '\r', 0);
  v.abwarten();
  PRUEFE(dialogFinden(nullptr, v.fenster(), 2) == nullptr);
  PRUEFE_GLEICH(text(v.element(ID_AUSGABE)), "6.5617");
}

// ---- help menu ----------------------------------------------------------------------

std::vector<std::string> kinderTexte(HWND dialog) {
  std::vector<std::string> texte;
  for (HWND kind = GetWindow(dialog, GW_CHILD); kind; kind = GetWindow(kind, GW_HWNDNEXT))
    texte.push_back(text(kind));
  return texte;
}

void testHilfe() {
  Velmora v;
  PRUEFE(v.laeuft());
  befehl(v, IDM_TEMPERATUREN);
  PRUEFE_GLEICH(umrechnen(v, "100", " ",
                          "\xB0"
                          "C",
                          " ", "K"),
                "373.1500");
  const std::string vorher = zustand(v);

  PostMessageA(v.fenster(), WM_COMMAND, IDM_HILFE, 0);
  HWND box = dialogFinden("Velmora", v.fenster());
  PRUEFE(box != nullptr);
  PRUEFE_GLEICH(meldungsText(box), "Die Hilfe ist noch nicht verf\xFC"
                                   "gbar!");
  PRUEFE(schliessen(box));

  PostMessageA(v.fenster(), WM_COMMAND, IDM_UEBER, 0);
  HWND info = dialogFinden("", v.fenster());
  PRUEFE(info != nullptr);
  if (info) {
    PRUEFE(!IsWindowEnabled(v.fenster()));
    PRUEFE_GLEICH(GetWindowLongA(info, GWL_STYLE) & WS_CAPTION, 0);
    std::vector<std::string> texte = kinderTexte(info);
    PRUEFE_GLEICH(texte.size(), 5u);
    if (texte.size() == 5) {
      PRUEFE_GLEICH(texte[0], "OK");
      PRUEFE_GLEICH(texte[2], "Velmora");
      PRUEFE_GLEICH(texte[3], "Info \xFC"
                              "ber... (WinBeta V1.xx)");
      PRUEFE(!texte[4].empty());
    }
    HWND icon = GetWindow(GetDlgItem(info, IDOK), GW_HWNDNEXT);
    PRUEFE_GLEICH(GetWindowLongA(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    PRUEFE(SendMessageA(icon, STM_GETICON, 0, 0) != 0);
    // Escape closes it without a trace.
    PostMessageA(GetDlgItem(info, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    for (int i = 0; i < 100 && IsWindow(info); ++i)
      Sleep(20);
    PRUEFE(!IsWindow(info));
    v.abwarten();
    PRUEFE(IsWindowEnabled(v.fenster()));
  }
  PRUEFE_GLEICH(zustand(v), vorher);

  // "&Lizenz" only beeps.
  befehl(v, IDM_LIZENZ);
  PRUEFE(dialogFinden(nullptr, v.fenster(), 4) == nullptr);
  PRUEFE_GLEICH(zustand(v), vorher);
}

// ---- ending -----------------------------------------------------------------------

void testBeenden() {
  {
    Velmora v;
    PRUEFE(v.laeuft());
    befehl(v, IDM_BEENDEN);
    PRUEFE_GLEICH(v.beendetMit(), 0);
  }
  {
    Velmora v;
    PRUEFE(v.laeuft());
    // Minimizing works, the close box ends the program.
    SendMessageA(v.fenster(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PRUEFE(IsIconic(v.fenster()));
    SendMessageA(v.fenster(), WM_SYSCOMMAND, SC_RESTORE, 0);
    PRUEFE(!IsIconic(v.fenster()));
    PostMessageA(v.fenster(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PRUEFE_GLEICH(v.beendetMit(), 0);
  }
}

// ---- unusual input ------------------------------------------------------------------

void testEingaben() {
  Velmora v;
  PRUEFE(v.laeuft());
  const std::string AUSSERHALB = "Ergebnis au\xDF"
                                 "erhalb des Zahlenbereichs";
  PRUEFE_GLEICH(umrechnen(v, "1e300", "E", "m", " ", "\xC5"), AUSSERHALB);
  PRUEFE_GLEICH(umrechnen(v, "1e999", " ", "m", " ", "ft"), AUSSERHALB);
  PRUEFE_GLEICH(umrechnen(v, "inf", " ", "m", " ", "ft"), "0.00e+00");
  PRUEFE_GLEICH(umrechnen(v, "nan", " ", "m", " ", "ft"), "0.00e+00");
  PRUEFE_GLEICH(umrechnen(v, "0x1p3", " ", "m", " ", "ft"), "0.00e+00");
  PRUEFE_GLEICH(umrechnen(v, "\xB5\xE4\xFF\x80 12", " ", "m", " ", "ft"), "0.00e+00");
  std::string lang(5000, '7');
  PRUEFE_GLEICH(umrechnen(v, lang, " ", "m", " ", "ft"), AUSSERHALB);
  PRUEFE_GLEICH(text(v.element(ID_EINGABE)).size(), 5000u);
  PRUEFE_GLEICH(umrechnen(v, "1" + std::string(4999, '0'), " ", "m", " ", "ft"), AUSSERHALB);
  PRUEFE_GLEICH(umrechnen(v, "0." + std::string(4998, '0'), " ", "m", " ", "ft"), "0.00e+00");
  // No unit chosen: the error box, and the program goes on.
  PRUEFE_GLEICH(umrechnen(v, "1", " ", "", " ", "ft"), std::string("FEHLER: ") + KEINE_UMRECHNUNG);
  PRUEFE_GLEICH(umrechnen(v, "1", " ", "m", " ", ""), std::string("FEHLER: ") + KEINE_UMRECHNUNG);
  PRUEFE_GLEICH(umrechnen(v, "1", " ", "m", " ", "ft"), "3.2808");
}

} // namespace

int main(int argc, char **argv) {
  const std::map<std::string, std::function<void()>> gruppen = {
      {"fenster", testFenster}, {"groessen", testGroessen}, {"umrechnen", testUmrechnen},
      {"hilfe", testHilfe},     {"beenden", testBeenden},   {"eingaben", testEingaben},
  };
  auto gruppe = argc == 2 ? gruppen.find(argv[1]) : gruppen.end();
  if (gruppe == gruppen.end()) {
    std::printf("usage: fenster_test fenster|groessen|umrechnen|hilfe|beenden|eingaben\n");
    return 2;
  }
  gruppe->second();
  std::printf("%s: %d passed, %d failed\n", argv[1], bestandene(), fehlschlaege());
  return fehlschlaege() == 0 ? 0 : 1;
}
