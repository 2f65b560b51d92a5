#include "sights/sight_row_reduction.h"

#include "sights/lunar_row.h"
#include "sights/sight_row_kinds.h"

namespace nocturna {

const RowStep* RowReduction::Step(const std::string& key) const {
  for (const RowStep& step : steps) {
    if (step.key == key) return &step;
  }
  return nullptr;
}

void RowReduction::Add(std::string key, std::string label, double value, std::string text) {
  steps.push_back({std::move(key), std::move(label), value, std::move(text)});
}

RowReduction ReduceRowOfKind(const SightRecord& row, const SightLine& line, RowContext& context) {
  switch (row.kind) {
    case SightKind::altitude: return RowReduction{};
    case SightKind::lunar: return ReduceLunarRow(row, context);
    case SightKind::watch: return ReduceWatchRow(row);
    case SightKind::noon: return ReduceNoonRow(row, line, context);
    case SightKind::polaris: return ReducePolarisRow(row, line, context);
    case SightKind::azimuth: return ReduceAzimuthRow(row, context);
    case SightKind::amplitude: return ReduceAmplitudeRow(row, context);
    case SightKind::identify: return ReduceIdentifyRow(row, context);
  }
  return RowReduction{};  // every kind has its case above
}

std::string RowStepsText(const RowReduction& row) {
  std::string text;
  // A step without a label continues the one before it ("DR 30N" then " 040W").
  for (const RowStep& step : row.steps)
    text += step.label.empty() ? " " + step.text : (text.empty() ? "" : ", ") + step.label + " " + step.text;
  return text;
}

}  // namespace nocturna
