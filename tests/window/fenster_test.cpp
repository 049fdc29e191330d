// The window tests, run inside Velmora's process (im_prozess.h) against
// the shipped program of one build (VELMORA_TEST_BUILD). What each build
// should show is data: fenster_erwartung, erwartete_builds. The suites run
// in this order on one window; each sets the state it starts from.
#include "fenster_erwartung.h"
#include "im_prozess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

typedef std::vector<std::string> Liste;

const int IDM_NEU = 40001, IDM_HILFE = 40003, IDM_UEBER = 40004, IDM_LIZENZ = 40005;
const int QUELL_PRAEFIX = 1, QUELL_EINHEIT = 2, ZIEL_PRAEFIX = 3, ZIEL_EINHEIT = 4;
const Liste PRAEFIXE = {" ", "E", "P", "T",    "G", "M", "k", "h",
                        "d", "c", "m", "\xB5", "n", "p", "f", "a"};
const std::string KEINE_UMRECHNUNG = "FEHLER: Es wurde keine passende Umrechnung gefunden.";
const std::string GRUND = erwartet::GRUNDBEISPIEL.ausgabe;

const Fenster &F() {
  static const Fenster *fenster = [] {
    const LONG einheiten = GetDialogBaseUnits();
    return fensterVon(std::getenv("VELMORA_TEST_BUILD"),
                      {LOWORD(einheiten), HIWORD(einheiten), GetSystemMetrics(SM_CXVSCROLL),
                       GetSystemMetrics(SM_CXSCREEN)});
  }();
  if (!fenster)
    std::abort();
  return *fenster;
}

const erwartet::Build &B() {
  return *F().build;
}

const erwartet::Groessenbefehl &groesse(const char *name) {
  for (const erwartet::Groessenbefehl &g : B().groessen)
    if (g.name == name)
      return g;
  ADD_FAILURE() << "no quantity " << name;
  return B().groessen.front();
}

// The ids of the checked entries of the menu.
std::string markiert() {
  std::string ids;
  for (const erwartet::Groessenbefehl &g : B().groessen)
    if (GetMenuState(GetMenu(hauptfenster), static_cast<UINT>(g.befehl), MF_BYCOMMAND) & MF_CHECKED)
      ids += (ids.empty() ? "" : " ") + std::to_string(g.befehl);
  return ids;
}

// Fills in a request and presses "OK": the output field's text, or
// "FEHLER: " and the text of the box that it showed.
std::string umrechnen(const std::string &eingabe, const std::string &qp, const std::string &qe,
                      const std::string &zp, const std::string &ze) {
  textSetzen(element(F().eingabe), eingabe);
  EXPECT_TRUE(waehlen(element(QUELL_PRAEFIX), qp) && waehlen(element(QUELL_EINHEIT), qe) &&
              waehlen(element(ZIEL_PRAEFIX), zp) && waehlen(element(ZIEL_EINHEIT), ze))
      << qp << qe << " -> " << zp << ze;
  const size_t vorher = boxen.size();
  SendMessageA(element(F().ok), BM_CLICK, 0, 0);
  if (boxen.size() == vorher)
    return text(element(F().ausgabe));
  EXPECT_EQ(boxen.back().besitzer == hauptfenster, F().fehlerMitBesitzer);
  return boxen.back().titel + ": " + boxen.back().text;
}

// From "Alles", whose units it takes.
std::string grundbeispiel() {
  befehl(B().groessen.front().befehl);
  const erwartet::Beispiel &g = erwartet::GRUNDBEISPIEL;
  return umrechnen(g.eingabe, g.quellPraefix, g.quellEinheit, g.zielPraefix, g.zielEinheit);
}

// What the user sees of the window, to compare before and after.
std::string zustand() {
  std::string z;
  for (int id : {QUELL_PRAEFIX, QUELL_EINHEIT, ZIEL_PRAEFIX, ZIEL_EINHEIT, F().groessenbox})
    if (id)
      z += std::to_string(auswahl(element(id))) + "/" +
           std::to_string(eintraege(element(id)).size()) + " ";
  return z + text(element(F().eingabe)) + "|" + text(element(F().ausgabe)) + "|" + markiert();
}

bool klasseIst(HWND hwnd, const char *klasse) {
  return lstrcmpiA(klassenName(hwnd).c_str(), klasse) == 0;
}

// ---- the window as it starts ------------------------------------------------

