#include "sights/sight_log_reduction.h"

#include "sights/dead_reckoning.h"
#include "sights/sight_body.h"

namespace nocturna {

SightLogReduction ReduceSightLog(const std::vector<SightRecord>& log, const DrPosition& dr,
                                 DateTime drTime, const RunMadeGood& run,
                                 const EphemerisChoice& choice) {
  SightLogReduction result;
  BodyCatalog scratch = BuildCatalog();
  const auto reduce = [&](const SightRecord& sight) {
    const DrPosition there = MoveByRun(dr, run, (sight.utc - drTime) * 24.0);
    return ReduceSight(scratch, FindSightBody(sight.body).value_or(kSunIndex), sight, there,
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
  result.fix = FixFromLines(fixLines, dr, drTime, run);
  return result;
}

}  // namespace nocturna
