#include "sights/sight_reduction_json.h"

#include "almanacpages/page_ephemeris.h"
#include "cli/json_writer.h"
#include "sights/sight_fields.h"
#include "sights/sight_texts.h"

namespace nocturna {
namespace {

// The members a sight and a line of position share: its moment, corrections and reduction.
void CorrectionMembers(Json& object, const SightLine& s) {
  const AltitudeCorrections& c = s.corrections;
  object["utc"] = FormatUtcMoment(s.utc);
  object["hs"] = c.hsDegrees;
  object["indexCorrection"] = c.indexCorrectionMinutes;
  object["dip"] = c.dipMinutes;
  object["ha"] = c.apparentAltitudeDegrees;
  object["refraction"] = c.refractionMinutes;
  object["semiDiameter"] = c.semiDiameterMinutes;
  object["parallax"] = c.parallaxMinutes;
  object["ho"] = c.observedAltitudeDegrees;
  object["caution"] = CautionText(c.caution);
  object["drLatitude"] = s.dr.latitude;
  object["drLongitudeWest"] = s.dr.longitude;
  object["gha"] = s.ghaDegrees;
  object["declination"] = s.declinationDegrees;
  object["hc"] = s.hcDegrees;
  object["zn"] = s.znDegrees;
  object["intercept"] = s.interceptMiles;
}

Json StepsJson(const RowReduction& row) {
  Json steps = Json::object();
  for (const RowStep& step : row.steps) steps[step.key] = step.value;
  return steps;
}

Json SightsJson(const std::vector<SightRecord>& log, const SightLogReduction& reduction) {
  Json sights = Json::array();
  for (std::size_t i = 0; i < log.size(); ++i) {
    const RowReduction& row = reduction.rows[i];
    Json sight = {{"kind", SightKindName(log[i].kind)}, {"body", log[i].body}, {"limb", FormatLimb(log[i].limb)},
                  {"utc", FormatUtcMoment(log[i].utc)}};
    if (!log[i].observer.empty()) sight["observer"] = log[i].observer;
    if (KindIsAltitudeSight(log[i].kind)) CorrectionMembers(sight, reduction.shots[i]);
    if (log[i].kind != SightKind::altitude) {
      sight["steps"] = StepsJson(row);
      sight["result"] = row.result;
    }
    sight["note"] = reduction.notes[i];
    sights.push_back(std::move(sight));
  }
  return sights;
}

Json NoonRunsJson(const SightLogReduction& reduction) {
  Json runs = Json::array();
  for (std::size_t r = 0; r < reduction.noonRuns.size(); ++r) {
    Json rows = Json::array();
    for (std::size_t row : reduction.noonRuns[r].rows) rows.push_back(row + 1);
    const RowReduction& steps = reduction.noonRunSteps[r];
    runs.push_back({{"sights", std::move(rows)}, {"steps", StepsJson(steps)}, {"note", steps.note}});
  }
  return runs;
}

Json DeviationCardJson(const SightLogReduction& reduction) {
  if (!reduction.deviationCard) return nullptr;
  const DeviationCardReduction& fitted = *reduction.deviationCard;
  const DeviationCard& card = fitted.card;
  Json rows = Json::array();
  for (std::size_t row : fitted.rows) rows.push_back(row + 1);
  Json object = {{"sights", std::move(rows)}, {"refusal", card.refusal ? card.refusal : ""}};
  if (card.refusal != nullptr) return object;
  object["coefficients"] = {{"a", card.a}, {"b", card.b}, {"c", card.c}, {"d", card.d}, {"e", card.e}};
  object["residuals"] = card.residualsDegrees;
  object["scatter"] = card.rmsResidualDegrees;
  object["deviationEvery15Degrees"] = card.card;
  return object;
}

Json RunsJson(const SightLogReduction& reduction) {
  Json runs = Json::array();
  for (const RunAnalysis& run : reduction.runs) {
    Json rows = Json::array(), outliers = Json::array();
    for (std::size_t row : run.rows) rows.push_back(row + 1);
    for (std::size_t row : run.outliers) outliers.push_back(row + 1);
    runs.push_back({{"sights", std::move(rows)}, {"residuals", run.residualsMinutes},
                    {"scatter", run.scatterMinutes}, {"slopeMinutesPerMinute", run.slopeMinutesPerMinute},
                    {"outliers", std::move(outliers)}});
  }
  return runs;
}

Json ObserverBiasesJson(const SightLogReduction& reduction) {
  Json biases = Json::array();
  for (const ObserverBias& bias : reduction.observerBiases)
    biases.push_back({{"observer", bias.observer}, {"lines", bias.lines}, {"bias", bias.biasMinutes},
                      {"uncertainty", bias.uncertaintyMinutes}});
  return biases;
}

Json LinesJson(const SightLogReduction& reduction) {
  Json lines = Json::array();
  for (std::size_t g = 0; g < reduction.groups.size(); ++g) {
    const ShotAverage& group = reduction.groups[g];
    Json shots = Json::array();
    for (std::size_t k = 0; k < group.shots.size(); ++k) {
      shots.push_back({{"sight", group.shots[k] + 1},
                       {"residual", group.residualsMinutes[k]},
                       {"outlier", static_cast<bool>(group.outliers[k])}});
    }
    Json line = {{"body", group.averaged.body},
                 {"limb", FormatLimb(group.averaged.limb)},
                 {"shots", std::move(shots)},
                 {"slope", group.slopeMinutesPerMinute}};
    CorrectionMembers(line, reduction.lines[g]);
    line["leftOut"] = reduction.lineNotes[g];
    lines.push_back(std::move(line));
  }
  return lines;
}

Json FixJson(const SightLogReduction& reduction) {
  const SightFix& fix = reduction.fix;
  Json object = {{"found", fix.found}, {"problem", fix.problem}, {"utc", FormatUtcMoment(fix.utc)}};
  if (!fix.found) return object;
  Json rows = Json::array();
  for (std::size_t g : reduction.fixLines) rows.push_back(RowsOfGroup(reduction.groups[g]));
  object["lines"] = reduction.fixLines.size();
  object["residualRows"] = std::move(rows);
  object["latitude"] = fix.position.latitude;
  object["longitudeWest"] = fix.position.longitude;
  object["iterations"] = fix.iterations;
  object["residuals"] = fix.residualsMiles;
  object["ellipse"] = {{"semiMajor", fix.semiMajorMiles},
                       {"semiMinor", fix.semiMinorMiles},
                       {"majorAxis", fix.majorAxisDegrees},
                       {"fromResiduals", fix.ellipseFromResiduals}};
  object["widestCrossing"] = fix.widestCrossingDegrees;
  object["poorGeometry"] = fix.poorGeometry;
  return object;
}

}  // namespace

std::string SightReductionJson(const std::vector<SightRecord>& log, const DrPosition& dr,
                               DateTime drTime, const DeadReckoning& run,
                               const EphemerisChoice& ephemeris, const SightLogReduction& reduction) {
  const Json document = {
      {"ephemeris", EphemerisName(ephemeris.kind)},
      {"units", "altitudes and angles in degrees, corrections in minutes of arc, "
                "intercepts, residuals and ellipse in nautical miles"},
      {"dr", {{"latitude", dr.latitude},
              {"longitudeWest", dr.longitude},
              {"utc", FormatUtcMoment(drTime)},
              {"course", run.courseDegrees},
              {"speed", run.speedKnots}}},
      {"sights", SightsJson(log, reduction)},
      {"noonRuns", NoonRunsJson(reduction)},
      {"deviationCard", DeviationCardJson(reduction)},
      {"runs", RunsJson(reduction)},
      {"observerBiases", ObserverBiasesJson(reduction)},
      {"lines", LinesJson(reduction)},
      {"fix", FixJson(reduction)},
  };
  return JsonDocumentText(document);
}

}  // namespace nocturna
