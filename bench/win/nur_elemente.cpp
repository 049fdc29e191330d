// The second yardstick for Velmora's start: a Win32 program that opens the
// build's window with the same controls, styles and menu-less layout and
// fills its boxes with as many entries as Velmora's, and does nothing else:
// no conversion list, no commands. Compiled once per build with its build.h.
#include "build.h"

#include <windows.h>

namespace {

// Entries of the boxes: 16 prefixes, the quantity names, every unit label.
const int PRAEFIXE = 16;
const int GROESSEN = 8;
#if VELMORA_FESTE_EINHEITEN
const int EINHEITEN = 10;
#elif VELMORA_POTENZ
const int EINHEITEN = 37;
#else
const int EINHEITEN = 16;
#endif

HWND element(HWND eltern, const char *klasse, const char *text, DWORD exStil, DWORD stil, int x,
             int y, int breite, int hoehe) {
  return CreateWindowExA(exStil, klasse, text, WS_CHILD | WS_VISIBLE | stil, x, y, breite, hoehe,
                         eltern, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void fuellen(HWND box, int anzahl, const char *vorne) {
  for (int i = 0; i < anzahl; ++i) {
    char text[16];
    wsprintfA(text, "%s%d", vorne, i);
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

void elementeErstellen(HWND hwnd) {
  LONG basis = GetDialogBaseUnits();
  const int bx = LOWORD(basis), by = HIWORD(basis), sx = GetSystemMetrics(SM_CXSCREEN);
  HWND boxen[4];
#if VELMORA_GROESSENBOX
  const DWORD box = WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL;
  fuellen(element(hwnd, "COMBOBOX", nullptr, 0, box, 15, 20, 15 * bx, 7 * by), GROESSEN, "G");
  for (int j = 0; j < 4; ++j)
    boxen[j] = element(hwnd, "COMBOBOX", nullptr, 0, box, j < 2 ? 75 * j + 15 : 75 * j + 85, 7 * by,
                       sx / 14, 12 * by);
  element(hwnd, "EDIT", nullptr, WS_EX_CLIENTEDGE, 0, bx + 8, by + 60, sx / 7, 3 * by / 2);
  element(hwnd, "EDIT", nullptr, WS_EX_CLIENTEDGE, 0, bx + 227, by + 60, sx / 7, 3 * by / 2);
  element(hwnd, "BUTTON", "OK", 0, BS_DEFPUSHBUTTON, 15 * bx, 185, 20 * bx, 7 * by / 4);
  element(hwnd, "BUTTON", "Eingabe", 0, BS_GROUPBOX, 10, 50, 170, 100);
  element(hwnd, "BUTTON", "Ausgabe", 0, BS_GROUPBOX, 225, 50, 170, 100);
#else
  const DWORD box = WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST;
  const int vs = GetSystemMetrics(SM_CXVSCROLL);
  for (int j = 0; j < 4; ++j)
    boxen[j] = element(hwnd, "COMBOBOX", nullptr, 0, box, j < 2 ? 75 * j + 15 : 75 * j + 85, 5 * by,
                       vs + 5 * bx, 5 * by);
  element(hwnd, "EDIT", nullptr, WS_EX_CLIENTEDGE, 0, bx + 10, by + 20, sx / 7, 3 * by / 2);
  element(hwnd, "STATIC", nullptr, WS_EX_CLIENTEDGE, 0, bx + 225, by + 20, sx / 7, 3 * by / 2);
  element(hwnd, "BUTTON", "OK", 0, BS_DEFPUSHBUTTON, 15 * bx, 130, 20 * bx, 7 * by / 4);
  element(hwnd, "BUTTON", "Eingabe", 0, BS_GROUPBOX, 10, 10, 180, 100);
  element(hwnd, "BUTTON", "Ausgabe", 0, BS_GROUPBOX, 225, 10, 180, 100);
#endif
  if (VELMORA_RAHMEN_OBEN > 0)
    element(hwnd, "BUTTON", "", 0, BS_GROUPBOX, -10, -(by / 2), VELMORA_RAHMEN_OBEN,
            VELMORA_RAHMEN_OBEN);
  for (int j = 0; j < 4; ++j)
    fuellen(boxen[j], j % 2 == 0 ? PRAEFIXE : EINHEITEN, j % 2 == 0 ? "P" : "E");
}

LRESULT CALLBACK prozedur(HWND hwnd, UINT nachricht, WPARAM wParam, LPARAM lParam) {
  switch (nachricht) {
  case WM_CREATE:
    elementeErstellen(hwnd);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcA(hwnd, nachricht, wParam, lParam);
  }
}

} // namespace

int WINAPI WinMain(HINSTANCE instanz, HINSTANCE, LPSTR, int anzeige) {
  WNDCLASSA klasse = {};
  klasse.style = CS_HREDRAW | CS_VREDRAW;
  klasse.lpfnWndProc = prozedur;
  klasse.hInstance = instanz;
  klasse.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  klasse.hbrBackground = CreateSolidBrush(RGB(212, 208, 200));
  klasse.lpszClassName = "NurElemente";
  RegisterClassA(&klasse);
  HWND hwnd = CreateWindowExA(0, "NurElemente", VELMORA_TITEL, VELMORA_FENSTERSTIL, CW_USEDEFAULT,
                              CW_USEDEFAULT, VELMORA_FENSTER_BREITE, VELMORA_FENSTER_HOEHE, nullptr,
                              nullptr, instanz, nullptr);
  ShowWindow(hwnd, anzeige);
  UpdateWindow(hwnd);
  MSG nachricht;
  while (GetMessageA(&nachricht, nullptr, 0, 0) > 0) {
    TranslateMessage(&nachricht);
    DispatchMessageA(&nachricht);
  }
  return static_cast<int>(nachricht.wParam);
}
