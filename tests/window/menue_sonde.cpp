// Loaded into a running Velmora by the window tests: another process cannot
// read a window's menu under Wine, so this library reads it from inside and
// writes it as text into the shared memory "VelmoraMenueSonde", after the
// lines "ACP|" with the process's ANSI code page, "ICON|" with whether the
// class carries icon 101 and "MELDUNG|" with the icon of an open message
// box, and a line "MENUE". It then
// refuses to stay loaded, so that the next load reads the menu afresh.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The process's own top-level window of a class: "Velmora", or "#32770"
// for its message box.
struct Suche {
  const char *klasse;
  HWND gefunden;
};

BOOL CALLBACK eigenesFenster(HWND hwnd, LPARAM parameter) {
  Suche *suche = reinterpret_cast<Suche *>(parameter);
  DWORD prozess = 0;
  GetWindowThreadProcessId(hwnd, &prozess);
  char klasse[16] = "";
  GetClassNameA(hwnd, klasse, sizeof klasse);
  if (prozess != GetCurrentProcessId() || std::string(klasse) != suche->klasse)
    return TRUE;
  suche->gefunden = hwnd;
  return FALSE;
}

HWND eigenesFenster(const char *klasse) {
  Suche suche = {klasse, nullptr};
  EnumWindows(eigenesFenster, reinterpret_cast<LPARAM>(&suche));
  return suche.gefunden;
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

// Which system icon the open message box shows: its icon handles are the
// process's own, so only here do they compare.
std::string meldungsIcon() {
  HWND box = eigenesFenster("#32770");
  for (HWND kind = box ? GetWindow(box, GW_CHILD) : nullptr; kind;
       kind = GetWindow(kind, GW_HWNDNEXT)) {
    if ((GetWindowLongA(kind, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
      continue;
    HICON icon = reinterpret_cast<HICON>(SendMessageA(kind, STM_GETICON, 0, 0));
    const struct {
      LPCSTR id;
      const char *name;
    } icons[] = {{IDI_ERROR, "ERROR"}, {IDI_WARNING, "WARNING"}};
    for (const auto &i : icons)
      if (icon && icon == LoadIconA(nullptr, i.id))
        return i.name;
  }
  return "";
}

void menueAblegen() {
  HWND hwnd = eigenesFenster("Velmora");
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
    std::string text = "ACP|" + std::to_string(GetACP()) + "\nICON|" + (icon ? "1" : "0") +
                       "\nMELDUNG|" + meldungsIcon() + "\nMENUE\n" +
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
