// fenster_tests.dll: the window tests, loaded into a running Velmora.exe
// of one build (VELMORA_TEST_BUILD) by fenster_test.exe. On a thread of its
// own it runs the GoogleTest cases that GTEST_FILTER names against the
// program's window, while a CBT hook on the window's thread notes each box
// as it is activated and closes it. Where a test failed, it ends the
// program with exit code 1; else as a user would: by "B&eenden", or by its
// close box where VELMORA_TEST_ENDE is "schliessen". What each build should
// show is data: fenster_erwartung, erwartete_builds. The suites run in this
// order on one window; each sets the state it starts from.
#include "fenster_erwartung.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

typedef std::vector<std::string> Liste;

// A message box or dialog as it was activated.
struct Box {
  std::string titel, text; // text: a message box's (control 0xFFFF)
  HICON icon;              // of its SS_ICON control
  HWND besitzer;           //
  bool hauptfensterAktiv;  // the main window enabled meanwhile
  LONG stil, okStil;       // its own style and that of its IDOK control
  Liste kinder;            // its controls' texts, in order
};

HWND hauptfenster = nullptr;
std::vector<Box> boxen; // the first first

std::string text(HWND fenster) {
  char puffer[8192] = "";
  SendMessageA(fenster, WM_GETTEXT, sizeof puffer, reinterpret_cast<LPARAM>(puffer));
  return puffer;
}

std::string klassenName(HWND fenster) {
  char name[64] = "";
  GetClassNameA(fenster, name, sizeof name);
  return name;
}

const int IDM_NEU = 40001, IDM_HILFE = 40003, IDM_UEBER = 40004, IDM_LIZENZ = 40005;
const int QUELL_PRAEFIX = 1, QUELL_EINHEIT = 2, ZIEL_PRAEFIX = 3, ZIEL_EINHEIT = 4;
const int BOXEN[] = {QUELL_PRAEFIX, QUELL_EINHEIT, ZIEL_PRAEFIX, ZIEL_EINHEIT};
const Liste PRAEFIXE = {" ", "E", "P", "T",    "G", "M", "k", "h",
                        "d", "c", "m", "\xB5", "n", "p", "f", "a"};
const std::string KEINE_UMRECHNUNG = "FEHLER: Es wurde keine passende Umrechnung gefunden.";
const std::string GRUND = erwartet::GRUNDBEISPIEL.ausgabe;

