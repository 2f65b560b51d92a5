#include "almanacpages/concise_reduction.h"

#include <cmath>

#include "foundations/angles.h"

namespace nocturna {

ConciseEntry ConciseTableEntry(int x, int y) {
  const double cx = std::cos(DegToRad(x));
  const double sx = std::sin(DegToRad(x));
  const double cy = std::cos(DegToRad(y));
  const double sy = std::sin(DegToRad(y));
  const double a = std::asin(std::min(1.0, cx * sy));
  const double b = std::atan2(cy * cx, sx);
  const double z = std::atan2(std::sin(b), std::cos(b) * std::sin(a));
  return {std::lround(60.0 * RadToDeg(a)), std::lround(60.0 * RadToDeg(b)), std::lround(10.0 * RadToDeg(z))};
}

long AuxiliaryCorrection(int minutesTenths, int angleDegrees) {
  return std::lround(minutesTenths * std::cos(DegToRad(angleDegrees)));
}

ValueTable ConciseReductionTable() {
  ValueTable table{"concise reduction",
                   {{"latitude_or_a", "deg"},
                    {"lha_or_f", "deg"},
                    {"a_or_h", "arcmin"},
                    {"b_or_p", "arcmin"},
                    {"z1_or_z2", "0.1 deg"}},
                   {}};
  for (int x = 0; x < kConciseArguments; ++x) {
    for (int y = 0; y < kConciseArguments; ++y) {
      const ConciseEntry entry = ConciseTableEntry(x, y);
      table.rows.push_back({x, y, entry.a, entry.b, entry.z});
    }
  }
  return table;
}

ValueTable AuxiliaryTable() {
  ValueTable table{"auxiliary", {{"minutes", "arcmin"}}, {}};
  for (int angle = 0; angle <= 90; angle += 5) {
    table.columns.push_back({"angle_" + std::to_string(angle), "0.1 arcmin"});
  }
  for (int minutes = 0; minutes <= 30; ++minutes) {
    std::vector<long> row{minutes};
    for (int angle = 0; angle <= 90; angle += 5) row.push_back(AuxiliaryCorrection(10 * minutes, angle));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace nocturna
