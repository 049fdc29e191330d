#include "erwartete_builds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace erwartet {
namespace {

const char ZEILEN[] =
#include "erwartete_builds.txt"
    ;

// The rows' fields; they point into a copy that lives as long as the program.
std::vector<Zeile> zeilen() {
  static std::string text = ZEILEN;
  std::vector<Zeile> alle(1);
  for (size_t i = 0, anfang = 0; i < text.size(); ++i) {
    if (text[i] != '|' && text[i] != '\n')
      continue;
    const bool zeilenende = text[i] == '\n';
    text[i] = '\0';
    alle.back().push_back(&text[anfang]);
    anfang = i + 1;
    if (zeilenende)
      alle.emplace_back();
  }
  return alle;
}

// The kinds of rows with the fields each has at least; others are comments.
const char ARTEN[] = "K7B2E7C3G3S1A6D3V3";

bool zeileLesen(const Zeile &f, std::vector<Erwartung> &katalog, std::vector<Build> &builds,
                std::vector<Beispiel> &fuerAlle) {
  Build *b = builds.empty() ? nullptr : &builds.back();
  const char art = f[0][0];
  switch (art) {
  case 'K':
  case 'E':
    if (art == 'E' && !b)
      return false;
    (art == 'K' ? katalog : b->eigeneKlassen)
        .push_back({f[1], std::atoi(f[2]), f[3], f[4], std::atoi(f[5]), std::strtold(f[6], nullptr),
                    f.size() > 7});
    return true;
  case 'B':
    builds.push_back({f[1], {}, {}, {}, {}, f.size() > 2 ? f[2] : "", {}, {}});
    return true;
  case 'A':
    (b ? b->beispiele : fuerAlle)
        .push_back({f[1], f[2], f[3], f[4], f[5], f.size() > 6 ? f[6] : nullptr});
    return true;
  }
  if (!b)
    return false;
  if (art == 'D' || art == 'V')
    b->suchen.push_back(f);
  else if (art == 'C')
    b->eigeneCodes[std::atoi(f[1])] = std::atoi(f[2]);
  else if (art == 'G')
    b->groessen.push_back({std::atoi(f[1]), f[2], Einheiten(f.begin() + 3, f.end())});
  else
    b->anfangs.assign(f.begin() + 1, f.end());
  return true;
}

struct Daten {
  std::vector<Erwartung> katalog;
  std::vector<Build> builds;
};

// A build's classes: its own, then those of the catalogue up to its last
// class, each of a quantity that its menu has, by the quantity's code in
// the build: given, or that of its name in the full build's menu.
std::vector<Erwartung> klassenAus(const std::vector<Erwartung> &katalog, const Build &voll,
                                  const Build &b) {
  std::map<int, int> codes = b.eigeneCodes;
  for (const Groessenbefehl &v : voll.groessen)
    for (const Groessenbefehl &eigen : b.groessen)
      if (b.eigeneCodes.empty() && v.name == eigen.name)
        codes[v.befehl] = eigen.befehl;
  std::vector<Erwartung> ergebnis = b.eigeneKlassen;
  const std::string bis = b.bisKlasse;
  bool danach = false;
  for (const Erwartung &e : katalog) {
    const bool imBuild = bis.empty() || !(danach || e.nurImVollen);
    danach = danach || e.klasse == bis;
    auto code = codes.find(e.typ);
    if (imBuild && code != codes.end()) {
      ergebnis.push_back(e);
      ergebnis.back().typ = code->second;
    }
  }
  return ergebnis;
}

// The unit lists of the quantities whose rows leave them empty: the source
// labels of the build's classes of that quantity ("Alles": of all), sorted
// by unsigned bytes, each once; both boxes right after start list "Alles".
void einheitenAbleiten(const Daten &d, Build &b) {
  const std::vector<Erwartung> alle = klassenAus(d.katalog, d.builds.front(), b);
  for (Groessenbefehl &g : b.groessen) {
    if (!g.einheiten.empty())
      continue;
    std::set<std::string> labels;
    for (const Erwartung &k : alle)
      if (&g == &b.groessen.front() || k.typ == g.befehl)
        labels.insert(k.quell);
    g.einheiten.assign(labels.begin(), labels.end());
  }
  if (b.anfangs.empty())
    b.anfangs = b.groessen.front().einheiten;
}

const Daten &daten() {
  static const Daten d = [] {
    Daten d;
    std::vector<Beispiel> fuerAlle;
    for (const Zeile &f : zeilen()) {
      const char *art =
          f.empty() || f[0][0] == '\0' || f[0][1] ? nullptr : std::strchr(ARTEN, f[0][0]);
      if (!art)
        continue;
      if (f.size() < static_cast<size_t>(art[1] - '0') ||
          !zeileLesen(f, d.katalog, d.builds, fuerAlle)) {
        std::fprintf(stderr, "erwartete_builds.txt: a row %s has too few fields or no build\n",
                     f[0]);
        std::abort();
      }
    }
    for (Build &b : d.builds) {
      einheitenAbleiten(d, b);
      b.beispiele.insert(b.beispiele.end(), fuerAlle.begin(), fuerAlle.end());
      b.beispiele.push_back(GRUNDBEISPIEL);
    }
    return d;
  }();
  return d;
}

} // namespace

const std::vector<Erwartung> &vollerKatalog() {
  return daten().katalog;
}

const std::vector<Build> &builds() {
  return daten().builds;
}

std::vector<Erwartung> klassen(const Build &b) {
  return klassenAus(daten().katalog, daten().builds.front(), b);
}

const Build *build(const std::string &name) {
  for (const Build &b : builds())
    if (b.name == name)
      return &b;
  return nullptr;
}

std::string woErwartet(const std::string &name) {
  return "the classes of build '" + name +
         "' are expected by tests/support/erwartete_builds.txt: its K rows (a class only the "
         "full build has ends in |voll) and the rows of '" +
         name + "'";
}

std::string fehlendeErwartung(const std::string &name) {
  return "no expectations for the build '" + name +
         "': add its rows to tests/support/erwartete_builds.txt and one to "
         "tests/window/fenster_erwartung.cpp";
}

} // namespace erwartet
