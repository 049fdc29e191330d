#include "definition_pruefen.h"

#include <algorithm>

namespace {

// The messages with the first line of their entry, to sort them by.
typedef std::vector<std::pair<unsigned long, std::string>> Befunde;

std::string meldung(const char *dateiName, unsigned long zeile, const std::string &klasse,
                    const std::string &was) {
  return std::string(dateiName) + ':' + std::to_string(zeile) + ": entry" +
         (klasse.empty() ? "" : " " + klasse) + was;
}

// A label compiles into another text than the file holds where it has a
// '\' (an escape sequence) or a '"' (it ends the literal, and what follows
// may join another one).
void bezeichnungenPruefen(const char *dateiName, const ConfigEintrag &e, const EintragsZeilen &z,
                          Befunde &befunde) {
  const struct {
    const std::string &bez;
    unsigned long zeile;
    const char *seite;
  } seiten[] = {{e.quellBez, z.quelle, "source"}, {e.zielBez, z.ziel, "target"}};
  for (const auto &s : seiten) {
    if (s.bez.empty())
      befunde.emplace_back(z.klasse, meldung(dateiName, s.zeile, e.klassenName,
                                             std::string(": the ") + s.seite + " label is empty"));
    else if (s.bez.find_first_of("\"\\") != std::string::npos)
      befunde.emplace_back(
          z.klasse, meldung(dateiName, s.zeile, e.klassenName,
                            std::string(": the ") + s.seite + " label holds a '\"' or a '\\'"));
  }
}

void codePruefen(const char *dateiName, const ConfigEintrag &e, const EintragsZeilen &z,
                 const std::vector<int> &codes, Befunde &befunde) {
  if (codes.empty() || std::find(codes.begin(), codes.end(), e.typNummer) != codes.end())
    return;
  std::string liste;
  for (int c : codes)
    liste += (liste.empty() ? "" : " ") + std::to_string(c);
  befunde.emplace_back(z.klasse,
                       meldung(dateiName, z.typ, e.klassenName,
                               " has the quantity code " + std::to_string(e.typNummer) +
                                   ", which the build's menu (" + liste +
                                   ") does not have: its units would show only under \"Alles\""));
}

} // namespace

std::vector<std::string> definitionPruefen(const char *dateiName, const ConfigListe &liste,
                                           const Fundstellen &fundstellen,
                                           const std::vector<int> &codes) {
  Befunde befunde;
  auto zeile = fundstellen.eintraege.begin();
  for (const ConfigEintrag &e : liste) {
    bezeichnungenPruefen(dateiName, e, *zeile, befunde);
    codePruefen(dateiName, e, *zeile++, codes, befunde);
  }
  for (const Unvollstaendig &u : fundstellen.unvollstaendige)
    befunde.emplace_back(u.zeile, meldung(dateiName, u.zeile, u.klasse,
                                          " lacks " + u.fehlend +
                                              ": the reader drops it, and its values pass to "
                                              "the next entry"));
  std::stable_sort(befunde.begin(), befunde.end(),
                   [](const auto &a, const auto &b) { return a.first < b.first; });
  std::vector<std::string> ergebnis;
  if (liste.empty())
    ergebnis.push_back(std::string(dateiName) +
                       ": no complete entry: the converter would have nothing to convert");
  for (auto &b : befunde)
    ergebnis.push_back(std::move(b.second));
  return ergebnis;
}