TEST(Fenster, Hauptfenster) {
  EXPECT_EQ(text(hauptfenster), F().titel);
  RECT aussen;
  GetWindowRect(hauptfenster, &aussen);
  EXPECT_EQ(aussen.right - aussen.left, F().breite);
  EXPECT_EQ(aussen.bottom - aussen.top, F().hoehe);
  const LONG stil = GetWindowLongA(hauptfenster, GWL_STYLE);
  EXPECT_EQ(stil & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_EQ(!!(stil & WS_MAXIMIZEBOX), F().veraenderbar);
  EXPECT_EQ(!!(stil & WS_THICKFRAME), F().veraenderbar);
  EXPECT_EQ(GetWindowLongA(hauptfenster, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  // The class carries the program icon, the process the code page 1252
  // that the manifest asks for on any system locale.
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(hauptfenster, GCLP_HICON)),
            LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101)));
  EXPECT_EQ(GetACP(), 1252u);
  if (const char *seite = std::getenv("VELMORA_SYSTEM_CODESEITE")) {
    char system[8] = "";
    GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, system, sizeof system);
    EXPECT_STREQ(system, seite);
  }
}

void artPruefen(HWND e, const Element &soll) {
  const LONG stil = GetWindowLongA(e, GWL_STYLE), ex = GetWindowLongA(e, GWL_EXSTYLE);
  const bool kante = soll.art == Art::Eingabefeld || soll.art == Art::Ausgabefeld;
  EXPECT_EQ(!!(ex & WS_EX_CLIENTEDGE), kante);
  if (kante) {
    EXPECT_EQ(
        stil & (klasseIst(e, "STATIC") ? SS_TYPEMASK : ES_AUTOHSCROLL | ES_READONLY | ES_MULTILINE),
        0); // SS_LEFT
  }
  if (soll.art == Art::Knopf || soll.art == Art::Rahmen) {
    EXPECT_EQ(stil & BS_TYPEMASK, soll.art == Art::Knopf ? BS_DEFPUSHBUTTON : BS_GROUPBOX);
  }
  if (soll.art != Art::Box)
    return;
  EXPECT_EQ(stil & (3 | CBS_SORT), CBS_DROPDOWNLIST);
  EXPECT_EQ(!!(stil & CBS_DISABLENOSCROLL), F().ohneScrollbalkenAbschalten);
  // The height given at creation covers the closed box and its dropped
  // list; Wine's dropped rectangle is as high as the list alone.
  RECT liste = {};
  SendMessageA(e, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&liste));
  const RECT r = lage(e);
  EXPECT_EQ(r.bottom - r.top + liste.bottom - liste.top,
            soll.id == F().groessenbox ? F().groessenboxMitListe : F().boxMitListe);
}

// Every control in creation order, and none beyond the table.
TEST(Fenster, Elemente) {
  HWND e = GetWindow(hauptfenster, GW_CHILD);
  for (const Element &soll : F().elemente) {
    SCOPED_TRACE("control " + std::to_string(soll.id));
    ASSERT_EQ(e, element(soll.id));
    EXPECT_TRUE(klasseIst(e, soll.klasse));
    EXPECT_EQ(text(e), soll.text);
    const RECT r = lage(e);
    EXPECT_EQ(r.left, soll.x);
    EXPECT_EQ(r.top, soll.y);
    EXPECT_EQ(r.right - r.left, soll.breite);
    EXPECT_EQ(r.bottom - r.top, soll.hoehe < 0 ? r.bottom - r.top : soll.hoehe);
    EXPECT_EQ(GetWindowLongA(e, GWL_STYLE) & (WS_VISIBLE | WS_CHILD | WS_TABSTOP),
              WS_VISIBLE | WS_CHILD);
    EXPECT_EQ(SendMessageA(e, WM_GETFONT, 0, 0), 0);
    artPruefen(e, soll);
    e = GetWindow(e, GW_HWNDNEXT);
  }
  EXPECT_EQ(e, nullptr);
}

