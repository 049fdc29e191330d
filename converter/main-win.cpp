// Velmora: the main window, its controls and menu commands, and the About box.
// The build's settings (einstellungen.h) choose the window, the unit lists
// and the behaviour of a few commands.
#include "einstellungen.h"
#include "fenster_elemente.h"
#include "nachrichten_schleife.h"
#include "praefixe.h"
#include "resource.h"
#include "umrechnung_liste.h"

#include <windows.h>

namespace {

const char KLASSE[] = "Velmora";
// The caption of the messages; the main window's is the build's own.
const char TITEL[] = "Velmora";

// The quantity box's entries, where the build has the box.
#if VELMORA_GROESSENBOX
const char *const GROESSEN[] = {VELMORA_GROESSEN_NAMEN};
#else
const char *const GROESSEN[] = {nullptr};
#endif
const int GROESSEN_ANZAHL = sizeof GROESSEN / sizeof GROESSEN[0];
static_assert(!einstellung::GROESSENBOX ||
                  GROESSEN_ANZAHL == VELMORA_LETZTE_GROESSE - IDM_ALLES + 1,
              "VELMORA_GROESSEN_NAMEN: one entry for each quantity command");

// The fixed unit tables: unitsQuell and unitsZiel, every label of the
// catalogue, written by zorbel, and the labels of each quantity, which a
// build with fixed tables keeps in its folder.
#include "einheiten.cpp"
#if VELMORA_FESTE_EINHEITEN
#include "feste_einheiten.h"
#else
template <typename Hinzufuegen> void festeEinheiten(int, Hinzufuegen) {}
#endif

const int ANFRAGE_TEXTE = 5;

// Everything the window procedure keeps between messages.
struct Fenster {
  HWND element[ELEMENTE_HOECHSTENS + 1]; // by control id
  int markierteGroesse;
  char *anfrage[ANFRAGE_TEXTE];
  HINSTANCE instanz;
};

Fenster fenster = {{}, IDM_ALLES, {}, nullptr};

HWND element(int id) {
  return fenster.element[id];
}

// ---- creating the controls ------------------------------------------------

void eintragHinzufuegen(int id, const char *text) {
  SendMessageA(element(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

template <size_t N> void tabelleHinzufuegen(int id, const char *const (&tabelle)[N]) {
  for (const char *text : tabelle)
    eintragHinzufuegen(id, text);
}

void boxenFuellen() {
  for (const Praefix &praefix : PRAEFIXE) {
    eintragHinzufuegen(ID_QUELL_PRAEFIX, praefix.text);
    eintragHinzufuegen(ID_ZIEL_PRAEFIX, praefix.text);
  }
  if constexpr (einstellung::GROESSENBOX)
    tabelleHinzufuegen(ID_GROESSE, GROESSEN);
}

// Both unit boxes as the program starts: every label, no selection.
void einheitenAnfangs(HWND hwnd) {
  if constexpr (einstellung::FESTE_EINHEITEN) {
    // "Alles" is checked by the menu resource.
    tabelleHinzufuegen(ID_QUELL_EINHEIT, unitsQuell);
    tabelleHinzufuegen(ID_ZIEL_EINHEIT, unitsZiel);
  } else {
    SendMessageA(hwnd, WM_COMMAND, IDM_ALLES, 0);
  }
}

LRESULT beiErstellen(HWND hwnd, LPARAM lParam) {
  LONG einheiten = GetDialogBaseUnits();
  const Masse masse = {LOWORD(einheiten), HIWORD(einheiten), GetSystemMetrics(SM_CXVSCROLL),
                       GetSystemMetrics(SM_CXSCREEN)};
  elementeErstellen(hwnd, masse, fenster.element);
  boxenFuellen();
  einheitenAnfangs(hwnd);
  fenster.instanz = reinterpret_cast<CREATESTRUCTA *>(lParam)->hInstance;
  return 0;
}

// ---- quantities -------------------------------------------------------------

// A unit box from the build's fixed tables.
void festeEinheitenFuellen(int id, int befehl) {
  festeEinheiten(befehl, [id](const char *text) { eintragHinzufuegen(id, text); });
}

void einheitenboxFuellen(int id, const std::list<const char *> &einheiten) {
  SendMessageA(element(id), CB_RESETCONTENT, 0, 0);
  for (const char *einheit : einheiten)
    eintragHinzufuegen(id, einheit);
}

// The labels of the conversions of the quantity, sorted, each once. A list
// without the chain search has no label lists: its builds list fixed tables.
void einheitenLesen(Umrechnung_Liste &liste, int befehl, std::list<const char *> &quell,
                    std::list<const char *> &ziel) {
#if VELMORA_KETTEN
  liste.einheitenListen(befehl == IDM_ALLES ? 0 : befehl, quell, ziel);
#else
  (void)liste, (void)befehl, (void)quell, (void)ziel;
#endif
}

void einheitenboxenFuellen(Umrechnung_Liste &liste, int befehl) {
  if constexpr (einstellung::FESTE_EINHEITEN) {
    // Both boxes emptied first, then filled one after the other.
    SendMessageA(element(ID_QUELL_EINHEIT), CB_RESETCONTENT, 0, 0);
    SendMessageA(element(ID_ZIEL_EINHEIT), CB_RESETCONTENT, 0, 0);
    festeEinheitenFuellen(ID_QUELL_EINHEIT, befehl);
    festeEinheitenFuellen(ID_ZIEL_EINHEIT, befehl);
  } else {
    std::list<const char *> quell, ziel;
    einheitenLesen(liste, befehl, quell, ziel);
    einheitenboxFuellen(ID_QUELL_EINHEIT, quell);
    einheitenboxFuellen(ID_ZIEL_EINHEIT, ziel);
  }
}

void groesseWaehlen(HWND hwnd, Umrechnung_Liste &liste, int befehl) {
  HMENU menue = GetMenu(hwnd);
  CheckMenuItem(menue, static_cast<UINT>(fenster.markierteGroesse), MF_BYCOMMAND | MF_UNCHECKED);
  fenster.markierteGroesse = befehl;
  CheckMenuItem(menue, static_cast<UINT>(befehl), MF_BYCOMMAND | MF_CHECKED);
  if constexpr (einstellung::GROESSENBOX)
    SendMessageA(element(ID_GROESSE), CB_SETCURSEL, static_cast<WPARAM>(befehl - IDM_ALLES), 0);
  einheitenboxenFuellen(liste, befehl);
}

void groesseGeaendert(HWND hwnd) {
  LRESULT index = SendMessageA(element(ID_GROESSE), CB_GETCURSEL, 0, 0);
  if (index < 0 || index >= GROESSEN_ANZAHL)
    return;
  SendMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(IDM_ALLES + index), 0);
}

void neu(HWND hwnd) {
  SetWindowTextA(element(ID_EINGABE), "");
  SetWindowTextA(element(ID_AUSGABE), "");
  if constexpr (einstellung::NEU_WAEHLT_ALLES)
    SendMessageA(hwnd, WM_COMMAND, IDM_ALLES, 0);
}

// ---- the conversion command -----------------------------------------------

void anfrageFreigeben() {
  for (char *&text : fenster.anfrage) {
    delete[] text;
    text = nullptr;
  }
}

// The selected entry of a box; a box without a selection gives "".
char *boxText(int id) {
  LRESULT index = SendMessageA(element(id), CB_GETCURSEL, 0, 0);
  LRESULT laenge = index == CB_ERR
                       ? 0
                       : SendMessageA(element(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (laenge < 0)
    laenge = 0;
  char *text = new char[static_cast<size_t>(laenge) + 1];
  text[0] = '\0';
  if (laenge > 0)
    SendMessageA(element(id), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text));
  return text;
}

char *feldText(int id) {
  int laenge = GetWindowTextLengthA(element(id));
  char *text = new char[static_cast<size_t>(laenge) + 1];
  text[0] = '\0';
  GetWindowTextA(element(id), text, laenge + 1);
  return text;
}

LRESULT umrechnungsBefehl(HWND hwnd, Umrechnung_Liste &liste) {
  anfrageFreigeben();
  char **a = fenster.anfrage;
  a[0] = boxText(ID_QUELL_PRAEFIX);
  a[1] = boxText(ID_QUELL_EINHEIT);
  a[2] = boxText(ID_ZIEL_PRAEFIX);
  a[3] = boxText(ID_ZIEL_EINHEIT);
  a[4] = feldText(ID_EINGABE);
  const char *ausgabe = nullptr;
  if (liste.umrechnen(a[4], a[0], a[1], &ausgabe, a[2], a[3])) {
    SetWindowTextA(element(ID_AUSGABE), ausgabe);
    return 0;
  }
  // Without an owner the main window stays enabled while the box is open.
  MessageBoxA(einstellung::FEHLER_MIT_BESITZER ? hwnd : nullptr,
              "Es wurde keine passende Umrechnung gefunden.", "FEHLER", MB_ICONERROR | MB_OK);
  return 1;
}

// ---- help menu --------------------------------------------------------------

void hilfe(HWND hwnd) {
  MessageBoxA(hwnd,
              "Die Hilfe ist noch nicht verf\xFC"
              "gbar!",
              TITEL, MB_ICONWARNING | MB_OK);
}

INT_PTR CALLBACK infoDialog(HWND dialog, UINT nachricht, WPARAM wParam, LPARAM) {
  switch (nachricht) {
  case WM_INITDIALOG:
    return TRUE;
  case WM_COMMAND:
    if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
      EndDialog(dialog, 0);
      return TRUE;
    }
    return FALSE;
  default:
    return FALSE;
  }
}

// Builds without the About box beep.
void ueber(HWND hwnd) {
  if constexpr (einstellung::INFOBOX)
    DialogBoxParamA(fenster.instanz, "AboutBox", hwnd, infoDialog, 0);
  else
    MessageBeep(0);
}

// ---- message dispatch -------------------------------------------------------

LRESULT beiBefehl(HWND hwnd, Umrechnung_Liste &liste, WPARAM wParam) {
  const int id = LOWORD(wParam), code = HIWORD(wParam);
  switch (id) {
  case IDM_NEU:
    neu(hwnd);
    return 0;
  case IDM_BEENDEN:
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    return 0;
  case IDM_HILFE:
    hilfe(hwnd);
    return 0;
  case IDM_UEBER:
    ueber(hwnd);
    return 0;
  case IDM_LIZENZ:
    MessageBeep(0);
    return 0;
  case ID_OK:
    return code == BN_CLICKED ? umrechnungsBefehl(hwnd, liste) : 0;
  default:
    if (einstellung::GROESSENBOX && id == ID_GROESSE && code == CBN_SELCHANGE)
      groesseGeaendert(hwnd);
    else if (id >= IDM_ALLES && id <= VELMORA_LETZTE_GROESSE)
      groesseWaehlen(hwnd, liste, id);
    return 0;
  }
}

LRESULT CALLBACK fensterProzedur(HWND hwnd, UINT nachricht, WPARAM wParam, LPARAM lParam) {
  // Constructed on the first message, destroyed when the program exits.
  static Umrechnung_Liste liste;
  switch (nachricht) {
  case WM_CREATE:
    return beiErstellen(hwnd, lParam);
  case WM_SETFOCUS:
    SetFocus(element(ID_EINGABE));
    return 0;
  case WM_COMMAND:
    return beiBefehl(hwnd, liste, wParam);
  case WM_DESTROY:
    PostQuitMessage(0);
    anfrageFreigeben();
    return 0;
  default:
    return DefWindowProcA(hwnd, nachricht, wParam, lParam);
  }
}

bool klasseRegistrieren(HINSTANCE instanz) {
  WNDCLASSA klasse = {};
  klasse.style = CS_HREDRAW | CS_VREDRAW;
  klasse.lpfnWndProc = fensterProzedur;
  klasse.hInstance = instanz;
  klasse.hIcon = LoadIconA(instanz, MAKEINTRESOURCEA(IDI_VELMORA));
  klasse.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  klasse.hbrBackground = CreateSolidBrush(RGB(212, 208, 200));
  klasse.lpszMenuName = KLASSE;
  klasse.lpszClassName = KLASSE;
  return RegisterClassA(&klasse) != 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instanz, HINSTANCE, LPSTR, int anzeige) {
  if (!klasseRegistrieren(instanz)) {
    MessageBoxA(nullptr, "Programm arbeitet mit Unicode und setzt Windows NT voraus!", TITEL,
                MB_ICONERROR);
    return 0;
  }
  HWND hwnd = CreateWindowExA(0, KLASSE, VELMORA_TITEL, VELMORA_FENSTERSTIL, CW_USEDEFAULT,
                              CW_USEDEFAULT, VELMORA_FENSTER_BREITE, VELMORA_FENSTER_HOEHE, nullptr,
                              nullptr, instanz, nullptr);
  if (!hwnd)
    return 1;
  return nachrichtenSchleife(hwnd, anzeige);
}
