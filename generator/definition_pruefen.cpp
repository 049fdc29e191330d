#include "definition_pruefen.h"

#include <algorithm>
#include <cctype>
#include <cstring>

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

bool istBezeichnerZeichen(char zeichen) {
  return std::isalnum(static_cast<unsigned char>(zeichen)) || zeichen == '_';
}

// What C++ text leaves open at its end: a /* comment ('*'), a raw string
// literal ('R'), or nothing (0). Numbers are read whole, digit separators
// included, so that their ' opens no literal.
char bleibtOffen(const std::string &t) {
  const std::size_t n = t.size();
  for (std::size_t i = 0; i < n;) {
    if (t.compare(i, 2, "//") == 0)
      return 0;
    if (t.compare(i, 2, "/*") == 0) {
      const std::size_t ende = t.find("*/", i + 2);
      if (ende == std::string::npos)
        return '*';
      i = ende + 2;
    } else if (std::isdigit(static_cast<unsigned char>(t[i])) ||
               (t[i] == '.' && i + 1 < n && std::isdigit(static_cast<unsigned char>(t[i + 1])))) {
      for (++i; i < n && (istBezeichnerZeichen(t[i]) || t[i] == '.' ||
                          (t[i] == '\'' && i + 1 < n && istBezeichnerZeichen(t[i + 1])) ||
                          ((t[i] == '+' || t[i] == '-') && std::strchr("eEpP", t[i - 1])));
           ++i) {
      }
    } else if (istBezeichnerZeichen(t[i])) {
      const std::size_t anfang = i;
      while (i < n && istBezeichnerZeichen(t[i]))
        ++i;
      const std::string name = t.substr(anfang, i - anfang);
      if (i < n && t[i] == '"' &&
          (name == "R" || name == "u8R" || name == "uR" || name == "UR" || name == "LR")) {
        const std::size_t klammer = t.find('(', i);
        const std::size_t ende =
            klammer == std::string::npos
                ? klammer
                : t.find(")" + t.substr(i + 1, klammer - i - 1) + "\"", klammer);
        if (ende == std::string::npos)
          return 'R';
        i = ende + (klammer - i) + 1;
      }
    } else if (t[i] == '"' || t[i] == '\'') {
      const char ende = t[i++];
      while (i < n && t[i] != ende)
        i += t[i] == '\\' ? 2 : 1;
      ++i;
    } else {
      ++i;
    }
  }
  return 0;
}

// Whether the first token of C++ text, after white space and comments, is
// '#' or its digraph: a preprocessor line.
bool istPraeprozessorZeile(const std::string &t) {
  std::size_t i = 0;
  for (;;) {
    i = t.find_first_not_of(" \t\v\f\r\n", i);
    if (i == std::string::npos || t.compare(i, 2, "/*") != 0)
      break;
    i = t.find("*/", i + 2);
    if (i == std::string::npos)
      return false;
    i += 2;
  }
  return i != std::string::npos && (t[i] == '#' || t.compare(i, 2, "%:") == 0);
}

// Whether a text holds a character of well-formed UTF-8 of two bytes or
// more: the file was saved in another code page than 1252.
bool haeltUtf8(const std::string &text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const std::size_t folge = c >= 0xC2 && c <= 0xDF   ? 1
                              : c >= 0xE0 && c <= 0xEF ? 2
                              : c >= 0xF0 && c <= 0xF4 ? 3
                                                       : 0;
    if (!folge || i + folge >= text.size())
      continue;
    const unsigned char zweites = static_cast<unsigned char>(text[i + 1]);
    bool gut = zweites >= (c == 0xE0   ? 0xA0
                           : c == 0xF0 ? 0x90
                                       : 0x80) &&
               zweites <= (c == 0xED   ? 0x9F
                           : c == 0xF4 ? 0x8F
                                       : 0xBF);
    for (std::size_t k = 2; gut && k <= folge; ++k)
      gut = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (gut)
      return true;
  }
  return false;
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
  if (istPraeprozessorZeile(e.berechnung))
    befund(z.berechnung, ": its F text is a preprocessor line, not a statement");
  const char offen = bleibtOffen(e.berechnung);
  if (offen)
    befund(z.berechnung, offen == '*' ? ": its F text opens a /* comment that it does not close"
                                      : ": its F text opens a raw string literal that it does "
                                        "not close");
  for (const TextFeld &feld : TEXTFELDER)
    if (haeltUtf8(e.*feld.feld))
      befund(z.*feld.zeile, std::string(": its ") + feld.schluessel +
                                " text holds UTF-8, not code page 1252: the file was saved in "
                                "another code page; save it in code page 1252");
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
  for (const Ungeschlossen &u : fundstellen.ungeschlossene)
    befunde.emplace_back(u.zeile,
                         meldung(dateiName, u.zeile, u.klasse,
                                 " has no \"E\" before the \"C\" of line " + std::to_string(u.neu) +
                                     ": the reader joins the two entries, the later "
                                     "value of each key winning"));
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
