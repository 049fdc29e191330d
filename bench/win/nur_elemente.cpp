// The second yardstick for Velmora's start: a Win32 program that opens the
// build's window with the same controls (the same table, fenster_elemente)
// and fills its boxes with as many entries as Velmora's, and does nothing
// else: no menu, no conversion list, no commands. Built once per build.
#include "fenster_elemente.h"
#include "nachrichten_schleife.h"

namespace {

// The unit labels that zorbel wrote for the build: as many as the unit
// boxes list under "Alles".
#include "einheiten.cpp"

const int PRAEFIXE = 16;
const int GROESSEN = 8;

template <size_t N> int anzahl(const char *(&)[N]) {
  return static_cast<int>(N);
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
  const Masse masse = {LOWORD(basis), HIWORD(basis), GetSystemMetrics(SM_CXVSCROLL),
                       GetSystemMetrics(SM_CXSCREEN)};
  HWND elemente[ELEMENTE_HOECHSTENS + 1] = {};
  elementeErstellen(hwnd, masse, elemente);
  if (einstellung::GROESSENBOX)
    fuellen(elemente[ID_GROESSE], GROESSEN, "G");
  fuellen(elemente[ID_QUELL_PRAEFIX], PRAEFIXE, "P");
  fuellen(elemente[ID_ZIEL_PRAEFIX], PRAEFIXE, "P");
  fuellen(elemente[ID_QUELL_EINHEIT], anzahl(unitsQuell), "E");
  fuellen(elemente[ID_ZIEL_EINHEIT], anzahl(unitsZiel), "E");
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
  return nachrichtenSchleife(hwnd, anzeige);
}