TEST(Fenster, Anfangszustand) {
  EXPECT_EQ(eintraege(element(QUELL_PRAEFIX)), PRAEFIXE);
  EXPECT_EQ(eintraege(element(ZIEL_PRAEFIX)), PRAEFIXE);
  EXPECT_EQ(eintraege(element(QUELL_EINHEIT)), B().anfangs);
  EXPECT_EQ(eintraege(element(ZIEL_EINHEIT)), B().anfangs);
  if (F().groessenbox) {
    Liste namen;
    for (const erwartet::Groessenbefehl &g : B().groessen)
      namen.push_back(g.name);
    EXPECT_EQ(eintraege(element(F().groessenbox)), namen);
    EXPECT_EQ(auswahl(element(F().groessenbox)), 0);
  }
  for (int id : {QUELL_PRAEFIX, QUELL_EINHEIT, ZIEL_PRAEFIX, ZIEL_EINHEIT})
    EXPECT_EQ(auswahl(element(id)), -1);
  EXPECT_EQ(text(element(F().eingabe)), "");
  EXPECT_EQ(text(element(F().ausgabe)), "");
  EXPECT_EQ(markiert(), std::to_string(B().groessen.front().befehl));
  EXPECT_EQ(menueText(GetMenu(hauptfenster)), erwartetesMenue(B()));
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(hauptfenster, nullptr), &info));
  EXPECT_EQ(info.hwndFocus, element(F().eingabe));
}

// The bits per pixel of each image of an icon group, all 32 by 32.
std::vector<int> farbtiefen(const char *icon) {
  std::vector<int> tiefen;
  HMODULE exe = GetModuleHandleA(nullptr);
  HRSRC gruppe = FindResourceA(exe, icon, RT_GROUP_ICON);
  const BYTE *d =
      gruppe ? static_cast<const BYTE *>(LockResource(LoadResource(exe, gruppe))) : nullptr;
  for (int i = 0; d && i < (d[4] | d[5] << 8); ++i) {
    const BYTE *eintrag = d + 6 + 14 * i;
    EXPECT_TRUE(eintrag[0] == 32 && eintrag[1] == 32);
    tiefen.push_back(eintrag[6] | eintrag[7] << 8);
  }
  return tiefen;
}

// The German menu, icon 101, and the About box with its icon only where
// the build shows it.
TEST(Fenster, Ressourcen) {
  HMODULE exe = GetModuleHandleA(nullptr);
  const WORD DEUTSCH = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
  EXPECT_NE(FindResourceExA(exe, RT_MENU, "VELMORA", DEUTSCH), nullptr);
  EXPECT_EQ(FindResourceExA(exe, RT_DIALOG, "ABOUTBOX", DEUTSCH) != nullptr, F().infobox);
  EXPECT_EQ(farbtiefen(MAKEINTRESOURCEA(101)), F().iconFarbtiefen);
  EXPECT_EQ(farbtiefen("TURTLE").size(), F().infobox ? 1u : 0u);
}

// ---- quantities ----------------------------------------------------------------

void groessePruefen(const erwartet::Groessenbefehl &g, size_t index) {
  SCOPED_TRACE("quantity " + std::to_string(g.befehl));
  EXPECT_EQ(eintraege(element(QUELL_EINHEIT)), g.einheiten);
  EXPECT_EQ(eintraege(element(ZIEL_EINHEIT)), g.einheiten);
  EXPECT_EQ(auswahl(element(QUELL_EINHEIT)), -1);
  EXPECT_EQ(auswahl(element(ZIEL_EINHEIT)), -1);
  EXPECT_EQ(F().groessenbox ? auswahl(element(F().groessenbox)) : 0,
            F().groessenbox ? static_cast<int>(index) : 0);
  EXPECT_EQ(markiert(), std::to_string(g.befehl));
}

// From the menu, with units selected before each choice, the same one twice.
TEST(Groessen, Menue) {
  for (size_t i = 0; i < B().groessen.size(); ++i)
    for (int mal = 0; mal < 2; ++mal) {
      SendMessageA(element(QUELL_EINHEIT), CB_SETCURSEL, 0, 0);
      SendMessageA(element(ZIEL_EINHEIT), CB_SETCURSEL, 1, 0);
      befehl(B().groessen[i].befehl);
      groessePruefen(B().groessen[i], i);
    }
}

