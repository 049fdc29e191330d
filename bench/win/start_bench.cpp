// Start-up time of a build's Velmora.exe against two yardsticks, an empty
// Win32 window and a window with the same controls and nothing else
// (nur_elemente): the time from starting the process until its visible main
// window answers a message. Runs the three programs in turn and reports the
// medians, the ratios and Velmora.exe's size.
// Usage: start_bench [runs] [build], the full build without a build name.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string verzeichnis() {
  char pfad[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, pfad, MAX_PATH);
  std::string text = pfad;
  return text.substr(0, text.find_last_of("\\/") + 1);
}

struct Suche {
  DWORD prozess;
  HWND fenster;
};

BOOL CALLBACK pruefen(HWND hwnd, LPARAM parameter) {
  Suche *suche = reinterpret_cast<Suche *>(parameter);
  DWORD prozess = 0;
  GetWindowThreadProcessId(hwnd, &prozess);
  if (prozess != suche->prozess || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER))
    return TRUE;
  suche->fenster = hwnd;
  return FALSE;
}

double sekunden(LARGE_INTEGER von, LARGE_INTEGER bis) {
  LARGE_INTEGER frequenz;
  QueryPerformanceFrequency(&frequenz);
  return double(bis.QuadPart - von.QuadPart) / double(frequenz.QuadPart);
}

// One start: seconds until the window answers, or -1.
double starten(const std::string &programm) {
  std::string befehl = "\"" + verzeichnis() + programm + "\"";
  STARTUPINFOA start = {};
  start.cb = sizeof start;
  PROCESS_INFORMATION prozess = {};
  LARGE_INTEGER anfang, ende;
  QueryPerformanceCounter(&anfang);
  if (!CreateProcessA(nullptr, &befehl[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                      &prozess))
    return -1;
  Suche suche = {prozess.dwProcessId, nullptr};
  for (int i = 0; i < 20000 && !suche.fenster; ++i) {
    EnumWindows(pruefen, reinterpret_cast<LPARAM>(&suche));
    if (!suche.fenster)
      Sleep(1);
  }
  DWORD_PTR antwort = 0;
  bool geantwortet = suche.fenster && SendMessageTimeoutA(suche.fenster, WM_NULL, 0, 0, SMTO_NORMAL,
                                                          10000, &antwort);
  QueryPerformanceCounter(&ende);
  if (suche.fenster)
    PostMessageA(suche.fenster, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(prozess.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(prozess.hProcess, 1);
  CloseHandle(prozess.hThread);
  CloseHandle(prozess.hProcess);
  return geantwortet ? sekunden(anfang, ende) : -1;
}

double median(std::vector<double> werte) {
  std::sort(werte.begin(), werte.end());
  return werte[werte.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  int laeufe = argc > 1 ? std::atoi(argv[1]) : 15;
  const std::string build = argc > 2 ? argv[2] : "full";
  const std::string exe = build + "\\Velmora.exe", elemente = build + "\\nur_elemente.exe";
  starten("leeres_fenster.exe"); // warms up the Wine server and the caches
  std::vector<double> velmora, leer, nurElemente;
  for (int i = 0; i < laeufe; ++i) {
    leer.push_back(starten("leeres_fenster.exe"));
    nurElemente.push_back(starten(elemente));
    velmora.push_back(starten(exe));
  }
  for (const std::vector<double> *zeiten : {&velmora, &leer, &nurElemente})
    if (*std::min_element(zeiten->begin(), zeiten->end()) < 0) {
      std::printf("a program did not start\n");
      return 1;
    }
  WIN32_FILE_ATTRIBUTE_DATA info = {};
  GetFileAttributesExA((verzeichnis() + exe).c_str(), GetFileExInfoStandard, &info);
  std::printf("build %s, runs: %d\n", build.c_str(), laeufe);
  std::printf("empty window, median start:       %.1f ms\n", 1000 * median(leer));
  std::printf("controls only, median start:      %.1f ms\n", 1000 * median(nurElemente));
  std::printf("Velmora.exe, median start:        %.1f ms\n", 1000 * median(velmora));
  std::printf("ratio to the empty window:        %.3f (target under 1.2)\n",
              median(velmora) / median(leer));
  std::printf("ratio to the controls only:       %.3f (target within 1.05)\n",
              median(velmora) / median(nurElemente));
  std::printf("Velmora.exe size: %lu bytes (target under 1 MB)\n", info.nFileSizeLow);
  return 0;
}