const Fenster &fensterDesBuilds() {
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

// The build's window as expected, and the user's actions on the real one;
// each returns once the program has handled it, any box it opened closed.
class Probe : public testing::Test {
protected:
  static const Fenster &F() { return fensterDesBuilds(); }
  static const erwartet::Build &B() { return *F().build; }
  static HWND element(int id) { return GetDlgItem(hauptfenster, id); }
  static std::string feld(int id) { return text(element(id)); }
  static bool klasseIst(HWND e, const std::string &k) {
    return !lstrcmpiA(klassenName(e).c_str(), k.c_str());
  }
  static void befehl(int id) { SendMessageA(hauptfenster, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  static void melden(int id, int code) {
    SendMessageA(hauptfenster, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(element(id)));
  }
  static int auswahl(int box) {
    return static_cast<int>(SendMessageA(element(box), CB_GETCURSEL, 0, 0));
  }
  static void auswaehlen(int box, size_t i) { SendMessageA(element(box), CB_SETCURSEL, i, 0); }
  static Liste eintraege(int box) {
    Liste liste(static_cast<size_t>(SendMessageA(element(box), CB_GETCOUNT, 0, 0)));
    char eintrag[256];
    for (size_t i = 0; i < liste.size(); ++i)
      if (SendMessageA(element(box), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(eintrag)) >= 0)
        liste[i] = eintrag;
    return liste;
  }
  // Selects the entry whose bytes equal `eintrag` (none for ""); false if there is none.
  static bool waehlen(int box, const std::string &eintrag) {
    const Liste liste = eintraege(box);
    const size_t i =
        static_cast<size_t>(std::find(liste.begin(), liste.end(), eintrag) - liste.begin());
    auswaehlen(box, i < liste.size() ? i : static_cast<size_t>(-1));
    return eintrag.empty() || i < liste.size();
  }
  // Left, top, width and height. A child's normal place is kept in its
  // parent's client coordinates: one reading, however the window manager
  // moves the parent meanwhile.
  static std::vector<long> lage(HWND e) {
    WINDOWPLACEMENT platz = {};
    platz.length = sizeof platz;
    GetWindowPlacement(e, &platz);
    const RECT &r = platz.rcNormalPosition;
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  static std::vector<std::vector<long>> lagen() {
    std::vector<std::vector<long>> alle;
    for (const Element &e : F().elemente)
      alle.push_back(lage(element(e.id)));
    return alle;
  }
  static const erwartet::Groessenbefehl &groesse(const char *name) {
    for (const erwartet::Groessenbefehl &g : B().groessen)
      if (g.name == name)
        return g;
    ADD_FAILURE() << "no quantity " << name;
    return B().groessen.front();
  }
  // The menu, one line per entry: "id|flags|text"; a pop-up "POPUP|text".
  static std::string menueText(HMENU menue = GetMenu(hauptfenster)) {
    std::string text;
    for (int i = 0; i < GetMenuItemCount(menue); ++i) {
      char name[256] = "";
      GetMenuStringA(menue, static_cast<UINT>(i), name, sizeof name, MF_BYPOSITION);
      const UINT zustand = GetMenuState(menue, static_cast<UINT>(i), MF_BYPOSITION);
      if (HMENU unter = GetSubMenu(menue, i))
        text += "POPUP|" + std::string(name) + "\n" + menueText(unter);
      else
        text += std::to_string(GetMenuItemID(menue, i)) + "|" +
                ((zustand & MF_SEPARATOR) ? "S" : "") + ((zustand & MF_CHECKED) ? "C" : "") + "|" +
                name + "\n";
    }
    return text;
  }
  // Fills in a request and presses "OK": the output field's text, or
  // "FEHLER: " and the text of the box that it showed.
  static std::string umrechnen(const std::string &eingabe, const std::string &qp,
                               const std::string &qe, const std::string &zp,
                               const std::string &ze) {
    SendMessageA(element(F().eingabe), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(eingabe.c_str()));
    EXPECT_TRUE(waehlen(QUELL_PRAEFIX, qp) && waehlen(QUELL_EINHEIT, qe) &&
                waehlen(ZIEL_PRAEFIX, zp) && waehlen(ZIEL_EINHEIT, ze))
        << qp << qe << " -> " << zp << ze;
    const size_t vorher = boxen.size();
    SendMessageA(element(F().ok), BM_CLICK, 0, 0);
    if (boxen.size() == vorher)
      return feld(F().ausgabe);
    EXPECT_EQ(boxen.back().besitzer == hauptfenster, F().fehlerMitBesitzer);
    return boxen.back().titel + ": " + boxen.back().text;
  }
  // From "Alles", whose units it takes.
  static std::string grundbeispiel() {
    befehl(B().groessen.front().befehl);
    const erwartet::Beispiel &g = erwartet::GRUNDBEISPIEL;
    return umrechnen(g.eingabe, g.quellPraefix, g.quellEinheit, g.zielPraefix, g.zielEinheit);
  }
  static void groessePruefen(const erwartet::Groessenbefehl &g, size_t index) {
    SCOPED_TRACE("quantity " + std::to_string(g.befehl));
    EXPECT_EQ(eintraege(QUELL_EINHEIT), g.einheiten);
    EXPECT_EQ(eintraege(ZIEL_EINHEIT), g.einheiten);
    EXPECT_EQ(auswahl(QUELL_EINHEIT), -1);
    EXPECT_EQ(auswahl(ZIEL_EINHEIT), -1);
    EXPECT_EQ(F().groessenbox ? auswahl(F().groessenbox) : 0,
              F().groessenbox ? static_cast<int>(index) : 0);
    EXPECT_EQ(menueText(), erwartetesMenue(B(), g.befehl));
  }
  // What the user sees of the window, to compare before and after.
  static std::string zustand() {
    std::string z;
    for (int id : {QUELL_PRAEFIX, QUELL_EINHEIT, ZIEL_PRAEFIX, ZIEL_EINHEIT, F().groessenbox})
      if (id)
        z += std::to_string(auswahl(id)) + "/" + std::to_string(eintraege(id).size()) + " ";
    return z + feld(F().eingabe) + "|" + feld(F().ausgabe) + "|" + menueText();
  }
};
typedef Probe Anfang, Groessen, Umrechnen, Hilfe, Rahmen, Lichtjahr;

TEST_F(Anfang, Hauptfenster) {
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

// Every control in creation order, its class, text, place, styles and the
// font it was given (none), and none beyond the table.
TEST_F(Anfang, Elemente) {
  HWND e = GetWindow(hauptfenster, GW_CHILD);
  for (const Element &soll : F().elemente) {
    SCOPED_TRACE("control " + std::to_string(soll.id));
    ASSERT_EQ(e, element(soll.id));
    EXPECT_TRUE(klasseIst(e, soll.klasse));
    EXPECT_EQ(text(e), soll.text);
    const std::vector<long> ist = lage(e);
    EXPECT_EQ(ist, std::vector<long>(
                       {soll.x, soll.y, soll.breite, soll.hoehe < 0 ? ist[3] : soll.hoehe}));
    const LONG stil = GetWindowLongA(e, GWL_STYLE), ex = GetWindowLongA(e, GWL_EXSTYLE);
    EXPECT_EQ(stil & (WS_VISIBLE | WS_CHILD | WS_TABSTOP), WS_VISIBLE | WS_CHILD);
    EXPECT_EQ(SendMessageA(e, WM_GETFONT, 0, 0), 0);
    const bool feld = soll.art == Art::Eingabefeld || soll.art == Art::Ausgabefeld;
    EXPECT_EQ(!!(ex & WS_EX_CLIENTEDGE), feld);
    const LONG feldStil =
        klasseIst(e, "STATIC") ? SS_TYPEMASK : ES_AUTOHSCROLL | ES_READONLY | ES_MULTILINE;
    EXPECT_EQ(feld ? stil & feldStil : 0, 0); // SS_LEFT
    if (soll.art == Art::Knopf || soll.art == Art::Rahmen) {
      EXPECT_EQ(stil & BS_TYPEMASK, soll.art == Art::Knopf ? BS_DEFPUSHBUTTON : BS_GROUPBOX);
    }
    if (soll.art == Art::Box) {
      EXPECT_EQ(stil & (3 | CBS_SORT), CBS_DROPDOWNLIST);
      EXPECT_EQ(!!(stil & CBS_DISABLENOSCROLL), F().ohneScrollbalkenAbschalten);
      // The height given at creation covers the closed box and its dropped
      // list; Wine's dropped rectangle is as high as the list alone.
      RECT liste = {};
      SendMessageA(e, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&liste));
      EXPECT_EQ(ist[3] + liste.bottom - liste.top,
                soll.id == F().groessenbox ? F().groessenboxMitListe : F().boxMitListe);
    }
    e = GetWindow(e, GW_HWNDNEXT);
  }
  EXPECT_EQ(e, nullptr);
}

TEST_F(Anfang, Zustand) {
  EXPECT_EQ(eintraege(QUELL_PRAEFIX), PRAEFIXE);
  EXPECT_EQ(eintraege(ZIEL_PRAEFIX), PRAEFIXE);
  EXPECT_EQ(eintraege(QUELL_EINHEIT), B().anfangs);
  EXPECT_EQ(eintraege(ZIEL_EINHEIT), B().anfangs);
  if (F().groessenbox) {
    Liste namen;
    for (const erwartet::Groessenbefehl &g : B().groessen)
      namen.push_back(g.name);
    EXPECT_EQ(eintraege(F().groessenbox), namen);
    EXPECT_EQ(auswahl(F().groessenbox), 0);
  }
  for (int id : BOXEN)
    EXPECT_EQ(auswahl(id), -1);
  EXPECT_EQ(feld(F().eingabe) + "|" + feld(F().ausgabe), "|");
  EXPECT_EQ(menueText(), erwartetesMenue(B(), B().groessen.front().befehl));
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
TEST_F(Anfang, Ressourcen) {
  HMODULE exe = GetModuleHandleA(nullptr);
  const WORD DEUTSCH = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
  EXPECT_NE(FindResourceExA(exe, RT_MENU, "VELMORA", DEUTSCH), nullptr);
  EXPECT_EQ(FindResourceExA(exe, RT_DIALOG, "ABOUTBOX", DEUTSCH) != nullptr, F().infobox);
  EXPECT_EQ(farbtiefen(MAKEINTRESOURCEA(101)), F().iconFarbtiefen);
  EXPECT_EQ(farbtiefen("TURTLE").size(), F().infobox ? 1u : 0u);
}

// From the menu, with units selected before each choice, the same one
// twice; then from the quantity box, backwards.
TEST_F(Groessen, MenueUndBox) {
  for (size_t i = 0; i < B().groessen.size() * 2; ++i) {
    auswaehlen(QUELL_EINHEIT, 0);
    auswaehlen(ZIEL_EINHEIT, 1);
    befehl(B().groessen[i / 2].befehl);
    groessePruefen(B().groessen[i / 2], i / 2);
  }
  if (!F().groessenbox)
    return;
  for (size_t i = B().groessen.size(); i-- > 0;) {
    auswaehlen(F().groessenbox, i);
    melden(F().groessenbox, CBN_SELCHANGE);
    groessePruefen(B().groessen[i], i);
  }
  // Other notifications of the box change nothing.
  auswaehlen(F().groessenbox, 3);
  melden(F().groessenbox, CBN_DROPDOWN);
  EXPECT_EQ(menueText(), erwartetesMenue(B(), B().groessen.front().befehl));
}

// Commands of other builds' quantities do nothing.
TEST_F(Groessen, FremdeBefehle) {
  const std::string vorher = zustand();
  for (int id : {40006, 40007, 40008, 50000, 50001, 50007, 50008})
    if (id < B().groessen.front().befehl || id > B().groessen.back().befehl)
      befehl(id);
  EXPECT_EQ(zustand(), vorher);
}

// "&Neu" empties both fields; the full build also goes back to "Alles".
TEST_F(Groessen, Neu) {
  const erwartet::Groessenbefehl &temperaturen = groesse("Temperaturen");
  befehl(temperaturen.befehl);
  EXPECT_EQ(umrechnen("100", "k", erwartet::GRAD_C, "", "K"), "100273.1500");
  befehl(IDM_NEU);
  EXPECT_EQ(feld(F().eingabe) + "|" + feld(F().ausgabe), "|");
  EXPECT_EQ(auswahl(QUELL_PRAEFIX), 6);
  EXPECT_EQ(auswahl(ZIEL_PRAEFIX), -1);
  if (F().neuWaehltAlles)
    return groessePruefen(B().groessen.front(), 0);
  EXPECT_EQ(menueText(), erwartetesMenue(B(), temperaturen.befehl));
  EXPECT_EQ(eintraege(QUELL_EINHEIT), temperaturen.einheiten);
  EXPECT_EQ(auswahl(QUELL_EINHEIT), 1);
  EXPECT_EQ(auswahl(ZIEL_EINHEIT), 0);
}

// The request reaches the list and its answer the field, input as long
// as the field takes too; no request before a unit is chosen. What the
// list makes of requests: the catalogue tests.
TEST_F(Umrechnen, Anfrage) {
  befehl(B().groessen.front().befehl);
  EXPECT_EQ(umrechnen("1", "", "", "", ""), KEINE_UMRECHNUNG);
  EXPECT_EQ(umrechnen("5", "k", "m", " ", "ft"), "16404.1995");
  EXPECT_EQ(umrechnen(std::string(5000, '7'), " ", "m", " ", "ft"), "Ergebnis au\xDF"
                                                                    "erhalb des Zahlenbereichs");
  EXPECT_EQ(feld(F().eingabe).size(), 5000u);
  EXPECT_EQ(grundbeispiel(), GRUND);
}

// No conversion: the error box, owned as the build has it; the output stays.
TEST_F(Umrechnen, Fehlerbox) {
  EXPECT_EQ(grundbeispiel(), GRUND);
  EXPECT_EQ(umrechnen("3", " ", "m", " ", "K"), KEINE_UMRECHNUNG);
  ASSERT_FALSE(boxen.empty());
  EXPECT_EQ(boxen.back().icon, LoadIconA(nullptr, IDI_ERROR));
  EXPECT_EQ(boxen.back().hauptfensterAktiv, !F().fehlerMitBesitzer);
  EXPECT_TRUE(IsWindowEnabled(hauptfenster));
  EXPECT_EQ(feld(F().eingabe) + "|" + feld(F().ausgabe), "3|" + GRUND);
}

// Enter in the input field does not convert, nor does any notification of
// "OK" but a click. The earlier builds' output field takes no typing.
TEST_F(Umrechnen, Tasten) {
  EXPECT_EQ(grundbeispiel(), GRUND);
  waehlen(ZIEL_EINHEIT, "in");
  const size_t vorher = boxen.size();
  SendMessageA(element(F().eingabe), WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(element(F().eingabe), WM_CHAR, '\r', 0);
  melden(F().ok, BN_SETFOCUS);
  EXPECT_EQ(boxen.size(), vorher);
  EXPECT_EQ(feld(F().ausgabe), GRUND);
  HWND ausgabe = element(F().ausgabe);
  if (!klasseIst(ausgabe, "STATIC"))
    return;
  SendMessageA(ausgabe, WM_CHAR, 'x', 0);
  SendMessageA(ausgabe, WM_KEYDOWN, VK_BACK, 0);
  SendMessageA(ausgabe, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(text(ausgabe), GRUND);
  EXPECT_EQ(SendMessageA(ausgabe, EM_GETSEL, 0, 0), 0);
}

TEST_F(Hilfe, Boxen) {
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

// Minimizing works; resizing and maximizing move no control (sizable
// builds only). The program's end is the launcher's to see.
TEST_F(Rahmen, GroesseUndSymbol) {
  const auto vorher = lagen();
  if (F().veraenderbar) {
    SetWindowPos(hauptfenster, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    RECT aussen;
    GetWindowRect(hauptfenster, &aussen);
    EXPECT_EQ(aussen.right - aussen.left, 640);
    EXPECT_EQ(lagen(), vorher);
    SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(hauptfenster));
    EXPECT_EQ(lagen(), vorher);
    SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(hauptfenster));
  }
  SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(hauptfenster));
  SendMessageA(hauptfenster, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(hauptfenster));
  EXPECT_EQ(lagen(), vorher);
  EXPECT_EQ(grundbeispiel(), GRUND);
}

// The full build made from the README's example: the light-year ("ly")
// added in both directions, sorted by unsigned bytes.
TEST_F(Lichtjahr, Anfragen) {
  auto mitLichtjahr = [](Liste einheiten) {
    einheiten.push_back("ly");
    std::sort(einheiten.begin(), einheiten.end());
    return einheiten;
  };
  EXPECT_EQ(eintraege(QUELL_EINHEIT), mitLichtjahr(B().anfangs));
  EXPECT_EQ(eintraege(ZIEL_EINHEIT), mitLichtjahr(B().anfangs));
  befehl(groesse("Massen").befehl);
  EXPECT_FALSE(waehlen(QUELL_EINHEIT, "ly"));
  befehl(groesse("Strecken").befehl);
  EXPECT_EQ(eintraege(ZIEL_EINHEIT), mitLichtjahr(groesse("Strecken").einheiten));
  EXPECT_EQ(umrechnen("1", "k", "ly", "P", "m"), "9460.7305");
  EXPECT_EQ(umrechnen("1", " ", "ly", " ", "mile"), "5.88e+12");
  EXPECT_EQ(umrechnen("1", "T", "mile", " ", "ly"), "0.1701");
  EXPECT_EQ(umrechnen("1", " ", "ly", " ", "ly"), "1.0000");
}

// Notes a box once; a message box is closed with "OK", the About box with
// Escape.
LRESULT CALLBACK cbt(int code, WPARAM wParam, LPARAM lParam) {
  HWND box = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && klassenName(box) == "#32770" && !GetPropA(box, "gesehen")) {
    SetPropA(box, "gesehen", box);
    Box b = {text(box),
             text(GetDlgItem(box, 0xFFFF)),
             nullptr,
             GetWindow(box, GW_OWNER),
             IsWindowEnabled(hauptfenster) != FALSE,
             GetWindowLongA(box, GWL_STYLE),
             GetWindowLongA(GetDlgItem(box, IDOK), GWL_STYLE),
             Liste()};
    for (HWND kind = GetWindow(box, GW_CHILD); kind; kind = GetWindow(kind, GW_HWNDNEXT)) {
      b.kinder.push_back(text(kind));
      if ((GetWindowLongA(kind, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
          klassenName(kind) == "Static")
        b.icon = reinterpret_cast<HICON>(SendMessageA(kind, STM_GETICON, 0, 0));
    }
    boxen.push_back(b);
    if (GetDlgItem(box, 0xFFFF))
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    else
      PostMessageA(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The window is there once the program's start has shown it: the only
// one of its class on this run's own desktop.
DWORD WINAPI testsLaufen(void *modul) {
  while (!IsWindowVisible(hauptfenster = FindWindowA("Velmora", nullptr)))
    Sleep(20);
  testing::InitGoogleTest();
  HHOOK haken = SetWindowsHookExA(WH_CBT, cbt, static_cast<HMODULE>(modul),
                                  GetWindowThreadProcessId(hauptfenster, nullptr));
  const int fehler = RUN_ALL_TESTS();
  UnhookWindowsHookEx(haken);
  std::fflush(stdout);
  if (fehler)
    ExitProcess(1);
  const char *ende = std::getenv("VELMORA_TEST_ENDE");
  if (ende && std::string(ende) == "schliessen")
    PostMessageA(hauptfenster, WM_SYSCOMMAND, SC_CLOSE, 0);
  else
    PostMessageA(hauptfenster, WM_COMMAND, 40002, 0); // "B&eenden"
  return 0;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instanz, DWORD grund, void *) {
  if (grund == DLL_PROCESS_ATTACH)
    CloseHandle(CreateThread(nullptr, 0, testsLaufen, instanz, 0, nullptr));
  return TRUE;
}
