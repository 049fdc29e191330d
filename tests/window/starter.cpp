// fenster_test BUILD [FILTER]: starts BUILD\Velmora.exe, BUILD a folder
// beside it or a path relative to it whose last part names the build, loads
// the window tests (fenster_tests.dll, beside it) into the running program
// and waits for it to end. FILTER picks the groups, as
// GoogleTest's filter (default: those that every build runs). Its exit
// code is Velmora's: 0 where every test passed and the program then ended
// by itself with 0.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char **argv) {
  char pfad[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, pfad, MAX_PATH);
  const std::string ordner = std::string(pfad).substr(0, std::string(pfad).rfind('\\') + 1);
  if (argc < 2 || argc > 3) {
    std::printf("usage: fenster_test BUILD [FILTER]\n");
    return 2;
  }
  std::string exe = ordner + argv[1] + "\\Velmora.exe", dll = ordner + "fenster_tests.dll";
  const std::string build = argv[1];
  SetEnvironmentVariableA("VELMORA_TEST_BUILD",
                          build.substr(build.find_last_of("/\\") + 1).c_str());
  SetEnvironmentVariableA("GTEST_FILTER", argc == 3 ? argv[2] : "-Lichtjahr.*");
  STARTUPINFOA start = {};
  start.cb = sizeof start;
  PROCESS_INFORMATION p = {};
  std::string befehl = "\"" + exe + "\"";
  if (!CreateProcessA(nullptr, &befehl[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                      &p)) {
    std::printf("FAILED: cannot start %s (error %lu)\n", exe.c_str(), GetLastError());
    return 1;
  }
  std::printf("started %s as process %lu\n", exe.c_str(), p.dwProcessId);
  std::fflush(stdout);
  // LoadLibraryA in the program, on a thread of its own.
  void *ort = VirtualAllocEx(p.hProcess, nullptr, dll.size() + 1, MEM_COMMIT, PAGE_READWRITE);
  auto laden = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  HANDLE faden = ort && WriteProcessMemory(p.hProcess, ort, dll.c_str(), dll.size() + 1, nullptr)
                     ? CreateRemoteThread(p.hProcess, nullptr, 0, laden, ort, 0, nullptr)
                     : nullptr;
  DWORD geladen = 0, code = 0;
  if (faden && WaitForSingleObject(faden, INFINITE) == WAIT_OBJECT_0)
    GetExitCodeThread(faden, &geladen);
  if (!geladen) {
    std::printf("FAILED: %s could not be loaded into %s\n", dll.c_str(), exe.c_str());
    TerminateProcess(p.hProcess, 99);
  }
  WaitForSingleObject(p.hProcess, INFINITE);
  GetExitCodeProcess(p.hProcess, &code);
  if (code != 0)
    std::printf("FAILED: %s ended with exit code %lu: a test above failed (1), or the program "
                "ended during the last test begun above or after the tests\n",
                exe.c_str(), code);
  return static_cast<int>(code);
}
