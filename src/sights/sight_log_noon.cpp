#include "sights/sight_log_noon.h"

#include <algorithm>
#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/body_place.h"
#include "sights/sight_body.h"
#include "sights/sight_fields.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24.0;

bool SunNoonRow(const SightRecord& row) {
  return row.Reads() && row.kind == SightKind::noon && row.body == SightBodyName(kSunIndex);
}

}  // namespace

std::vector<NoonRunReduction> NoonRunsOf(const std::vector<SightRecord>& log, const std::vector<SightLine>& shots,
                                         RowContext& context) {
  std::vector<std::size_t> noonRows;
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (SunNoonRow(log[i])) noonRows.push_back(i);
  }
  std::stable_sort(noonRows.begin(), noonRows.end(),
                   [&](std::size_t a, std::size_t b) { return log[a].utc < log[b].utc; });
  std::vector<NoonRunReduction> runs;
  for (std::size_t k = 0; k < noonRows.size();) {
    NoonRunReduction run;
    const DateTime first = log[noonRows[k]].utc;
    while (k < noonRows.size() && (log[noonRows[k]].utc - first) * kHoursPerDay <= kNoonRunHours)
      run.rows.push_back(noonRows[k++]);
    if (run.rows.size() < kFewestNoonRunRows) continue;
    std::vector<TimedAltitude> altitudes;
    for (std::size_t row : run.rows) altitudes.push_back({log[row].utc, shots[row].corrections.observedAltitudeDegrees});
    run.fit = FitNoonRun(context.scratch, altitudes, context.dr, context.choice);
    runs.push_back(std::move(run));
  }
  return runs;
}

ShotAverage NoonRunGroup(const NoonRunReduction& run, const std::vector<SightRecord>& log, RowContext& context) {
  ShotAverage group;
  group.shots = run.rows;
  group.outliers.assign(run.rows.size(), false);
  group.residualsMinutes.assign(run.rows.size(), 0.0);
  group.averaged = log[run.rows.front()];
  group.averaged.cells = {};
  group.averaged.utc = std::round(run.fit.noonUtc * 86400.0) / 86400.0;
  PlaceOfBody(context.scratch, kSunIndex, group.averaged.utc, context.choice);
  group.averaged.hsDegrees =
      SextantAltitudeFor(run.fit.maximumAltitudeDegrees, group.averaged.conditions,
                         DiscOf(context.scratch, kSunIndex, group.averaged.limb))
          .value_or(run.fit.maximumAltitudeDegrees);
  return group;
}

RowReduction NoonRunSteps(const NoonRunReduction& run) {
  RowReduction steps;
  steps.kind = SightKind::noon;
  if (run.fit.refusal != nullptr) {
    steps.note = run.fit.refusal;
    return steps;
  }
  const NoonRun& fit = run.fit;
  steps.Add("noonUtc", "LAN", fit.noonUtc, FormatUtcMoment(fit.noonUtc) + " UTC");
  steps.Add("maximumAltitude", "Ho max", fit.maximumAltitudeDegrees, FormatAltAz(fit.maximumAltitudeDegrees, true, 2));
  steps.Add("declination", "Dec", fit.latitude.declinationDegrees, FormatDeclination(fit.latitude.declinationDegrees));
  steps.Add("latitude", "Lat", fit.latitude.latitudeDegrees, FormatLatitude(fit.latitude.latitudeDegrees));
  steps.Add("longitudeWest", "Lon", fit.longitudeDegrees, FormatLongitude(fit.longitudeDegrees));
  steps.Add("scatterMinutes", "scatter", fit.rmsResidualMinutes, PrintfText("%.1f'", fit.rmsResidualMinutes));
  steps.result = "Lat " + FormatLatitude(fit.latitude.latitudeDegrees) + ", Lon " + FormatLongitude(fit.longitudeDegrees);
  return steps;
}

}  // namespace nocturna
