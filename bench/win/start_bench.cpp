// Start-up time of Velmora.exe against an empty Win32 window: the time from
// starting the process until its visible main window answers a message.
// Runs the two programs alternately and reports the medians, their ratio
// and Velmora.exe's size. Usage: start_bench [runs] [build], the full build
// without a build name.
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
  const std::string exe = std::string(argc > 2 ? argv[2] : "full") + "\\Velmora.exe";
  starten("leeres_fenster.exe"); // warms up the Wine server and the caches
  std::vector<double> velmora, leer;
  for (int i = 0; i < laeufe; ++i) {
    leer.push_back(starten("leeres_fenster.exe"));
    velmora.push_back(starten(exe));
  }
  if (std::min(*std::min_element(velmora.begin(), velmora.end()),
               *std::min_element(leer.begin(), leer.end())) < 0) {
    std::printf("a program did not start\n");
    return 1;
  }
  WIN32_FILE_ATTRIBUTE_DATA info = {};
  GetFileAttributesExA((verzeichnis() + exe).c_str(), GetFileExInfoStandard, &info);
  std::printf("runs: %d\n", laeufe);
  std::printf("empty window, median start: %.1f ms\n", 1000 * median(leer));
  std::printf("%s, median start:  %.1f ms\n", exe.c_str(), 1000 * median(velmora));
  std::printf("ratio: %.3f (target under 1.2)\n", median(velmora) / median(leer));
  std::printf("%s size: %lu bytes (target under 1 MB)\n", exe.c_str(), info.nFileSizeLow);
  return 0;
}
