// Whatever bytes a sight log holds: the reader keeps every row (those that do not read with a
// note), what it writes reads back the same, and the reduction of what it read gives a fix that
// is a real position or none, with its reason.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"

namespace {

using namespace nocturna;

// Reducing costs a catalog per row: a few rows show every path.
constexpr std::size_t kMostRowsReduced = 24;

void CheckReduction(const SightLogParse& parse) {
  if (parse.sights.empty() || parse.sights.size() > kMostRowsReduced) return;
  DeadReckoning dr;
  dr.position = parse.settings.drPosition.value_or(DrPosition{38.5, 24.25});
  dr.utc = parse.settings.drUtc.value_or(parse.sights.front().Reads() ? parse.sights.front().utc : 46000.0);
  dr.courseDegrees = parse.settings.courseDegrees.value_or(0.0);
  dr.speedKnots = parse.settings.speedKnots.value_or(0.0);
  const SightLogReduction reduction =
      ReduceSightLog(parse.sights, dr, parse.settings.fixUtc.value_or(dr.utc), {});
  FUZZ_CHECK(reduction.notes.size() == parse.sights.size());
  if (!reduction.fix.found) {
    FUZZ_CHECK(!reduction.fix.problem.empty());
    return;
  }
  FUZZ_CHECK(std::abs(reduction.fix.position.latitude) <= 90.0);
  FUZZ_CHECK(std::abs(reduction.fix.position.longitude) <= 180.0);
  FUZZ_CHECK(reduction.fix.residualsMiles.size() == reduction.fixLines.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const SightLogParse parse = ParseSightLog(text);
  if (parse.error) {
    FUZZ_CHECK(parse.sights.empty());
    return 0;
  }
  const std::string saved = FormatSightLog(parse.sights, parse.settings);
  const SightLogParse again = ParseSightLog(saved);
  FUZZ_CHECK(!again.error);
  FUZZ_CHECK(again.sights.size() == parse.sights.size());
  for (std::size_t i = 0; i < parse.sights.size(); ++i) {
    FUZZ_CHECK(again.sights[i].Reads() == parse.sights[i].Reads());
    if (parse.sights[i].Reads()) {
      FUZZ_CHECK(again.sights[i].utc == parse.sights[i].utc);
      FUZZ_CHECK(again.sights[i].hsDegrees == parse.sights[i].hsDegrees);
      FUZZ_CHECK(again.sights[i].body == parse.sights[i].body);
    }
  }
  CheckReduction(parse);
  return 0;
}
