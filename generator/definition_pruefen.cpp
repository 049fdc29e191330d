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
    else if (s.bez.find_first_of(" \t") == 0 || s.bez.find_last_of(" \t") == s.bez.size() - 1)
      befunde.emplace_back(z.klasse,
                           meldung(dateiName, s.zeile, e.klassenName,
                                   std::string(": the ") + s.seite +
                                       " label begins or ends with a blank, which no unit "
                                       "box shows but every comparison sees"));
  }
}

// Whether C++ text leaves a /* comment open at its end.
bool kommentarBleibtOffen(const std::string &text) {
  char zustand = 'c'; // in code, in a literal ('"' or '\''), in a comment ('*')
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (zustand == '*') {
      if (text.compare(i, 2, "*/") == 0) {
        zustand = 'c';
        ++i;
      }
    } else if (zustand != 'c') {
      if (text[i] == '\\')
        ++i;
      else if (text[i] == zustand)
        zustand = 'c';
    } else if (text.compare(i, 2, "//") == 0) {
      return false;
    } else if (text.compare(i, 2, "/*") == 0) {
      zustand = '*';
      ++i;
    } else if (text[i] == '"' || text[i] == '\'') {
      zustand = text[i];
    }
  }
  return zustand == '*';
}

// A field's text stands in a generated line between fixed text: it may not
// reach into the lines around it, nor be a line of its own.
void feldtextePruefen(const char *dateiName, const ConfigEintrag &e, const EintragsZeilen &z,
                      Befunde &befunde) {
  auto befund = [&](unsigned long zeile, const std::string &was) {
    befunde.emplace_back(z.klasse, meldung(dateiName, zeile, e.klassenName, was));
  };
  // F, Z, D and d end their generated lines: a backslash at the end of one
  // joins the next line to it.
  for (const TextFeld &feld : TEXTFELDER) {
    const std::string &text = e.*feld.feld;
    if (std::string("FZDd").find(feld.schluessel) == std::string::npos)
      continue;
    const std::size_t ende = text.find_last_not_of(" \t");
    if (ende != std::string::npos && text[ende] == '\\')
      befund(z.*feld.zeile, std::string(": its ") + feld.schluessel +
                                " text ends with a backslash, which joins the next generated "
                                "line to it");
  }
  const std::size_t anfang = e.berechnung.find_first_not_of(" \t");
  if (anfang != std::string::npos && e.berechnung[anfang] == '#')
    befund(z.berechnung, ": its F text is a preprocessor line, not a statement");
  if (kommentarBleibtOffen(e.berechnung))
    befund(z.berechnung, ": its F text opens a /* comment that it does not close");
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
    feldtextePruefen(dateiName, e, *zeile, befunde);
    codePruefen(dateiName, e, *zeile++, codes, befunde);
  }
  for (const Unvollstaendig &u : fundstellen.unvollstaendige)
    befunde.emplace_back(u.zeile, meldung(dateiName, u.zeile, u.klasse,
                                          " lacks " + u.schluessel +
                                              ": the reader drops it, and its values pass to "
                                              "the next entry"));
  const Unvollstaendig &offen = fundstellen.offen;
  if (offen.zeile)
    befunde.emplace_back(offen.zeile,
                         meldung(dateiName, offen.zeile, offen.klasse,
                                 " (" + offen.schluessel +
                                     ") has no \"E\" before the end of the file: the reader "
                                     "drops it"));
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
