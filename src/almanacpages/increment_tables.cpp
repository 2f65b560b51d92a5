#include "almanacpages/increment_tables.h"

#include <cmath>
#include <cstdlib>

namespace nocturna {
namespace {

// Aries gains a sidereal day's 360.98564736629 deg in a solar day; tenths of arc-minute a second.
constexpr double kAriesTenthsPerSecond = 360.98564736629 / 24.0 * 600.0 / 3600.0;
constexpr long kMoonTenthsPerHour = 8590;  // 14 deg 19.0'
constexpr long kSecondsPerHour = 3600;

// numerator / denominator rounded half away from zero (denominator positive).
ArcTenths RoundedRatio(long numerator, long denominator) {
  const long size = (2 * std::labs(numerator) + denominator) / (2 * denominator);
  return static_cast<ArcTenths>(numerator < 0 ? -size : size);
}

}  // namespace

ArcTenths SunPlanetIncrement(int seconds) { return RoundedRatio(5L * seconds, 2); }

ArcTenths AriesIncrement(int seconds) {
  return static_cast<ArcTenths>(std::lround(seconds * kAriesTenthsPerSecond));
}

ArcTenths MoonIncrement(int seconds) {
  return RoundedRatio(kMoonTenthsPerHour * seconds, kSecondsPerHour);
}

ArcTenths VdCorrection(int minute, ArcTenths v) {
  return RoundedRatio(static_cast<long>(v) * (2 * minute + 1), 120);
}

ArcTenths VdArgument(int row, int column) { return column * kVdRows + row; }

ValueTable IncrementTable(int minute) {
  ValueTable table{"increments " + std::to_string(minute) + "m",
                   {{"second", "s"},
                    {"sun_planets", "0.1 arcmin"},
                    {"aries", "0.1 arcmin"},
                    {"moon", "0.1 arcmin"}},
                   {}};
  for (int column = 0; column < kVdColumns; ++column) {
    table.columns.push_back({"v_or_d_" + std::to_string(column + 1), "0.1 arcmin"});
    table.columns.push_back({"correction_" + std::to_string(column + 1), "0.1 arcmin"});
  }
  for (int second = 0; second < kIncrementSecondRows; ++second) {
    const int past = 60 * minute + second;
    std::vector<long> row{second, SunPlanetIncrement(past), AriesIncrement(past), MoonIncrement(past)};
    for (int column = 0; column < kVdColumns && second < kVdRows; ++column) {
      const ArcTenths v = VdArgument(second, column);
      row.push_back(v);
      row.push_back(VdCorrection(minute, v));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace nocturna
