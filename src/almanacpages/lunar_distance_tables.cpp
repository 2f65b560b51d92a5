#include "almanacpages/lunar_distance_tables.h"

#include <cmath>
#include <cstdio>

#include "almanacpages/page_dates.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/body_catalog.h"
#include "sights/lunar_ephemeris.h"

namespace nocturna {
namespace {

constexpr int kHoursApart = 24 / (kLunarDistanceTimes - 1);
constexpr double kNearestDegrees = 15.0;
constexpr double kFarthestDegrees = 125.0;

}  // namespace

LunarDistanceDay ComputeLunarDistances(const CalendarDate& date, const EphemerisChoice& choice) {
  LunarDistanceDay day{date, {}};
  for (const int body : kLunarDistanceBodies) day.rows.push_back({body, {}});
  BodyCatalog catalog = BuildCatalog();
  std::vector<bool> kept(day.rows.size(), true);
  for (int t = 0; t < kLunarDistanceTimes; ++t) {
    const CalendarDate at = t + 1 < kLunarDistanceTimes ? date : DateAfter(date, 1);
    const ClockTime clock{static_cast<std::uint16_t>(t + 1 < kLunarDistanceTimes ? kHoursApart * t : 0), 0, 0};
    ComputeMomentPositions(catalog, at, clock, DrPosition{}, choice);
    for (std::size_t r = 0; r < day.rows.size(); ++r) {
      const double degrees = CatalogLunarAngle(catalog, day.rows[r].bodyIndex);
      day.rows[r].tenths[t] = std::lround(degrees * 600.0);
      kept[r] = kept[r] && degrees >= kNearestDegrees && degrees <= kFarthestDegrees;
    }
  }
  std::vector<LunarDistanceRow> rows;
  for (std::size_t r = 0; r < day.rows.size(); ++r) {
    if (kept[r]) rows.push_back(day.rows[r]);
  }
  day.rows = std::move(rows);
  return day;
}

std::string LunarBodyName(int bodyIndex) {
  static const BodyCatalog catalog = BuildCatalog();
  return catalog.entries[bodyIndex].name;
}

ValueTable LunarDistanceTable(const LunarDistanceDay& day) {
  char name[48];
  std::snprintf(name, sizeof name, "lunar distances %04d-%02d-%02d", day.date.year, day.date.month, day.date.day);
  ValueTable table{name, {{"hour", "h"}}, {}};
  for (const LunarDistanceRow& row : day.rows) table.columns.push_back({LunarBodyName(row.bodyIndex), "0.1 arcmin"});
  for (int t = 0; t < kLunarDistanceTimes; ++t) {
    std::vector<long> values{static_cast<long>(kHoursApart * t)};
    for (const LunarDistanceRow& row : day.rows) values.push_back(row.tenths[t]);
    table.rows.push_back(std::move(values));
  }
  return table;
}

int LunarDistancePageCount(int days) {
  return (days + kLunarDistanceDaysPerPage - 1) / kLunarDistanceDaysPerPage;
}

}  // namespace nocturna
