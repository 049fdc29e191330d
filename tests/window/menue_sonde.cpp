// Loaded into a running Velmora by the window tests: another process cannot
// read a window's menu under Wine, so this library reads it from inside and
// writes it as text into the shared memory "VelmoraMenueSonde", after a
// first line with the process's ANSI code page ("ACP|1252"). It then
// refuses to stay loaded, so that the next load reads the menu afresh.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK eigenesFenster(HWND hwnd, LPARAM gefunden) {
  DWORD prozess = 0;
  GetWindowThreadProcessId(hwnd, &prozess);
  char klasse[16] = "";
  GetClassNameA(hwnd, klasse, sizeof klasse);
  if (prozess != GetCurrentProcessId() || std::string(klasse) != "Velmora")
    return TRUE;
  *reinterpret_cast<HWND *>(gefunden) = hwnd;
  return FALSE;
}

// One line per entry: "id|flags|text"; a pop-up starts with "POPUP|text".
std::string menueBeschreiben(HMENU menue) {
  std::string text;
  int anzahl = GetMenuItemCount(menue);
  for (int i = 0; i < anzahl; ++i) {
    char name[256] = "";
    GetMenuStringA(menue, static_cast<UINT>(i), name, sizeof name, MF_BYPOSITION);
    UINT zustand = GetMenuState(menue, static_cast<UINT>(i), MF_BYPOSITION);
    HMENU unter = GetSubMenu(menue, i);
    char zeile[320];
    if (unter) {
      std::snprintf(zeile, sizeof zeile, "POPUP|%s\n", name);
      text += zeile + menueBeschreiben(unter);
    } else {
      std::snprintf(zeile, sizeof zeile, "%u|%s%s|%s\n", GetMenuItemID(menue, i),
                    (zustand & MF_SEPARATOR) ? "S" : "", (zustand & MF_CHECKED) ? "C" : "", name);
      text += zeile;
    }
  }
  return text;
}

void menueAblegen() {
  HWND hwnd = nullptr;
  EnumWindows(eigenesFenster, reinterpret_cast<LPARAM>(&hwnd));
  HANDLE ablage = OpenFileMappingA(FILE_MAP_WRITE, FALSE, "VelmoraMenueSonde");
  if (!ablage)
    return;
  char *speicher = static_cast<char *>(MapViewOfFile(ablage, FILE_MAP_WRITE, 0, 0, 0));
  if (speicher) {
    // The window class carries the program icon 101 (LoadIcon hands out
    // one handle per module and resource).
    HICON klassenIcon =
        hwnd ? reinterpret_cast<HICON>(GetClassLongPtrA(hwnd, GCLP_HICON)) : nullptr;
    bool icon =
        klassenIcon && klassenIcon == LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101));
    std::string text = "ACP|" + std::to_string(GetACP()) + "\nICON|" + (icon ? "1" : "0") + "\n" +
                       (hwnd ? menueBeschreiben(GetMenu(hwnd)) : "KEIN FENSTER\n");
    std::snprintf(speicher, 65536, "%s", text.c_str());
    UnmapViewOfFile(speicher);
  }
  CloseHandle(ablage);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD grund, LPVOID) {
  if (grund != DLL_PROCESS_ATTACH)
    return TRUE;
  menueAblegen();
  return FALSE;
}
