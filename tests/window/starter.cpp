// fenster_test BUILD [FILTER]: starts BUILD\Velmora.exe from its own
// folder, loads the window tests (fenster_tests.dll, beside it) into the
// running program and waits for it to end. FILTER picks the groups, as
// GoogleTest's filter (default: those that every build runs). Exit code 0
// only where every test passed and Velmora then ended with exit code 0.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string ordner() {
  char pfad[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, pfad, MAX_PATH);
  std::string name = pfad;
  return name.substr(0, name.find_last_of("\\/") + 1);
}

int fehler(const std::string &was, HANDLE prozess = nullptr) {
  std::printf("FAILED: %s (error %lu)\n", was.c_str(), GetLastError());
  if (prozess)
    TerminateProcess(prozess, 99);
  return 1;
}

// LoadLibraryA in the other process, on a thread of its own.
bool laden(HANDLE prozess, const std::string &bibliothek) {
  void *ort = VirtualAllocEx(prozess, nullptr, bibliothek.size() + 1, MEM_COMMIT | MEM_RESERVE,
                             PAGE_READWRITE);
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  HANDLE faden =
      ort && WriteProcessMemory(prozess, ort, bibliothek.c_str(), bibliothek.size() + 1, nullptr)
          ? CreateRemoteThread(prozess, nullptr, 0, loadLibrary, ort, 0, nullptr)
          : nullptr;
  DWORD geladen = 0;
  if (faden && WaitForSingleObject(faden, INFINITE) == WAIT_OBJECT_0)
    GetExitCodeThread(faden, &geladen);
  return geladen != 0;
}

// The number of failed tests that the library wrote, or -1 for none.
int fehlgeschlagen(const char *ergebnis) {
  int anzahl = -1;
  if (std::FILE *datei = std::fopen(ergebnis, "r")) {
    if (std::fscanf(datei, "%d", &anzahl) != 1)
      anzahl = -1;
    std::fclose(datei);
  }
  DeleteFileA(ergebnis);
  return anzahl;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 2 || argc > 3) {
    std::printf("usage: fenster_test BUILD [FILTER]\n");
    return 2;
  }
  const std::string exe = ordner() + argv[1] + "\\Velmora.exe";
  char ergebnis[MAX_PATH] = "";
  GetTempFileNameA(ordner().c_str(), "erg", 0, ergebnis);
  SetEnvironmentVariableA("VELMORA_TEST_ERGEBNIS", ergebnis);
  SetEnvironmentVariableA("VELMORA_TEST_BUILD", argv[1]);
  SetEnvironmentVariableA("VELMORA_TEST_FILTER", argc == 3 ? argv[2] : "-Paket.*:Lichtjahr.*");
  STARTUPINFOA start = {};
  start.cb = sizeof start;
  PROCESS_INFORMATION p = {};
  std::string befehl = "\"" + exe + "\"";
  if (!CreateProcessA(nullptr, &befehl[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &p))
    return fehler("cannot start " + exe);
  std::printf("started %s as process %lu\n", exe.c_str(), p.dwProcessId);
  std::fflush(stdout);
  if (!laden(p.hProcess, ordner() + "fenster_tests.dll"))
    return fehler("fenster_tests.dll could not be loaded into " + exe, p.hProcess);
  WaitForSingleObject(p.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(p.hProcess, &code);
  const int anzahl = fehlgeschlagen(ergebnis);
  if (anzahl < 0)
    std::printf("FAILED: %s ended with exit code %lu before its tests finished: they were at "
                "the last test begun above\n",
                exe.c_str(), code);
  else if (code != 0)
    std::printf("FAILED: %s ended with exit code %lu after its tests\n", exe.c_str(), code);
  return anzahl == 0 && code == 0 ? 0 : 1;
}
