// Shows a program's main window and runs its message loop until the quit
// message; returns the quit message's code. Shared by Velmora and the start
// benchmark's yardsticks, so that all of them start alike.
#ifndef VELMORA_NACHRICHTEN_SCHLEIFE_H
#define VELMORA_NACHRICHTEN_SCHLEIFE_H

#include <windows.h>

inline int nachrichtenSchleife(HWND hwnd, int anzeige) {
  ShowWindow(hwnd, anzeige);
  UpdateWindow(hwnd);
  MSG nachricht;
  while (GetMessageA(&nachricht, nullptr, 0, 0) > 0) {
    TranslateMessage(&nachricht);
    DispatchMessageA(&nachricht);
  }
  return static_cast<int>(nachricht.wParam);
}

#endif
