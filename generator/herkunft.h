// Where the text fields of the entries stand in the definition file, for the
// annotated copies of the generated files: in them every line that holds a
// field's text is preceded by `#line N "FILE"`, N the field's line in the
// definition file FILE, and followed by a `#line` back to the generated
// file. The compiler's messages about an entry then name the definition
// file and the line of the field at fault.
#ifndef ZORBEL_HERKUNFT_H
#define ZORBEL_HERKUNFT_H

#include "config_eintrag.h"
#include "konfiguration_lesen.h"

#include <string>
#include <unordered_map>

class Herkunft {
public:
  // `definition`: the definition file as the compiler is to name it;
  // `generiert`: the folder of zorbel's own files, for the lines in between.
  Herkunft(const std::string &definition, const std::string &generiert, const ConfigListe &liste,
           const Fundstellen &fundstellen);

  // The line of the field whose text `feld` is (the entry list's own
  // string, not a copy); 0 for any other text.
  unsigned long zeileVon(const std::string &feld) const;

  // The directive that makes the next line line `zeile` of the definition
  // file, or of the generated file `datei`.
  std::string inDerDefinition(unsigned long zeile) const;
  std::string imGenerierten(unsigned long zeile, const char *datei) const;

private:
  std::string definition;
  std::string generiert;
  std::unordered_map<const std::string *, unsigned long> zeilen;
};

#endif
