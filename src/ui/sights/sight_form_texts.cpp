#include "ui/sights/sight_form_texts.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/sight_fields.h"
#include "sights/sight_texts.h"
#include "ui/sights/sight_body_list.h"

namespace nocturna {
using namespace sight_columns;
namespace {

std::string RowList(const ShotAverage& group, const std::vector<int>& sightRows, bool outliers) {
  std::string rows;
  for (std::size_t k = 0; k < group.shots.size(); ++k) {
    if (group.outliers[k] != outliers) continue;
    rows += (rows.empty() ? "" : ", ") + std::to_string(sightRows[group.shots[k]] + 1);
  }
  return rows;
}

// "row 3" or "rows 3, 4".
std::string RowsText(const std::string& list) {
  return (list.find(',') == std::string::npos ? "row " : "rows ") + list;
}

SightRowResult ShotResult(const SightLine& line) {
  const AltitudeCorrections& c = line.corrections;
  return {FormatCorrectionMinutes(-c.dipMinutes),
          FormatAltAz(c.apparentAltitudeDegrees, true, 2),
          FormatCorrectionMinutes(-c.refractionMinutes),
          c.semiDiameterMinutes == 0.0 ? "" : FormatCorrectionMinutes(c.semiDiameterMinutes),
          c.parallaxMinutes == 0.0 ? "" : FormatCorrectionMinutes(c.parallaxMinutes),
          FormatAltAz(c.observedAltitudeDegrees, true, 2),
          FormatAltAz(line.hcDegrees, true, 2),
          FormatAltAz(line.znDegrees, false, 3),
          FormatIntercept(line.interceptMiles),
          CautionText(c.caution)};
}

}  // namespace

const std::array<const char*, kSightColumnCount>& SightColumnCaptions() {
  static const std::array<const char*, kSightColumnCount> captions = {
      "Time", "Body", "Limb", "Hs", "IC", "Eye", "Temp \xB0" "C", "hPa", "Dip", "Ha", "R", "SD",
      "PA", "Ho", "Hc", "Zn", "Intercept", "Note"};
  return captions;
}

std::vector<SightRowResult> SightRowResults(const std::vector<std::string>& rowProblems,
                                            const std::vector<int>& sightRows,
                                            const SightLogReduction& reduction) {
  std::vector<SightRowResult> results(rowProblems.size());
  for (std::size_t row = 0; row < rowProblems.size(); ++row)
    results[row].back() = rowProblems[row];
  for (std::size_t i = 0; i < sightRows.size() && i < reduction.shots.size(); ++i)
    results[sightRows[i]] = ShotResult(reduction.shots[i]);
  for (const ShotAverage& group : reduction.groups) {
    for (std::size_t k = 0; k < group.shots.size(); ++k) {
      if (group.outliers[k])
        results[sightRows[group.shots[k]]].back() =
            "outlier, " + FormatCorrectionMinutes(group.residualsMinutes[k]) + " off the others";
    }
  }
  return results;
}

std::vector<std::string> LinesOfPositionText(const SightLogReduction& reduction,
                                             const std::vector<int>& sightRows) {
  std::vector<std::string> texts;
  int number = 0;
  for (std::size_t g = 0; g < reduction.groups.size() && g < reduction.lines.size(); ++g) {
    const ShotAverage& group = reduction.groups[g];
    const SightLine& line = reduction.lines[g];
    const std::string name = ShownBodyName(line.bodyIndex);
    const std::string rows = RowList(group, sightRows, false);
    const std::string outliers = RowList(group, sightRows, true);
    if (!outliers.empty())
      texts.push_back("Left out: " + name + " " + RowsText(outliers) + ", off the other shots");
    if (line.corrections.caution == AltitudeCaution::belowHorizon) {
      texts.push_back("Left out: " + name + " " + RowsText(rows) + ", " +
                      CautionText(line.corrections.caution));
      continue;
    }
    texts.push_back(PrintfText("Line %d: %s from %s at %s, Ho %s Hc %s Zn %s, intercept %s",
                               ++number, name.c_str(), RowsText(rows).c_str(),
                               FormatUtcMoment(line.utc).c_str(),
                               FormatAltAz(line.corrections.observedAltitudeDegrees, true, 2).c_str(),
                               FormatAltAz(line.hcDegrees, true, 2).c_str(),
                               FormatAltAz(line.znDegrees, false, 3).c_str(),
                               FormatIntercept(line.interceptMiles).c_str()));
  }
  return texts;
}

std::string EphemerisNote(const EphemerisChoice& choice, const char* switchHint) {
  if (choice.kind == EphemerisKind::precise) return "Reduced with the precise ephemeris.";
  return std::string("Reduced with the standard ephemeris, good to about a mile; for the precise "
                     "one (a tenth of a minute) use ") +
         switchHint + ".";
}

}  // namespace nocturna
