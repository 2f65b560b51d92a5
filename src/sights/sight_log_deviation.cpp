#include "sights/sight_log_deviation.h"

#include <cmath>

#include "foundations/printf_text.h"

namespace nocturna {
namespace {

bool IsCompassCheck(SightKind kind) { return kind == SightKind::azimuth || kind == SightKind::amplitude; }

// "1.2E", "0.4W": a deviation by its name.
std::string Named(double degrees) {
  const double tenths = std::round(degrees * 10.0) / 10.0;
  return PrintfText("%.1f%c", std::fabs(tenths), tenths >= 0.0 ? 'E' : 'W');
}

}  // namespace

std::optional<DeviationCardReduction> DeviationCardOf(const std::vector<SightRecord>& log,
                                                      const std::vector<RowReduction>& rows) {
  DeviationCardReduction result;
  std::vector<HeadingCheck> checks;
  bool anyHeading = false;
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (!log[i].Reads() || !IsCompassCheck(log[i].kind) || !log[i].headingDegrees) continue;
    anyHeading = true;
    const RowStep* deviation = rows[i].Step("deviation");
    if (deviation == nullptr) continue;
    result.rows.push_back(i);
    checks.push_back({*log[i].headingDegrees, deviation->value});
  }
  if (!anyHeading) return std::nullopt;
  result.card = FitDeviationCard(checks);
  return result;
}

std::vector<std::string> DeviationCardText(const DeviationCardReduction& reduction) {
  const DeviationCard& card = reduction.card;
  if (card.refusal != nullptr)
    return {PrintfText("No deviation card from %zu check%s with a heading and a variation: %s", reduction.rows.size(),
                       reduction.rows.size() == 1 ? "" : "s", card.refusal)};
  std::vector<std::string> text = {
      PrintfText("Deviation card from %zu checks: A %+.1f\xB0, B %+.1f\xB0, C %+.1f\xB0, D %+.1f\xB0, E %+.1f\xB0 "
                 "(east positive), scatter %.1f\xB0",
                 reduction.rows.size(), card.a, card.b, card.c, card.d, card.e, card.rmsResidualDegrees)};
  for (int half = 0; half < 2; ++half) {
    std::string line;
    for (int k = 12 * half; k < 12 * (half + 1); ++k)
      line += PrintfText("%s%03d\xB0 %s", line.empty() ? "" : "  ", 15 * k, Named(card.card[k]).c_str());
    text.push_back(line);
  }
  std::string residuals = "Residuals by row";
  for (std::size_t k = 0; k < reduction.rows.size(); ++k)
    residuals += PrintfText("%s %zu: %+.1f\xB0", k ? "," : "", reduction.rows[k] + 1, card.residualsDegrees[k]);
  text.push_back(residuals);
  return text;
}

}  // namespace nocturna
