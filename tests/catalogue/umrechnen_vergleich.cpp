// Writes the result of every request over one build's labels: every source
// and target label of its catalogue, every prefix on each side, and inputs
// on the format thresholds and rounding edges; one line per request. Built
// natively and for Windows from this one source, the two outputs must be
// the same bytes. A pair of labels that no conversion joins is one line.
#include "praefixe.h"
#include "umrechnung_liste.h"

#include <cstdio>
#include <set>
#include <string>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const char *const EINGABEN[] = {"1",  "0.01",  "999999999.99995",        "1e-5",
                                "-1", "1e300", "1.7976931348623157e308", "0.3"};

// Every label that a conversion of the catalogue names, on either side.
std::set<std::string> alleEinheiten(const Umrechnung_Liste &liste) {
  std::set<std::string> einheiten;
  for (const Umrechnung *u : liste.liste) {
    einheiten.insert(u->gibQuellBez());
    einheiten.insert(u->gibZielBez());
  }
  return einheiten;
}

void zeile(const char *eingabe, const char *qp, const std::string &qe, const char *zp,
           const std::string &ze, const char *ergebnis) {
  std::printf("%s|%s|%s|%s|%s|%s\n", eingabe, qp, qe.c_str(), zp, ze.c_str(), ergebnis);
}

// All prefixes and inputs for one pair of labels; returns the requests made.
long paarVergleichen(Umrechnung_Liste &liste, const std::string &qe, const std::string &ze) {
  const char *ausgabe = nullptr;
  if (!liste.umrechnen("1", " ", qe.c_str(), &ausgabe, " ", ze.c_str())) {
    zeile("1", " ", qe, " ", ze, "FEHLER");
    return 1;
  }
  long anfragen = 0;
  for (const Praefix &qp : PRAEFIXE)
    for (const Praefix &zp : PRAEFIXE)
      for (const char *eingabe : EINGABEN) {
        liste.umrechnen(eingabe, qp.text, qe.c_str(), &ausgabe, zp.text, ze.c_str());
        zeile(eingabe, qp.text, qe, zp.text, ze, ausgabe);
        ++anfragen;
      }
  return anfragen;
}

} // namespace

int main() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY); // the same line ends as natively
#endif
  static char puffer[1 << 16];
  std::setvbuf(stdout, puffer, _IOFBF, sizeof puffer);
  Umrechnung_Liste liste;
  const std::set<std::string> einheiten = alleEinheiten(liste);
  long anfragen = 0;
  for (const std::string &qe : einheiten)
    for (const std::string &ze : einheiten)
      anfragen += paarVergleichen(liste, qe, ze);
  std::fprintf(stderr, "%ld requests\n", anfragen);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
