// fenster_tests.dll: loaded into a running Velmora.exe by fenster_test.exe,
// it runs the GoogleTest cases that VELMORA_TEST_FILTER names against the
// process's window on a thread of its own. Where one failed, it ends the
// program with FEHLGESCHLAGEN; else as a user would: by "B&eenden", or by
// its close box where VELMORA_TEST_ENDE is "schliessen".
#include "im_prozess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

HWND hauptfenster = nullptr;
std::vector<Box> boxen;

namespace {

HMODULE modul = nullptr;

BOOL CALLBACK eigenesFenster(HWND hwnd, LPARAM) {
  DWORD prozess = 0;
  GetWindowThreadProcessId(hwnd, &prozess);
  if (prozess == GetCurrentProcessId() && klassenName(hwnd) == "Velmora" && IsWindowVisible(hwnd))
    hauptfenster = hwnd;
  return !hauptfenster;
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
             {}};
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

// The window is there once the program's start has shown it.
DWORD WINAPI testsLaufen(void *) {
  while (EnumWindows(eigenesFenster, 0), !hauptfenster)
    Sleep(20);
  std::string filter = "--gtest_filter=" + std::string(std::getenv("VELMORA_TEST_FILTER"));
  char programm[] = "Velmora.exe";
  char *argv[] = {programm, &filter[0], nullptr};
  int argc = 2;
  testing::InitGoogleTest(&argc, argv);
  HHOOK haken =
      SetWindowsHookExA(WH_CBT, cbt, modul, GetWindowThreadProcessId(hauptfenster, nullptr));
  const int fehler = RUN_ALL_TESTS();
  UnhookWindowsHookEx(haken);
  std::fflush(stdout);
  if (fehler)
    ExitProcess(FEHLGESCHLAGEN);
  const char *ende = std::getenv("VELMORA_TEST_ENDE");
  if (ende && std::string(ende) == "schliessen")
    PostMessageA(hauptfenster, WM_SYSCOMMAND, SC_CLOSE, 0);
  else
    PostMessageA(hauptfenster, WM_COMMAND, 40002, 0); // "B&eenden"
  return 0;
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instanz, DWORD grund, void *) {
  if (grund == DLL_PROCESS_ATTACH) {
    modul = instanz;
    CloseHandle(CreateThread(nullptr, 0, testsLaufen, nullptr, 0, nullptr));
  }
  return TRUE;
}

HWND element(int id) {
  return GetDlgItem(hauptfenster, id);
}

void befehl(int id) {
  SendMessageA(hauptfenster, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

std::string text(HWND element) {
  char puffer[8192] = "";
  SendMessageA(element, WM_GETTEXT, sizeof puffer, reinterpret_cast<LPARAM>(puffer));
  return puffer;
}

void textSetzen(HWND element, const std::string &text) {
  SendMessageA(element, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<std::string> eintraege(HWND box) {
  std::vector<std::string> liste;
  char eintrag[256];
  for (WPARAM i = 0; i < static_cast<WPARAM>(SendMessageA(box, CB_GETCOUNT, 0, 0)); ++i)
    if (SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(eintrag)) >= 0)
      liste.push_back(eintrag);
  return liste;
}

int auswahl(HWND box) {
  return static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0));
}

bool waehlen(HWND box, const std::string &eintrag) {
  const std::vector<std::string> liste = eintraege(box);
  const WPARAM i =
      static_cast<WPARAM>(std::find(liste.begin(), liste.end(), eintrag) - liste.begin());
  SendMessageA(box, CB_SETCURSEL, i < liste.size() ? i : static_cast<WPARAM>(-1), 0);
  return eintrag.empty() || i < liste.size();
}

// A child's normal place is kept in its parent's client coordinates: one
// reading, however the window manager moves the parent meanwhile.
RECT lage(HWND element) {
  WINDOWPLACEMENT platz = {};
  platz.length = sizeof platz;
  GetWindowPlacement(element, &platz);
  return platz.rcNormalPosition;
}

std::string klassenName(HWND element) {
  char name[64] = "";
  GetClassNameA(element, name, sizeof name);
  return name;
}

std::string menueText(HMENU menue) {
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
