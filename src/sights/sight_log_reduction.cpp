#include "sights/sight_log_reduction.h"

#include "sights/dead_reckoning.h"
#include "sights/sight_body.h"

namespace nocturna {

SightLogReduction ReduceSightLog(const std::vector<SightRecord>& log, const DeadReckoning& dr,
                                 DateTime fixTime, const EphemerisChoice& choice) {
  SightLogReduction result;
  BodyCatalog scratch = BuildCatalog();
  const auto reduce = [&](const SightRecord& sight) {
    return ReduceSight(scratch, FindSightBody(sight.body).value_or(kSunIndex), sight,
                       PositionAt(dr, sight.utc),
                       choice);
  };
  result.shots.reserve(log.size());
  for (const SightRecord& sight : log) result.shots.push_back(reduce(sight));

  result.groups = AverageShots(log);
  std::vector<FixLine> fixLines;
  for (const ShotAverage& group : result.groups) {
    const SightLine line = group.shots.size() == 1 ? result.shots[group.shots.front()]
                                                   : reduce(group.averaged);
    result.lines.push_back(line);
    if (line.corrections.caution == AltitudeCaution::belowHorizon) continue;
    fixLines.push_back({line.utc, line.ghaDegrees, line.declinationDegrees,
                        line.corrections.observedAltitudeDegrees});
  }
  result.fix = FixFromLines(fixLines, dr, fixTime);
  return result;
}

}  // namespace nocturna
