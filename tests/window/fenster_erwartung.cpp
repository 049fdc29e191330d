#include "fenster_erwartung.h"

// The windows as the tests expect them. This table is written apart from the
// program's own (converter/fenster_elemente.cpp) on purpose: the window is
// checked against an independent description, not against itself.
namespace {

// The four unit and prefix boxes, ids 1 to 4 in a row, at place `stelle`
// of the creation order.
void boxen(Fenster &f, int stelle, int y, int breite) {
  for (int j = 3; j >= 0; --j)
    f.elemente.insert(
        f.elemente.begin() + stelle,
        {j + 1, Art::Box, "COMBOBOX", "", j < 2 ? 75 * j + 15 : 75 * j + 85, y, breite, -1});
}

Fenster voll(const Masse &m) {
  const int bx = m.bx, by = m.by, sx = m.sx;
  Fenster f;
  f.elemente = {
      {5, Art::Box, "COMBOBOX", "Alles", 15, 20, 15 * bx, -1},
      {6, Art::Eingabefeld, "EDIT", "", bx + 8, by + 60, sx / 7, 3 * by / 2},
      {7, Art::Ausgabefeld, "EDIT", "", bx + 227, by + 60, sx / 7, 3 * by / 2},
      {8, Art::Knopf, "BUTTON", "OK", 15 * bx, 185, 20 * bx, 7 * by / 4},
      {9, Art::Rahmen, "BUTTON", "Eingabe", 10, 50, 170, 100},
      {10, Art::Rahmen, "BUTTON", "Ausgabe", 225, 50, 170, 100},
      {11, Art::Rahmen, "BUTTON", "", -10, -(by / 2), 2000, 2000},
  };
  boxen(f, 1, 7 * by, sx / 14);
  f.groessenbox = 5;
  f.eingabe = 6;
  f.ausgabe = 7;
  f.ok = 8;
  f.boxMitListe = 12 * by;
  f.groessenboxMitListe = 7 * by;
  f.ohneScrollbalkenAbschalten = f.infobox = f.neuWaehltAlles = f.fehlerMitBesitzer = true;
  return f;
}

// The window of the three earlier builds, with the top frame as wide as
// `rahmen` (none for 0).
Fenster frueh(const Masse &m, int rahmen) {
  const int bx = m.bx, by = m.by, sx = m.sx, boxBreite = m.vs + 5 * bx;
  Fenster f;
  f.elemente = {
      {5, Art::Eingabefeld, "EDIT", "", bx + 10, by + 20, sx / 7, 3 * by / 2},
      {6, Art::Ausgabefeld, "STATIC", "", bx + 225, by + 20, sx / 7, 3 * by / 2},
      {7, Art::Knopf, "BUTTON", "OK", 15 * bx, 130, 20 * bx, 7 * by / 4},
      {8, Art::Rahmen, "BUTTON", "Eingabe", 10, 10, 180, 100},
      {9, Art::Rahmen, "BUTTON", "Ausgabe", 225, 10, 180, 100},
  };
  boxen(f, 0, 5 * by, boxBreite);
  if (rahmen > 0)
    f.elemente.push_back({10, Art::Rahmen, "BUTTON", "", -10, -(by / 2), rahmen, rahmen});
  f.boxMitListe = 5 * by;
  return f;
}

Fenster sieben(const Masse &m) {
  Fenster f = frueh(m, 2000);
  f.fehlerMitBesitzer = true;
  return f;
}

Fenster drei(const Masse &m) {
  return frueh(m, 5000);
}

Fenster beta(const Masse &m) {
  Fenster f = frueh(m, 0);
  f.titel = "Velmora WinBeta 1.4";
  f.breite = 450;
  f.hoehe = 360;
  f.veraenderbar = true;
  f.iconFarbtiefen = {4, 8};
  return f;
}

// Each build's window; its expectations of erwartete_builds come by name.
const struct {
  const char *build;
  Fenster (*fenster)(const Masse &);
} FENSTER[] = {{"full", voll}, {"seven", sieben}, {"three", drei}, {"beta14", beta}};

} // namespace

const Fenster *fensterVon(const std::string &build, const Masse &masse) {
  static Fenster fenster;
  for (const auto &zeile : FENSTER)
    if (build == zeile.build && erwartet::build(build)) {
      fenster = zeile.fenster(masse);
      fenster.build = erwartet::build(build);
      return &fenster;
    }
  return nullptr;
}

std::string erwartetesMenue(const erwartet::Build &build, int markiert) {
  std::string menue = "POPUP|&Datei\n40001||&Neu\n0|S|\n40002||B&eenden\n"
                      "POPUP|&Gr\xF6\xDF"
                      "e\n";
  for (const erwartet::Groessenbefehl &g : build.groessen)
    menue += std::to_string(g.befehl) + (g.befehl == markiert ? "|C|" : "||") + g.name + "\n";
  return menue + "POPUP|&Hilfe\n40003||&Hilfe\n40004||&\xFC"
                 "ber...\n0|S|\n40005||&Lizenz\n";
}
