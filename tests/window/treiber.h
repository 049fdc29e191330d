// Drives a running Velmora.exe from another process, as a user's actions
// would: messages to its window and controls, reading what they show.
#ifndef VELMORA_TREIBER_H
#define VELMORA_TREIBER_H

#include <windows.h>

#include <string>
#include <vector>

// ---- checks ---------------------------------------------------------------

void pruefen(bool bedingung, const std::string &was, const char *datei, int zeile);
void pruefenGleich(const std::string &ist, const std::string &soll, const std::string &was,
                   const char *datei, int zeile);
void pruefenGleich(long long ist, long long soll, const std::string &was, const char *datei,
                   int zeile);
int fehlschlaege();
int bestandene();
// What the driver sees of the programs it starts, a line as it happens:
// what a failure's output tells of them.
void vermerken(const std::string &was);

#define PRUEFE(bedingung) pruefen((bedingung), #bedingung, __FILE__, __LINE__)
#define PRUEFE_GLEICH(ist, soll) pruefenGleich((ist), (soll), #ist, __FILE__, __LINE__)

// ---- the program under test -------------------------------------------------

class Velmora {
public:
  // Starts <build>\Velmora.exe from the driver's folder and waits for its
  // window; a program that does not start ends the driver with a failure.
  explicit Velmora(const std::string &build);
  ~Velmora();
  Velmora(const Velmora &) = delete;
  Velmora &operator=(const Velmora &) = delete;

  HWND fenster() const { return hwnd; }
  DWORD prozessId() const { return prozess.dwProcessId; }
  HWND element(int id) const { return GetDlgItem(hwnd, id); }
  // Waits until the program has handled every message sent so far.
  void abwarten() const;
  // Waits for the program to end; its exit code, or -1 after a time-out.
  long beendetMit(DWORD millisekunden = 10000);
  // The menu as the program itself sees it, one entry per line.
  std::string menue() const;
  // What the probe finds inside the process: "ACP", its ANSI code page;
  // "ICON", "1" where the window class carries the program icon 101;
  // "MELDUNG", the system icon of its open message box ("ERROR",
  // "WARNING", "" for any other or none).
  std::string sondeWert(const std::string &schluessel) const;

private:
  std::string sondeLesen() const;

  PROCESS_INFORMATION prozess;
  HWND hwnd = nullptr;
};

std::string programmVerzeichnis();

// ---- controls -----------------------------------------------------------------

std::string text(HWND element);
void textSetzen(HWND element, const std::string &text);
std::vector<std::string> eintraege(HWND box);
int auswahl(HWND box);
// Selects the entry whose bytes equal `eintrag`; false if there is none.
bool waehlen(HWND box, const std::string &eintrag);
RECT lageImElternfenster(HWND element);
std::string klassenName(HWND element);

// A message box or dialog of class "#32770" with this caption (null: any
// caption) of the process `prozess`; looks `versuche` times, 50 ms apart.
HWND dialogFinden(const char *titel, DWORD prozess, int versuche = 40);
std::string meldungsText(HWND box);
bool schliessen(HWND box, WPARAM knopf = IDOK);

#endif
