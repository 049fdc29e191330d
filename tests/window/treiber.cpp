#include "treiber.h"

#include <cstdio>
#include <cstdlib>

namespace {

int bestanden = 0, fehlgeschlagen = 0;

std::string sichtbar(const std::string &text) {
  std::string ergebnis;
  for (unsigned char zeichen : text) {
    char puffer[8];
    if (zeichen >= 0x20 && zeichen < 0x7F)
      ergebnis += static_cast<char>(zeichen);
    else {
      std::snprintf(puffer, sizeof puffer, "\\x%02X", zeichen);
      ergebnis += puffer;
    }
  }
  return ergebnis.size() > 300 ? ergebnis.substr(0, 300) + "..." : ergebnis;
}

const char *const KLASSE = "Velmora";

struct Suche {
  DWORD prozess;
  HWND gefunden;
};

BOOL CALLBACK hauptfensterSuchen(HWND hwnd, LPARAM parameter) {
  Suche *suche = reinterpret_cast<Suche *>(parameter);
  DWORD prozess = 0;
  GetWindowThreadProcessId(hwnd, &prozess);
  if (prozess != suche->prozess || klassenName(hwnd) != KLASSE || !IsWindowVisible(hwnd))
    return TRUE;
  suche->gefunden = hwnd;
  return FALSE;
}

HWND hauptfensterAbwarten(DWORD prozess) {
  for (int versuch = 0; versuch < 300; ++versuch) {
    Suche suche = {prozess, nullptr};
    EnumWindows(hauptfensterSuchen, reinterpret_cast<LPARAM>(&suche));
    if (suche.gefunden)
      return suche.gefunden;
    Sleep(50);
  }
  return nullptr;
}

} // namespace

void pruefen(bool bedingung, const std::string &was, const char *datei, int zeile) {
  if (bedingung) {
    ++bestanden;
    return;
  }
  ++fehlgeschlagen;
  std::printf("%s:%d: FAILED: %s\n", datei, zeile, was.c_str());
  std::fflush(stdout);
}

void pruefenGleich(const std::string &ist, const std::string &soll, const std::string &was,
                   const char *datei, int zeile) {
  pruefen(ist == soll,
          was + "\n    is:        \"" + sichtbar(ist) + "\"\n    should be: \"" + sichtbar(soll) +
              "\"",
          datei, zeile);
}

void pruefenGleich(long long ist, long long soll, const std::string &was, const char *datei,
                   int zeile) {
  pruefen(ist == soll, was + " is " + std::to_string(ist) + ", should be " + std::to_string(soll),
          datei, zeile);
}

void vermerken(const std::string &was) {
  std::printf("  %s\n", was.c_str());
  std::fflush(stdout);
}

int fehlschlaege() {
  return fehlgeschlagen;
}
int bestandene() {
  return bestanden;
}

std::string programmVerzeichnis() {
  char pfad[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, pfad, MAX_PATH);
  std::string verzeichnis = pfad;
  return verzeichnis.substr(0, verzeichnis.find_last_of("\\/") + 1);
}

// A program that cannot be started, or shows no window, ends the group
// with one failure: nothing after it could be checked.
Velmora::Velmora(const std::string &build) : prozess() {
  std::string befehl = "\"" + programmVerzeichnis() + build + "\\Velmora.exe\"";
  // The program gets none of the driver's output: under Wine it would hold
  // it open for the second or so that its process takes to go away.
  SECURITY_ATTRIBUTES erben = {sizeof erben, nullptr, TRUE};
  HANDLE nichts =
      CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &erben,
                  OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA start = {};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = start.hStdOutput = start.hStdError = nichts;
  if (!CreateProcessA(nullptr, &befehl[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                      &prozess)) {
    std::printf("FAILED: cannot start %s: error %lu\n", befehl.c_str(), GetLastError());
    std::exit(1);
  }
  CloseHandle(nichts);
  vermerken("started " + befehl + " as process " + std::to_string(prozess.dwProcessId));
  WaitForInputIdle(prozess.hProcess, 10000);
  hwnd = hauptfensterAbwarten(prozess.dwProcessId);
  if (!hwnd) {
    DWORD code = 0;
    GetExitCodeProcess(prozess.hProcess, &code);
    std::printf("FAILED: %s shows no window within 15 s (%s %lu)\n", befehl.c_str(),
                code == STILL_ACTIVE ? "still running, code" : "ended with", code);
    TerminateProcess(prozess.hProcess, 99);
    std::exit(1);
  }
  vermerken("its window appeared");
  abwarten();
}

Velmora::~Velmora() {
  if (!prozess.hProcess)
    return;
  if (WaitForSingleObject(prozess.hProcess, 0) == WAIT_TIMEOUT) {
    if (hwnd)
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(prozess.hProcess, 5000) == WAIT_TIMEOUT) {
      vermerken("still running 5 s after WM_CLOSE: terminated");
      TerminateProcess(prozess.hProcess, 99);
      WaitForSingleObject(prozess.hProcess, 1000);
    }
  }
  DWORD code = 0;
  GetExitCodeProcess(prozess.hProcess, &code);
  vermerken("it ended with exit code " + std::to_string(code));
  CloseHandle(prozess.hThread);
  CloseHandle(prozess.hProcess);
}

void Velmora::abwarten() const {
  DWORD_PTR ergebnis = 0;
  if (hwnd)
    SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ergebnis);
}

