#include "sights/sight_row_reduction.h"

#include "foundations/printf_text.h"
#include "sights/sight_row_kinds.h"

namespace nocturna {
namespace {

// Kinds whose reduction another part of the program does not do yet: kept, saved as typed, and
// out of the fix with this note.
RowReduction NotReducedYet(SightKind kind) {
  RowReduction row;
  row.kind = kind;
  row.note = PrintfText("%s rows are kept but not reduced yet", std::string(SightKindName(kind)).c_str());
  return row;
}

}  // namespace

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
    case SightKind::noon: return ReduceNoonRow(row, line, context);
    case SightKind::polaris: return ReducePolarisRow(row, line, context);
    case SightKind::azimuth: return ReduceAzimuthRow(row, context);
    case SightKind::amplitude: return ReduceAmplitudeRow(row, context);
    case SightKind::identify: return ReduceIdentifyRow(row, context);
    default: return NotReducedYet(row.kind);
  }
}

std::string RowStepsText(const RowReduction& row) {
  std::string text;
  // A step without a label continues the one before it ("DR 30N" then " 040W").
  for (const RowStep& step : row.steps)
    text += step.label.empty() ? " " + step.text : (text.empty() ? "" : ", ") + step.label + " " + step.text;
  return text;
}

}  // namespace nocturna
