// Speed of a conversion request and of listing the unit labels.
#include "umrechnung_liste.h"

#include <benchmark/benchmark.h>

namespace {

void anfrage(benchmark::State &state, const char *quell, const char *ziel) {
  Umrechnung_Liste liste;
  const char *ausgabe = nullptr;
  for (auto _ : state) {
    bool ok = liste.umrechnen("1234.5", "k", quell, &ausgabe, " ", ziel);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(ausgabe);
  }
}

void BM_Direkt(benchmark::State &state) {
  anfrage(state, "m", "ft");
}
void BM_Kette(benchmark::State &state) {
  anfrage(state, "psi", "mWS");
}
void BM_OhneTreffer(benchmark::State &state) {
  anfrage(state, "m", "kg");
}

void BM_AlleEinheiten(benchmark::State &state) {
  Umrechnung_Liste liste;
  for (auto _ : state) {
    std::list<const char *> quell, ziel;
    liste.einheitenListen(0, quell, ziel);
    benchmark::DoNotOptimize(quell.size());
  }
}

BENCHMARK(BM_Direkt);
BENCHMARK(BM_Kette);
BENCHMARK(BM_OhneTreffer);
BENCHMARK(BM_AlleEinheiten);

} // namespace

BENCHMARK_MAIN();
