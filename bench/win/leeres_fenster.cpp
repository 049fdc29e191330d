// The yardstick for Velmora's start: a Win32 program that only opens an
// empty window and runs its message loop.
#include "nachrichten_schleife.h"
#include <windows.h>

namespace {

LRESULT CALLBACK prozedur(HWND hwnd, UINT nachricht, WPARAM wParam, LPARAM lParam) {
  if (nachricht == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, nachricht, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instanz, HINSTANCE, LPSTR, int anzeige) {
  WNDCLASSA klasse = {};
  klasse.lpfnWndProc = prozedur;
  klasse.hInstance = instanz;
  klasse.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  klasse.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  klasse.lpszClassName = "LeeresFenster";
  RegisterClassA(&klasse);
  HWND hwnd = CreateWindowExA(0, "LeeresFenster", "Leer", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 425, 260, nullptr, nullptr, instanz, nullptr);
  return nachrichtenSchleife(hwnd, anzeige);
}
