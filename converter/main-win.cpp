// Velmora: the main window, its controls and menu commands, and the About box.
#include "resource.h"
#include "umrechnung_liste.h"

#include <windows.h>

namespace {

const char KLASSE[] = "Velmora";
const char TITEL[] = "Velmora";

const char *const PRAEFIXE[] = {" ", "E", "P", "T",    "G", "M", "k", "h",
                                "d", "c", "m", "\xB5", "n", "p", "f", "a"};
// Code page 1252 bytes in octal: "\344" is the a umlaut.
const char *const GROESSEN[] = {"Alles",  "Druck",        "Fl\344chen", "Kraft",
                                "Massen", "Temperaturen", "Strecken",   "Zeit"};
const int GROESSEN_ANZAHL = sizeof GROESSEN / sizeof GROESSEN[0];

const int ANFRAGE_TEXTE = 5;
const int STEUERELEMENTE = 11;

// Everything the window procedure keeps between messages.
struct Fenster {
  HWND element[STEUERELEMENTE + 1]; // by control id
  int bx, by;
  int markierteGroesse;
  char *anfrage[ANFRAGE_TEXTE];
  HINSTANCE instanz;
};

Fenster fenster = {{}, 0, 0, IDM_ALLES, {}, nullptr};

HWND element(int id) {
  return fenster.element[id];
}

// ---- creating the controls ------------------------------------------------

void elementErstellen(HWND hwnd, int id, const char *klasse, DWORD exStil, DWORD stil, int x, int y,
                      int breite, int hoehe) {
  fenster.element[id] = CreateWindowExA(
      exStil, klasse, nullptr, WS_CHILD | WS_VISIBLE | stil, x, y, breite, hoehe, hwnd,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)), nullptr);
}

void elementeErstellen(HWND hwnd) {
  const int bx = fenster.bx, by = fenster.by;
  const int sx = GetSystemMetrics(SM_CXSCREEN);
  const DWORD box = WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL;

  elementErstellen(hwnd, ID_GROESSE, "COMBOBOX", 0, box, 15, 20, 15 * bx, 7 * by);
  for (int j = 0; j < 4; ++j) {
    int x = j < 2 ? 75 * j + 15 : 75 * j + 85;
    elementErstellen(hwnd, j + 1, "COMBOBOX", 0, box, x, 7 * by, sx / 14, 12 * by);
  }
  elementErstellen(hwnd, ID_EINGABE, "EDIT", WS_EX_CLIENTEDGE, 0, bx + 8, by + 60, sx / 7,
                   3 * by / 2);
  elementErstellen(hwnd, ID_AUSGABE, "EDIT", WS_EX_CLIENTEDGE, 0, bx + 227, by + 60, sx / 7,
                   3 * by / 2);
  elementErstellen(hwnd, ID_OK, "BUTTON", 0, BS_GROUPBOX, 15 * bx, 185, 20 * bx, 7 * by / 4);
  elementErstellen(hwnd, ID_RAHMEN_EINGABE, "BUTTON", 0, BS_GROUPBOX, 10, 50, 170, 100);
  elementErstellen(hwnd, ID_RAHMEN_AUSGABE, "BUTTON", 0, BS_GROUPBOX, 225, 50, 170, 100);
  elementErstellen(hwnd, ID_RAHMEN_OBEN, "BUTTON", 0, BS_GROUPBOX, -10, -(by / 2), 2000, 2000);

  SendMessageA(element(ID_OK), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SetWindowTextA(element(ID_OK), "OK");
  SetWindowTextA(element(ID_RAHMEN_EINGABE), "Eingabe");
  SetWindowTextA(element(ID_RAHMEN_AUSGABE), "Ausgabe");
}

void eintragHinzufuegen(int id, const char *text) {
  SendMessageA(element(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void boxenFuellen() {
  for (const char *praefix : PRAEFIXE) {
    eintragHinzufuegen(ID_QUELL_PRAEFIX, praefix);
    eintragHinzufuegen(ID_ZIEL_PRAEFIX, praefix);
  }
  for (const char *groesse : GROESSEN)
    eintragHinzufuegen(ID_GROESSE, groesse);
}

LRESULT beiErstellen(HWND hwnd, LPARAM lParam) {
  LONG einheiten = GetDialogBaseUnits();
  fenster.bx = LOWORD(einheiten);
  fenster.by = HIWORD(einheiten);
  elementeErstellen(hwnd);
  boxenFuellen();
  SendMessageA(hwnd, WM_COMMAND, IDM_ALLES, 0);
  fenster.instanz = reinterpret_cast<CREATESTRUCTA *>(lParam)->hInstance;
  return 0;
}

// ---- quantities -------------------------------------------------------------

void einheitenboxFuellen(int id, const std::list<const char *> &einheiten) {
  SendMessageA(element(id), CB_RESETCONTENT, 0, 0);
  for (const char *einheit : einheiten)
    eintragHinzufuegen(id, einheit);
}

void groesseWaehlen(HWND hwnd, Umrechnung_Liste &liste, int befehl) {
  HMENU menue = GetMenu(hwnd);
  CheckMenuItem(menue, static_cast<UINT>(fenster.markierteGroesse), MF_BYCOMMAND | MF_UNCHECKED);
  fenster.markierteGroesse = befehl;
  CheckMenuItem(menue, static_cast<UINT>(befehl), MF_BYCOMMAND | MF_CHECKED);
  SendMessageA(element(ID_GROESSE), CB_SETCURSEL, static_cast<WPARAM>(befehl - IDM_ALLES), 0);

  std::list<const char *> quell, ziel;
  liste.einheitenListen(befehl == IDM_ALLES ? 0 : befehl, quell, ziel);
  einheitenboxFuellen(ID_QUELL_EINHEIT, quell);
  einheitenboxFuellen(ID_ZIEL_EINHEIT, ziel);
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
  MessageBoxA(hwnd, "Es wurde keine passende Umrechnung gefunden.", "FEHLER", MB_ICONERROR | MB_OK);
  return 1;
}

// ---- help menu --------------------------------------------------------------

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

void hilfe(HWND hwnd) {
  MessageBoxA(hwnd,
              "Die Hilfe ist noch nicht verf\xFC"
              "gbar!",
              TITEL, MB_ICONWARNING | MB_OK);
}

void ueber(HWND hwnd) {
  DialogBoxParamA(fenster.instanz, "AboutBox", hwnd, infoDialog, 0);
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
  case ID_GROESSE:
    if (code == CBN_SELCHANGE)
      groesseGeaendert(hwnd);
    return 0;
  case ID_OK:
    return code == BN_CLICKED ? umrechnungsBefehl(hwnd, liste) : 0;
  default:
    if (id >= IDM_ALLES && id <= IDM_ZEIT)
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
  HWND hwnd =
      CreateWindowExA(0, KLASSE, TITEL, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                      CW_USEDEFAULT, CW_USEDEFAULT, 425, 260, nullptr, nullptr, instanz, nullptr);
  if (!hwnd)
    return 1;
  ShowWindow(hwnd, anzeige);
  UpdateWindow(hwnd);

  MSG nachricht;
  while (GetMessageA(&nachricht, nullptr, 0, 0) > 0) {
    TranslateMessage(&nachricht);
    DispatchMessageA(&nachricht);
  }
  return static_cast<int>(nachricht.wParam);
}