long Velmora::beendetMit(DWORD millisekunden) {
  if (WaitForSingleObject(prozess.hProcess, millisekunden) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  GetExitCodeProcess(prozess.hProcess, &code);
  hwnd = nullptr;
  return static_cast<long>(code);
}

// The probe's text: lines "KEY|value", then "MENUE" and the menu.
std::string Velmora::menue() const {
  std::string text = sondeLesen();
  size_t anfang = text.find("\nMENUE\n");
  return anfang == std::string::npos ? "" : text.substr(anfang + 7);
}

std::string Velmora::sondeWert(const std::string &schluessel) const {
  std::string text = "\n" + sondeLesen();
  size_t anfang = text.find("\n" + schluessel + "|");
  if (anfang == std::string::npos)
    return "";
  anfang += schluessel.size() + 2;
  return text.substr(anfang, text.find('\n', anfang) - anfang);
}

std::string Velmora::sondeLesen() const {
  const DWORD GROESSE = 65536;
  HANDLE ablage = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, GROESSE,
                                     "VelmoraMenueSonde");
  char *speicher = static_cast<char *>(MapViewOfFile(ablage, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  speicher[0] = '\0';
  std::string bibliothek = programmVerzeichnis() + "menue_sonde.dll";
  void *ort = VirtualAllocEx(prozess.hProcess, nullptr, bibliothek.size() + 1,
                             MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  WriteProcessMemory(prozess.hProcess, ort, bibliothek.c_str(), bibliothek.size() + 1, nullptr);
  auto laden = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  HANDLE faden = CreateRemoteThread(prozess.hProcess, nullptr, 0, laden, ort, 0, nullptr);
  if (faden) {
    WaitForSingleObject(faden, 10000);
    CloseHandle(faden);
  }
  VirtualFreeEx(prozess.hProcess, ort, 0, MEM_RELEASE);
  std::string text = speicher;
  UnmapViewOfFile(speicher);
  CloseHandle(ablage);
  return text;
}

std::string text(HWND element) {
  LRESULT laenge = SendMessageA(element, WM_GETTEXTLENGTH, 0, 0);
  std::string puffer(static_cast<size_t>(laenge) + 1, '\0');
  LRESULT gelesen =
      SendMessageA(element, WM_GETTEXT, puffer.size(), reinterpret_cast<LPARAM>(&puffer[0]));
  puffer.resize(static_cast<size_t>(gelesen));
  return puffer;
}

void textSetzen(HWND element, const std::string &text) {
  SendMessageA(element, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Another process's entries come back as UTF-16 under Wine; the program's
// own texts are code page 1252.
std::vector<std::string> eintraege(HWND box) {
  std::vector<std::string> liste;
  LRESULT anzahl = SendMessageW(box, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < anzahl; ++i) {
    LRESULT laenge = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring breit(static_cast<size_t>(laenge) + 1, L'\0');
    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&breit[0]));
    breit.resize(static_cast<size_t>(laenge));
    std::string schmal(breit.size() * 2 + 1, '\0');
    int bytes = WideCharToMultiByte(1252, 0, breit.c_str(), static_cast<int>(breit.size()),
                                    &schmal[0], static_cast<int>(schmal.size()), nullptr, nullptr);
    schmal.resize(static_cast<size_t>(bytes));
    liste.push_back(schmal);
  }
  return liste;
}

int auswahl(HWND box) {
  return static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0));
}

bool waehlen(HWND box, const std::string &eintrag) {
  std::vector<std::string> liste = eintraege(box);
  for (size_t i = 0; i < liste.size(); ++i)
    if (liste[i] == eintrag)
      return SendMessageA(box, CB_SETCURSEL, i, 0) == static_cast<LRESULT>(i);
  return false;
}

// Two readings in screen coordinates, the element's and its parent's: the
// window manager moves a window in its own time (after a maximize, say),
// and a move between them would shift the result. Read until the parent
// stood still around the element's reading.
RECT lageImElternfenster(HWND element) {
  HWND eltern = GetParent(element);
  RECT lage = {};
  POINT vorher = {}, nachher = {1, 1};
  for (int versuch = 0; versuch < 20 && (vorher.x != nachher.x || vorher.y != nachher.y);
       ++versuch) {
    vorher = nachher = POINT{};
    ClientToScreen(eltern, &vorher);
    GetWindowRect(element, &lage);
    ClientToScreen(eltern, &nachher);
  }
  OffsetRect(&lage, -nachher.x, -nachher.y);
  return lage;
}

std::string klassenName(HWND element) {
  char name[64] = "";
  GetClassNameA(element, name, sizeof name);
  return name;
}

namespace {

struct DialogSuche {
  const char *titel;
  DWORD prozess;
  HWND gefunden;
};

BOOL CALLBACK dialogPruefen(HWND hwnd, LPARAM parameter) {
  DialogSuche *suche = reinterpret_cast<DialogSuche *>(parameter);
  DWORD prozess = 0;
  GetWindowThreadProcessId(hwnd, &prozess);
  if (prozess != suche->prozess || klassenName(hwnd) != "#32770")
    return TRUE;
  if (suche->titel && text(hwnd) != suche->titel)
    return TRUE;
  suche->gefunden = hwnd;
  return FALSE;
}

} // namespace

HWND dialogFinden(const char *titel, DWORD prozess, int versuche) {
  for (int versuch = 0; versuch < versuche; ++versuch) {
    DialogSuche suche = {titel, prozess, nullptr};
    EnumWindows(dialogPruefen, reinterpret_cast<LPARAM>(&suche));
    if (suche.gefunden)
      return suche.gefunden;
    Sleep(50);
  }
  return nullptr;
}

std::string meldungsText(HWND box) {
  return text(GetDlgItem(box, 0xFFFF));
}

bool schliessen(HWND box, WPARAM knopf) {
  PostMessageA(box, WM_COMMAND, knopf, 0);
  for (int versuch = 0; versuch < 100 && IsWindow(box); ++versuch)
    Sleep(20);
  return !IsWindow(box);
}