TEST(Groessen, Groessenbox) {
  if (!F().groessenbox)
    return;
  HWND box = element(F().groessenbox);
  for (size_t i = B().groessen.size(); i-- > 0;) {
    SendMessageA(box, CB_SETCURSEL, i, 0);
    SendMessageA(hauptfenster, WM_COMMAND, MAKEWPARAM(F().groessenbox, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    groessePruefen(B().groessen[i], i);
  }
  // Other notifications of the box change nothing.
  SendMessageA(box, CB_SETCURSEL, 3, 0);
  SendMessageA(hauptfenster, WM_COMMAND, MAKEWPARAM(F().groessenbox, CBN_DROPDOWN),
               reinterpret_cast<LPARAM>(box));
  EXPECT_EQ(markiert(), std::to_string(B().groessen.front().befehl));
}

// Commands of other builds' quantities do nothing.
TEST(Groessen, FremdeBefehle) {
  const std::string vorher = zustand();
  for (int id : {40006, 40007, 40008, 50000, 50001, 50007, 50008})
    if (id < B().groessen.front().befehl || id > B().groessen.back().befehl)
      befehl(id);
  EXPECT_EQ(zustand(), vorher);
}

// "&Neu" empties both fields; the full build also goes back to "Alles".
TEST(Groessen, Neu) {
  const erwartet::Groessenbefehl &temperaturen = groesse("Temperaturen");
  befehl(temperaturen.befehl);
  EXPECT_EQ(umrechnen("100", "k", erwartet::GRAD_C, "", "K"), "100273.1500");
  befehl(IDM_NEU);
  EXPECT_EQ(text(element(F().eingabe)), "");
  EXPECT_EQ(text(element(F().ausgabe)), "");
  EXPECT_EQ(auswahl(element(QUELL_PRAEFIX)), 6);
  EXPECT_EQ(auswahl(element(ZIEL_PRAEFIX)), -1);
  if (F().neuWaehltAlles)
    return groessePruefen(B().groessen.front(), 0);
  EXPECT_EQ(markiert(), std::to_string(temperaturen.befehl));
  EXPECT_EQ(eintraege(element(QUELL_EINHEIT)), temperaturen.einheiten);
  EXPECT_EQ(auswahl(element(QUELL_EINHEIT)), 1);
  EXPECT_EQ(auswahl(element(ZIEL_EINHEIT)), 0);
}

// ---- conversions: what the window adds to the list's --------------------------

// The request reaches the list and its answer the field, input as long
// as the field takes too; no request before a unit is chosen. What the
// list makes of requests: the catalogue tests.
TEST(Umrechnen, Anfrage) {
  befehl(B().groessen.front().befehl);
  EXPECT_EQ(umrechnen("1", "", "", "", ""), KEINE_UMRECHNUNG);
  EXPECT_EQ(umrechnen("5", "k", "m", " ", "ft"), "16404.1995");
  EXPECT_EQ(umrechnen(std::string(5000, '7'), " ", "m", " ", "ft"), "Ergebnis au\xDF"
                                                                    "erhalb des Zahlenbereichs");
  EXPECT_EQ(text(element(F().eingabe)).size(), 5000u);
  EXPECT_EQ(grundbeispiel(), GRUND);
}

// No conversion: the error box, owned as the build has it; the output stays.
TEST(Umrechnen, Fehlerbox) {
  EXPECT_EQ(grundbeispiel(), GRUND);
  EXPECT_EQ(umrechnen("3", " ", "m", " ", "K"), KEINE_UMRECHNUNG);
  ASSERT_FALSE(boxen.empty());
  EXPECT_EQ(boxen.back().icon, LoadIconA(nullptr, IDI_ERROR));
  EXPECT_EQ(boxen.back().hauptfensterAktiv, !F().fehlerMitBesitzer);
  EXPECT_TRUE(IsWindowEnabled(hauptfenster));
  EXPECT_EQ(text(element(F().ausgabe)), GRUND);
  EXPECT_EQ(text(element(F().eingabe)), "3");
}

// Enter in the input field does not convert, nor does any notification of
// "OK" but a click. The earlier builds' output field takes no typing.
TEST(Umrechnen, Tasten) {
  EXPECT_EQ(grundbeispiel(), GRUND);
  waehlen(element(ZIEL_EINHEIT), "in");
  const size_t vorher = boxen.size();
  SendMessageA(element(F().eingabe), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(element(F().eingabe), WM_CHAR, '\r', 0);
  SendMessageA(hauptfenster, WM_COMMAND, MAKEWPARAM(F().ok, BN_SETFOCUS),
               reinterpret_cast<LPARAM>(element(F().ok)));
  EXPECT_EQ(boxen.size(), vorher);
  EXPECT_EQ(text(element(F().ausgabe)), GRUND);
  HWND ausgabe = element(F().ausgabe);
  if (!klasseIst(ausgabe, "STATIC"))
    return;
  SendMessageA(ausgabe, WM_CHAR, 'x', 0);
  SendMessageA(ausgabe, WM_KEYDOWN, VK_BACK, 0);
  SendMessageA(ausgabe, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(text(ausgabe), GRUND);
  EXPECT_EQ(SendMessageA(ausgabe, EM_GETSEL, 0, 0), 0);
}

// ---- help menu ------------------------------------------------------------------

TEST(Hilfe, Boxen) {
  befehl(groesse("Temperaturen").befehl);
  EXPECT_EQ(umrechnen("100", " ", erwartet::GRAD_C, " ", "K"), "373.1500");
  const std::string vorher = zustand();
  const size_t anfang = boxen.size();
  befehl(IDM_HILFE);
  ASSERT_EQ(boxen.size(), anfang + 1);
  const Box hilfe = boxen.back();
  EXPECT_EQ(hilfe.titel, "Velmora");
  EXPECT_EQ(hilfe.text, "Die Hilfe ist noch nicht verf\xFC"
                        "gbar!");
  EXPECT_EQ(hilfe.besitzer, hauptfenster);
  EXPECT_EQ(hilfe.icon, LoadIconA(nullptr, IDI_WARNING));
  // "&über..." shows the About box, or beeps; "&Lizenz" beeps.
  befehl(IDM_UEBER);
  befehl(IDM_LIZENZ);
  ASSERT_EQ(boxen.size(), anfang + 1 + F().infobox);
  EXPECT_TRUE(IsWindowEnabled(hauptfenster));
  EXPECT_EQ(zustand(), vorher);
  if (!F().infobox)
    return;
  const Box &info = boxen.back();
  EXPECT_EQ(info.besitzer, hauptfenster);
  EXPECT_FALSE(info.hauptfensterAktiv);
  EXPECT_EQ(info.stil & WS_CAPTION, 0);
  EXPECT_EQ(info.okStil & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_NE(info.icon, nullptr);
  EXPECT_EQ(info.kinder, Liste({"OK", "turtle", "Velmora",
                                "Info \xFC"
                                "ber... (WinBeta V1.xx)",
                                "Einheiten umrechnen, ohne Gew\xE4hr."}));
}

// ---- the window's frame ----------------------------------------------------------

// Minimizing works; resizing and maximizing move no control (sizable
// builds only). The program's end is the launcher's to see.
TEST(Rahmen, GroesseUndSymbol) {
  std::vector<RECT> vorher;
  for (const Element &e : F().elemente)
    vorher.push_back(lage(element(e.id)));
  auto unveraendert = [&] {
    for (size_t i = 0; i < vorher.size(); ++i)
      if (!EqualRect(&vorher[i], &static_cast<const RECT &>(lage(element(F().elemente[i].id)))))
        return false;
    return true;
  };
  if (F().veraenderbar) {
    SetWindowPos(hauptfenster, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    RECT aussen;
    GetWindowRect(hauptfenster, &aussen);
    EXPECT_EQ(aussen.right - aussen.left, 640);
    EXPECT_TRUE(unveraendert());
    SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(hauptfenster));
    EXPECT_TRUE(unveraendert());
    SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(hauptfenster));
  }
  SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(hauptfenster));
  SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(hauptfenster));
  EXPECT_TRUE(unveraendert());
  EXPECT_EQ(grundbeispiel(), GRUND);
}

// ---- groups of their own -----------------------------------------------------------

// The full build made from the README's example: the light-year ("ly")
// added in both directions, sorted by unsigned bytes.
TEST(Lichtjahr, Anfragen) {
  auto mitLichtjahr = [](Liste einheiten) {
    einheiten.push_back("ly");
    std::sort(einheiten.begin(), einheiten.end());
    return einheiten;
  };
  EXPECT_EQ(eintraege(element(QUELL_EINHEIT)), mitLichtjahr(B().anfangs));
  EXPECT_EQ(eintraege(element(ZIEL_EINHEIT)), mitLichtjahr(B().anfangs));
  befehl(groesse("Massen").befehl);
  EXPECT_FALSE(waehlen(element(QUELL_EINHEIT), "ly"));
  befehl(groesse("Strecken").befehl);
  EXPECT_EQ(eintraege(element(ZIEL_EINHEIT)), mitLichtjahr(groesse("Strecken").einheiten));
  EXPECT_EQ(umrechnen("1", "k", "ly", "P", "m"), "9460.7305");
  EXPECT_EQ(umrechnen("1", " ", "ly", " ", "mile"), "5.88e+12");
  EXPECT_EQ(umrechnen("1", "T", "mile", " ", "ly"), "0.1701");
  EXPECT_EQ(umrechnen("1", " ", "ly", " ", "ly"), "1.0000");
}

} // namespace
