// Window tests: start the real Velmora.exe of one build and use it from
// outside as a user would. Usage: fenster_test <build> <group>; each group
// starts its own Velmora. What each build should show is data
// (fenster_erwartung, erwartete_builds).
#include "fenster_erwartung.h"
#include "treiber.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>

namespace {

typedef std::vector<std::string> Liste;

// The commands and boxes that every build has.
const int IDM_NEU = 40001, IDM_BEENDEN = 40002, IDM_HILFE = 40003, IDM_UEBER = 40004,
          IDM_LIZENZ = 40005;
const int QUELL_PRAEFIX = 1, QUELL_EINHEIT = 2, ZIEL_PRAEFIX = 3, ZIEL_EINHEIT = 4;

const Liste PRAEFIXE = {" ", "E", "P", "T",    "G", "M", "k", "h",
                        "d", "c", "m", "\xB5", "n", "p", "f", "a"};
const char KEINE_UMRECHNUNG[] = "Es wurde keine passende Umrechnung gefunden.";
// The text of the request that every build answers.
const std::string GRUND = erwartet::GRUNDBEISPIEL.ausgabe;

std::string BUILD;
const Fenster *F = nullptr;

const erwartet::Build &B() {
  return *F->build;
}

int alles() {
  return B().groessen.front().befehl;
}

const erwartet::Groessenbefehl &groesse(const char *name) {
  for (const erwartet::Groessenbefehl &g : B().groessen)
    if (g.name == name)
      return g;
  std::printf("no quantity %s in build %s\n", name, BUILD.c_str());
  std::exit(2);
}

// A menu command that opens no modal box; returns once it has been handled.
void befehl(const Velmora &v, int id) {
  DWORD_PTR ergebnis = 0;
  SendMessageTimeoutA(v.fenster(), WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_NORMAL, 5000,
                      &ergebnis);
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

// The error box of a failed request; its owner is checked where it is met.
HWND fehlerbox(const Velmora &v, int versuche) {
  return dialogFinden("FEHLER", v.prozessId(), versuche);
}

bool besitzerWieImBuild(const Velmora &v, HWND box) {
  return (GetWindow(box, GW_OWNER) == v.fenster()) == F->fehlerMitBesitzer;
}

DWORD WINAPI klicken(void *knopf) {
  SendMessageA(static_cast<HWND>(knopf), BM_CLICK, 0, 0);
  return 0;
}

// Fills in a request and presses "OK". Gives the output field's text, or
// "FEHLER: " and the text of the error box, which it closes.
std::string umrechnen(const Velmora &v, const std::string &eingabe, const std::string &qp,
                      const std::string &qe, const std::string &zp, const std::string &ze) {
  textSetzen(v.element(F->eingabe), eingabe);
  boxSetzen(v.element(QUELL_PRAEFIX), qp);
  boxSetzen(v.element(QUELL_EINHEIT), qe);
  boxSetzen(v.element(ZIEL_PRAEFIX), zp);
  boxSetzen(v.element(ZIEL_EINHEIT), ze);
  // The click returns once handled, unless a modal box holds it up: it is
  // sent from a thread of its own while this one looks for the box, for
  // 10 s at most.
  HANDLE klick = CreateThread(nullptr, 0, klicken, v.element(F->ok), 0, nullptr);
  HWND box = nullptr;
  for (int i = 0; i < 1000 && !box && WaitForSingleObject(klick, 10) == WAIT_TIMEOUT; ++i)
    box = fehlerbox(v, 1);
  std::string meldung = box ? "FEHLER: " + meldungsText(box) : "";
  if (box) {
    PRUEFE(besitzerWieImBuild(v, box));
    PRUEFE(schliessen(box));
  }
  pruefen(WaitForSingleObject(klick, 5000) == WAIT_OBJECT_0,
          "the click on OK handled within 10 s, or a \"FEHLER\" box", __FILE__, __LINE__);
  CloseHandle(klick);
  return box ? meldung : text(v.element(F->ausgabe));
}

std::string umrechnenWie(const Velmora &v, const erwartet::Beispiel &f) {
  return umrechnen(v, f.eingabe, f.quellPraefix, f.quellEinheit, f.zielPraefix, f.zielEinheit);
}

// What the user sees of the window's state, to compare before and after.
std::string zustand(const Velmora &v) {
  std::string ergebnis;
  for (int id : {QUELL_PRAEFIX, QUELL_EINHEIT, ZIEL_PRAEFIX, ZIEL_EINHEIT, F->groessenbox})
    if (id)
      ergebnis += std::to_string(auswahl(v.element(id))) + "/" +
                  std::to_string(eintraege(v.element(id)).size()) + " ";
  return ergebnis + text(v.element(F->eingabe)) + "|" + text(v.element(F->ausgabe)) + "|" +
         markiert(v);
}

bool klasseIst(HWND element, const char *klasse) {
  return lstrcmpiA(klassenName(element).c_str(), klasse) == 0;
}

// ---- the window and its controls ---------------------------------------------

void lagePruefen(HWND element, const Element &e) {
  RECT lage = lageImElternfenster(element);
  std::string name = "control " + std::to_string(e.id);
  pruefenGleich(lage.left, e.x, name + " x", __FILE__, __LINE__);
  pruefenGleich(lage.top, e.y, name + " y", __FILE__, __LINE__);
  pruefenGleich(lage.right - lage.left, e.breite, name + " width", __FILE__, __LINE__);
  if (e.hoehe >= 0)
    pruefenGleich(lage.bottom - lage.top, e.hoehe, name + " height", __FILE__, __LINE__);
}

void hauptfensterPruefen(const Velmora &v) {
  HWND w = v.fenster();
  PRUEFE_GLEICH(klassenName(w), "Velmora");
  PRUEFE_GLEICH(text(w), F->titel);
  RECT aussen;
  GetWindowRect(w, &aussen);
  PRUEFE_GLEICH(aussen.right - aussen.left, F->breite);
  PRUEFE_GLEICH(aussen.bottom - aussen.top, F->hoehe);
  LONG stil = GetWindowLongA(w, GWL_STYLE);
  PRUEFE((stil & WS_CAPTION) == WS_CAPTION);
  PRUEFE(stil & WS_SYSMENU);
  PRUEFE(stil & WS_MINIMIZEBOX);
  PRUEFE_GLEICH(!!(stil & WS_MAXIMIZEBOX), F->veraenderbar);
  PRUEFE_GLEICH(!!(stil & WS_THICKFRAME), F->veraenderbar);
  PRUEFE_GLEICH(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  PRUEFE(GetMenu(w) != nullptr);
}

void boxPruefen(HWND box, int mitListe) {
  LONG stil = GetWindowLongA(box, GWL_STYLE);
  PRUEFE_GLEICH(stil & 3, CBS_DROPDOWNLIST);
  PRUEFE_GLEICH(!!(stil & CBS_DISABLENOSCROLL), F->ohneScrollbalkenAbschalten);
  PRUEFE(!(stil & CBS_SORT));
  // The height given at creation covers the closed box and its dropped
  // list; Wine's dropped rectangle is as high as the list alone.
  RECT aussen = {}, liste = {};
  GetWindowRect(box, &aussen);
  SendMessageA(box, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&liste));
  PRUEFE_GLEICH((aussen.bottom - aussen.top) + (liste.bottom - liste.top), mitListe);
}

void artPruefen(HWND element, const Element &e) {
  LONG stil = GetWindowLongA(element, GWL_STYLE);
  LONG ex = GetWindowLongA(element, GWL_EXSTYLE);
  switch (e.art) {
  case Art::Box:
    boxPruefen(element, e.id == F->groessenbox ? F->groessenboxMitListe : F->boxMitListe);
    break;
  case Art::Eingabefeld:
    PRUEFE(ex & WS_EX_CLIENTEDGE);
    PRUEFE(!(stil & (ES_AUTOHSCROLL | ES_READONLY | ES_MULTILINE)));
    break;
  case Art::Ausgabefeld:
    PRUEFE(ex & WS_EX_CLIENTEDGE);
    if (klasseIst(element, "STATIC"))
      PRUEFE_GLEICH(stil & SS_TYPEMASK, SS_LEFT);
    else
      PRUEFE(!(stil & (ES_AUTOHSCROLL | ES_READONLY | ES_MULTILINE)));
    break;
  case Art::Knopf:
    PRUEFE_GLEICH(stil & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    break;
  case Art::Rahmen:
    PRUEFE_GLEICH(stil & BS_TYPEMASK, BS_GROUPBOX);
    break;
  }
}

void elementePruefen(const Velmora &v) {
  HWND vorher = nullptr;
  for (const Element &e : F->elemente) {
    HWND element = v.element(e.id);
    pruefen(element != nullptr, "control " + std::to_string(e.id) + " exists", __FILE__, __LINE__);
    if (!element)
      continue;
    PRUEFE(klasseIst(element, e.klasse));
    PRUEFE_GLEICH(text(element), e.text);
    lagePruefen(element, e);
    LONG stil = GetWindowLongA(element, GWL_STYLE);
    PRUEFE((stil & WS_VISIBLE) && (stil & WS_CHILD) && !(stil & WS_TABSTOP));
    PRUEFE_GLEICH(
        reinterpret_cast<INT_PTR>(reinterpret_cast<HFONT>(SendMessageA(element, WM_GETFONT, 0, 0))),
        0);
    artPruefen(element, e);
    // Creation order: each control follows the one before it.
    if (vorher)
      PRUEFE(GetWindow(vorher, GW_HWNDNEXT) == element);
    vorher = element;
  }
  PRUEFE(GetWindow(v.fenster(), GW_CHILD) == v.element(F->elemente.front().id));
  // No control beyond the table.
  PRUEFE(GetWindow(vorher, GW_HWNDNEXT) == nullptr);
}

void anfangszustandPruefen(const Velmora &v) {
  PRUEFE(eintraege(v.element(QUELL_PRAEFIX)) == PRAEFIXE);
  PRUEFE(eintraege(v.element(ZIEL_PRAEFIX)) == PRAEFIXE);
  PRUEFE(eintraege(v.element(QUELL_EINHEIT)) == B().anfangs);
  PRUEFE(eintraege(v.element(ZIEL_EINHEIT)) == B().anfangs);
  if (F->groessenbox) {
    Liste namen;
    for (const erwartet::Groessenbefehl &g : B().groessen)
      namen.push_back(g.name);
    PRUEFE(eintraege(v.element(F->groessenbox)) == namen);
    PRUEFE_GLEICH(auswahl(v.element(F->groessenbox)), 0);
  }
  for (int id : {QUELL_PRAEFIX, QUELL_EINHEIT, ZIEL_PRAEFIX, ZIEL_EINHEIT})
    PRUEFE_GLEICH(auswahl(v.element(id)), -1);
  PRUEFE_GLEICH(text(v.element(F->eingabe)), "");
  PRUEFE_GLEICH(text(v.element(F->ausgabe)), "");
  PRUEFE_GLEICH(markiert(v), std::to_string(alles()));
}

void fokusPruefen(const Velmora &v) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  DWORD faden = GetWindowThreadProcessId(v.fenster(), nullptr);
  PRUEFE(GetGUIThreadInfo(faden, &info));
  PRUEFE(info.hwndFocus == v.element(F->eingabe));
}

// The bits per pixel of each image of an icon group, as stored in the exe.
std::vector<int> farbtiefen(HMODULE exe, const char *icon) {
  std::vector<int> tiefen;
  HRSRC gruppe = FindResourceA(exe, icon, RT_GROUP_ICON);
  if (!gruppe)
    return tiefen;
  const BYTE *daten = static_cast<const BYTE *>(LockResource(LoadResource(exe, gruppe)));
  const int anzahl = daten[4] | daten[5] << 8;
  for (int i = 0; i < anzahl; ++i) {
    const BYTE *eintrag = daten + 6 + 14 * i;
    PRUEFE(eintrag[0] == 32 && eintrag[1] == 32);
    tiefen.push_back(eintrag[6] | eintrag[7] << 8);
  }
  return tiefen;
}

// The resources as stored in the exe: the German menu, icon 101 with its
// images, and the About box with its icon only where the build shows it.
void ressourcenPruefen() {
  HMODULE exe = LoadLibraryExA((programmVerzeichnis() + BUILD + "\\Velmora.exe").c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE);
  PRUEFE(exe != nullptr);
  const WORD DEUTSCH = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
  PRUEFE(FindResourceExA(exe, RT_MENU, "VELMORA", DEUTSCH) != nullptr);
  PRUEFE_GLEICH(FindResourceExA(exe, RT_DIALOG, "ABOUTBOX", DEUTSCH) != nullptr, F->infobox);
  PRUEFE(farbtiefen(exe, MAKEINTRESOURCEA(101)) == F->iconFarbtiefen);
  std::vector<int> schildkroete = farbtiefen(exe, "TURTLE");
  PRUEFE_GLEICH(schildkroete.size(), F->infobox ? 1u : 0u);
  FreeLibrary(exe);
}

void testFenster() {
  Velmora v(BUILD);
  hauptfensterPruefen(v);
  elementePruefen(v);
  anfangszustandPruefen(v);
  fokusPruefen(v);
  PRUEFE_GLEICH(v.menue(), erwartetesMenue(B()));
  // The manifest gives the program and this driver code page 1252 on any
  // system locale that honours it.
  PRUEFE_GLEICH(v.sondeWert("ACP"), "1252");
  PRUEFE_GLEICH(GetACP(), 1252);
  PRUEFE_GLEICH(v.sondeWert("ICON"), "1");
  ressourcenPruefen();
  // Converting before any unit is chosen ends in the error box.
  PRUEFE_GLEICH(umrechnen(v, "1", "", "", "", ""), std::string("FEHLER: ") + KEINE_UMRECHNUNG);
}

// ---- quantities ---------------------------------------------------------------------------

void groessePruefen(const Velmora &v, const erwartet::Groessenbefehl &g, size_t index) {
  std::string name = "quantity " + std::to_string(g.befehl);
  pruefen(eintraege(v.element(QUELL_EINHEIT)) == g.einheiten, name + " source units", __FILE__,
          __LINE__);
  pruefen(eintraege(v.element(ZIEL_EINHEIT)) == g.einheiten, name + " target units", __FILE__,
          __LINE__);
  PRUEFE_GLEICH(auswahl(v.element(QUELL_EINHEIT)), -1);
  PRUEFE_GLEICH(auswahl(v.element(ZIEL_EINHEIT)), -1);
  if (F->groessenbox)
    PRUEFE_GLEICH(auswahl(v.element(F->groessenbox)), static_cast<long long>(index));
  PRUEFE_GLEICH(markiert(v), std::to_string(g.befehl));
}

// Commands of other builds' quantities do nothing.
void fremdeBefehlePruefen(const Velmora &v) {
  const std::string vorher = zustand(v);
  for (int id : {40006, 40007, 40008, 50000, 50001, 50007, 50008})
    if (id < alles() || id > B().groessen.back().befehl)
      befehl(v, id);
  PRUEFE_GLEICH(zustand(v), vorher);
}

void groessenboxPruefen(const Velmora &v) {
  HWND box = v.element(F->groessenbox);
  for (int i = static_cast<int>(B().groessen.size()) - 1; i >= 0; --i) {
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    SendMessageA(v.fenster(), WM_COMMAND, MAKEWPARAM(F->groessenbox, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
    groessePruefen(v, B().groessen[static_cast<size_t>(i)], static_cast<size_t>(i));
  }
  // Other notifications of the quantity box change nothing.
  SendMessageA(box, CB_SETCURSEL, 3, 0);
  SendMessageA(v.fenster(), WM_COMMAND, MAKEWPARAM(F->groessenbox, CBN_DROPDOWN),
               reinterpret_cast<LPARAM>(box));
  PRUEFE_GLEICH(markiert(v), std::to_string(alles()));
}

// "&Neu" empties both fields; the full build also goes back to "Alles".
void neuPruefen(const Velmora &v) {
  const erwartet::Groessenbefehl &temperaturen = groesse("Temperaturen");
  befehl(v, temperaturen.befehl);
  PRUEFE_GLEICH(umrechnen(v, "100", "k", erwartet::GRAD_C, "", "K"), "100273.1500");
  befehl(v, IDM_NEU);
  PRUEFE_GLEICH(text(v.element(F->eingabe)), "");
  PRUEFE_GLEICH(text(v.element(F->ausgabe)), "");
  PRUEFE_GLEICH(auswahl(v.element(QUELL_PRAEFIX)), 6);
  PRUEFE_GLEICH(auswahl(v.element(ZIEL_PRAEFIX)), -1);
  if (F->neuWaehltAlles) {
    groessePruefen(v, B().groessen.front(), 0);
    return;
  }
  PRUEFE_GLEICH(markiert(v), std::to_string(temperaturen.befehl));
  PRUEFE(eintraege(v.element(QUELL_EINHEIT)) == temperaturen.einheiten);
  PRUEFE(eintraege(v.element(ZIEL_EINHEIT)) == temperaturen.einheiten);
  PRUEFE_GLEICH(auswahl(v.element(QUELL_EINHEIT)), 1);
  PRUEFE_GLEICH(auswahl(v.element(ZIEL_EINHEIT)), 0);
}

void testGroessen() {
  Velmora v(BUILD);
  // From the menu, with a unit selected before each choice.
  for (size_t i = 0; i < B().groessen.size(); ++i) {
    SendMessageA(v.element(QUELL_EINHEIT), CB_SETCURSEL, 0, 0);
    SendMessageA(v.element(ZIEL_EINHEIT), CB_SETCURSEL, 1, 0);
    befehl(v, B().groessen[i].befehl);
    groessePruefen(v, B().groessen[i], i);
  }
  // The same quantity again still clears the selection.
  const erwartet::Groessenbefehl &strecken = groesse("Strecken");
  befehl(v, strecken.befehl);
  PRUEFE(waehlen(v.element(QUELL_EINHEIT), "m"));
  befehl(v, strecken.befehl);
  PRUEFE_GLEICH(auswahl(v.element(QUELL_EINHEIT)), -1);
  if (F->groessenbox)
    groessenboxPruefen(v);
  fremdeBefehlePruefen(v);
  neuPruefen(v);
}

// ---- conversions ------------------------------------------------------------------

void beispielePruefen(const Velmora &v) {
  for (const erwartet::Beispiel &f : B().beispiele) {
    std::string soll = f.ausgabe ? f.ausgabe : std::string("FEHLER: ") + KEINE_UMRECHNUNG;
    pruefenGleich(umrechnenWie(v, f), soll,
                  std::string(f.eingabe) + " " + f.quellPraefix + f.quellEinheit + " -> " +
                      f.zielPraefix + f.zielEinheit,
                  __FILE__, __LINE__);
  }
}

// No conversion: the error box, owned as the build has it; the output stays.
void fehlerboxPruefen(const Velmora &v) {
  PRUEFE_GLEICH(umrechnenWie(v, erwartet::GRUNDBEISPIEL), GRUND);
  textSetzen(v.element(F->eingabe), "3");
  PRUEFE(waehlen(v.element(ZIEL_EINHEIT), "K"));
  PostMessageA(v.element(F->ok), BM_CLICK, 0, 0);
  HWND box = fehlerbox(v, 40);
  PRUEFE(box != nullptr);
  if (!box)
    return;
  PRUEFE_GLEICH(meldungsText(box), KEINE_UMRECHNUNG);
  PRUEFE_GLEICH(v.sondeWert("MELDUNG"), "ERROR");
  PRUEFE(besitzerWieImBuild(v, box));
  PRUEFE_GLEICH(!IsWindowEnabled(v.fenster()), F->fehlerMitBesitzer);
  PRUEFE(schliessen(box));
  v.abwarten();
  PRUEFE(IsWindowEnabled(v.fenster()));
  PRUEFE_GLEICH(text(v.element(F->ausgabe)), GRUND);
  PRUEFE_GLEICH(text(v.element(F->eingabe)), "3");
}

// Enter in the input field does not convert, nor does any notification of
// "OK" but a click. The earlier builds' output field takes no typing.
void tastenPruefen(const Velmora &v) {
  PRUEFE(waehlen(v.element(ZIEL_EINHEIT), "in"));
  SetForegroundWindow(v.fenster());
  PostMessageA(v.element(F->eingabe), WM_KEYDOWN, VK_RETURN, 0);
  PostMessageA(v.element(F->eingabe), WM_CHAR, '\r', 0);
  PostMessageA(v.fenster(), WM_COMMAND, MAKEWPARAM(F->ok, BN_SETFOCUS),
               reinterpret_cast<LPARAM>(v.element(F->ok)));
  v.abwarten();
  PRUEFE(dialogFinden(nullptr, v.prozessId(), 2) == nullptr);
  PRUEFE_GLEICH(text(v.element(F->ausgabe)), GRUND);
  if (klasseIst(v.element(F->ausgabe), "STATIC")) {
    HWND ausgabe = v.element(F->ausgabe);
    PostMessageA(ausgabe, WM_CHAR, 'x', 0);
    PostMessageA(ausgabe, WM_KEYDOWN, VK_BACK, 0);
    PostMessageA(ausgabe, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    v.abwarten();
    PRUEFE_GLEICH(text(ausgabe), GRUND);
    PRUEFE_GLEICH(SendMessageA(ausgabe, EM_GETSEL, 0, 0), 0);
  }
}

void testUmrechnen() {
  Velmora v(BUILD);
  beispielePruefen(v);
  // The same request twice, and 0 right after another input.
  PRUEFE_GLEICH(umrechnen(v, "5", "k", "m", " ", "ft"), "16404.1995");
  PRUEFE_GLEICH(umrechnen(v, "5", "k", "m", " ", "ft"), "16404.1995");
  PRUEFE_GLEICH(umrechnen(v, "0", "k", "m", " ", "ft"), "0.00e+00");
  fehlerboxPruefen(v);
  tastenPruefen(v);
}

// ---- help menu ----------------------------------------------------------------------

std::vector<std::string> kinderTexte(HWND dialog) {
  std::vector<std::string> texte;
  for (HWND kind = GetWindow(dialog, GW_CHILD); kind; kind = GetWindow(kind, GW_HWNDNEXT))
    texte.push_back(text(kind));
  return texte;
}

void infoboxPruefen(const Velmora &v) {
  PostMessageA(v.fenster(), WM_COMMAND, IDM_UEBER, 0);
  HWND info = dialogFinden("", v.prozessId());
  PRUEFE(info != nullptr);
  if (!info)
    return;
  PRUEFE(GetWindow(info, GW_OWNER) == v.fenster());
  PRUEFE(!IsWindowEnabled(v.fenster()));
  PRUEFE_GLEICH(GetWindowLongA(info, GWL_STYLE) & WS_CAPTION, 0);
  std::vector<std::string> texte = kinderTexte(info);
  PRUEFE_GLEICH(texte.size(), 5u);
  if (texte.size() == 5) {
    PRUEFE_GLEICH(texte[0], "OK");
    PRUEFE_GLEICH(texte[2], "Velmora");
    PRUEFE_GLEICH(texte[3], "Info \xFC"
                            "ber... (WinBeta V1.xx)");
    PRUEFE_GLEICH(texte[4], "Einheiten umrechnen, ohne Gew\xE4hr.");
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

void testHilfe() {
  Velmora v(BUILD);
  befehl(v, groesse("Temperaturen").befehl);
  PRUEFE_GLEICH(umrechnen(v, "100", " ", erwartet::GRAD_C, " ", "K"), "373.1500");
  const std::string vorher = zustand(v);

  PostMessageA(v.fenster(), WM_COMMAND, IDM_HILFE, 0);
  HWND box = dialogFinden("Velmora", v.prozessId());
  PRUEFE(box != nullptr && GetWindow(box, GW_OWNER) == v.fenster());
  PRUEFE_GLEICH(meldungsText(box), "Die Hilfe ist noch nicht verf\xFC"
                                   "gbar!");
  PRUEFE_GLEICH(v.sondeWert("MELDUNG"), "WARNING");
  PRUEFE(schliessen(box));

  if (F->infobox) {
    infoboxPruefen(v);
  } else {
    // "&über..." only beeps: no dialog of any owner, the window stays enabled.
    befehl(v, IDM_UEBER);
    PRUEFE(dialogFinden(nullptr, v.prozessId(), 4) == nullptr);
    PRUEFE(IsWindowEnabled(v.fenster()));
  }
  PRUEFE_GLEICH(zustand(v), vorher);

  // "&Lizenz" only beeps.
  befehl(v, IDM_LIZENZ);
  PRUEFE(dialogFinden(nullptr, v.prozessId(), 4) == nullptr);
  PRUEFE_GLEICH(zustand(v), vorher);
}

// ---- the window's frame and ending ---------------------------------------------------

// Resizing and maximizing move no control (sizable builds only).
void groesseAendernPruefen(const Velmora &v) {
  std::vector<RECT> vorher;
  for (const Element &e : F->elemente)
    vorher.push_back(lageImElternfenster(v.element(e.id)));
  auto unveraendert = [&] {
    for (size_t i = 0; i < F->elemente.size(); ++i) {
      RECT jetzt = lageImElternfenster(v.element(F->elemente[i].id));
      if (std::memcmp(&jetzt, &vorher[i], sizeof jetzt) != 0)
        return false;
    }
    return true;
  };
  SetWindowPos(v.fenster(), nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
  v.abwarten();
  RECT aussen;
  GetWindowRect(v.fenster(), &aussen);
  PRUEFE_GLEICH(aussen.right - aussen.left, 640);
  PRUEFE(unveraendert());
  SendMessageA(v.fenster(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  v.abwarten();
  PRUEFE(IsZoomed(v.fenster()));
  PRUEFE(unveraendert());
  SendMessageA(v.fenster(), WM_SYSCOMMAND, SC_RESTORE, 0);
  v.abwarten();
  PRUEFE(!IsZoomed(v.fenster()));
  PRUEFE(unveraendert());
  PRUEFE_GLEICH(umrechnenWie(v, erwartet::GRUNDBEISPIEL), GRUND);
}

void testBeenden() {
  {
    Velmora v(BUILD);
    befehl(v, IDM_BEENDEN);
    PRUEFE_GLEICH(v.beendetMit(), 0);
  }
  {
    Velmora v(BUILD);
    if (F->veraenderbar)
      groesseAendernPruefen(v);
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
  Velmora v(BUILD);
  const std::string AUSSERHALB = "Ergebnis au\xDF"
                                 "erhalb des Zahlenbereichs";
  // Input as long as the field takes; the table's unusual input is in
  // testUmrechnen.
  std::string lang(5000, '7');
  PRUEFE_GLEICH(umrechnen(v, lang, " ", "m", " ", "ft"), AUSSERHALB);
  PRUEFE_GLEICH(text(v.element(F->eingabe)).size(), 5000u);
  PRUEFE_GLEICH(umrechnen(v, "1" + std::string(4999, '0'), " ", "m", " ", "ft"), AUSSERHALB);
  PRUEFE_GLEICH(umrechnen(v, "0." + std::string(4998, '0'), " ", "m", " ", "ft"), "0.00e+00");
  PRUEFE_GLEICH(umrechnen(v, "1", " ", "m", " ", "ft"), "3.2808");
}

// ---- the release package ------------------------------------------------------------

// A program of the unpacked package as a user first meets it: its caption
// and one conversion.
void testPaket() {
  Velmora v(BUILD);
  PRUEFE_GLEICH(text(v.fenster()), F->titel);
  PRUEFE_GLEICH(umrechnenWie(v, erwartet::GRUNDBEISPIEL), GRUND);
}

// ---- a catalogue of one's own --------------------------------------------------------

// The full build made from the README's example: its definition file with
// the light-year ("ly") added in both directions.
void testLichtjahr() {
  Velmora v(BUILD);
  // The boxes sort by unsigned bytes, as std::string compares.
  auto mitLichtjahr = [](Liste einheiten) {
    einheiten.push_back("ly");
    std::sort(einheiten.begin(), einheiten.end());
    return einheiten;
  };
  const Liste alle = mitLichtjahr(B().anfangs);
  PRUEFE(eintraege(v.element(QUELL_EINHEIT)) == alle);
  PRUEFE(eintraege(v.element(ZIEL_EINHEIT)) == alle);
  befehl(v, groesse("Strecken").befehl);
  const Liste strecken = mitLichtjahr(groesse("Strecken").einheiten);
  PRUEFE(eintraege(v.element(QUELL_EINHEIT)) == strecken);
  PRUEFE(eintraege(v.element(ZIEL_EINHEIT)) == strecken);
  befehl(v, groesse("Massen").befehl);
  PRUEFE(!waehlen(v.element(QUELL_EINHEIT), "ly"));
  befehl(v, groesse("Strecken").befehl);
  // Direct with prefixes on both sides, and chained through "m" both ways.
  PRUEFE_GLEICH(umrechnen(v, "1", "k", "ly", "P", "m"), "9460.7305");
  PRUEFE_GLEICH(umrechnen(v, "1", " ", "ly", " ", "mile"), "5.88e+12");
  PRUEFE_GLEICH(umrechnen(v, "1", "T", "mile", " ", "ly"), "0.1701");
  PRUEFE_GLEICH(umrechnen(v, "1", " ", "ly", " ", "ly"), "1.0000");
}

} // namespace

int main(int argc, char **argv) {
  const std::map<std::string, std::function<void()>> gruppen = {
      {"fenster", testFenster}, {"groessen", testGroessen},   {"umrechnen", testUmrechnen},
      {"hilfe", testHilfe},     {"beenden", testBeenden},     {"eingaben", testEingaben},
      {"paket", testPaket},     {"lichtjahr", testLichtjahr},
  };
  auto gruppe = argc == 3 ? gruppen.find(argv[2]) : gruppen.end();
  if (argc == 3) {
    BUILD = argv[1];
    LONG einheiten = GetDialogBaseUnits();
    F = fensterVon(BUILD, {LOWORD(einheiten), HIWORD(einheiten), GetSystemMetrics(SM_CXVSCROLL),
                           GetSystemMetrics(SM_CXSCREEN)});
  }
  if (argc == 3 && !F)
    std::printf("%s\n", erwartet::fehlendeErwartung(BUILD).c_str());
  if (!F || gruppe == gruppen.end()) {
    std::string namen;
    for (const auto &g : gruppen)
      namen += (namen.empty() ? "" : "|") + g.first;
    std::printf("usage: fenster_test %s %s\n", VELMORA_BUILD_NAMEN, namen.c_str());
    return 2;
  }
  // A test run in another system locale checks that it took.
  if (const char *codeSeite = std::getenv("VELMORA_SYSTEM_CODESEITE")) {
    char systemSeite[8] = "";
    GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, systemSeite,
                   sizeof systemSeite);
    PRUEFE_GLEICH(std::string(systemSeite), codeSeite);
  }
  gruppe->second();
  std::printf("%s %s: %d passed, %d failed\n", argv[1], argv[2], bestandene(), fehlschlaege());
  return fehlschlaege() == 0 ? 0 : 1;
}
