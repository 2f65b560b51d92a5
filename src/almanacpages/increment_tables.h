#pragma once
// The increments and corrections: what the GHA gains in the minutes and seconds past the hour
// (15 deg an hour for the Sun and planets, the sidereal rate for Aries, 14 deg 19.0' for the
// Moon), and the part of an hourly v or d that belongs to the minutes. Tenths of a minute of
// arc, rounded half up, exactly as the arithmetic gives them.
#include <vector>

#include "almanacpages/page_sheet.h"
#include "almanacpages/printed_values.h"
#include "almanacpages/value_table.h"

namespace nocturna {

inline constexpr int kIncrementMinutes = 60;      // one table for each minute past the hour
inline constexpr int kIncrementSecondRows = 61;   // 00 to 60 seconds
inline constexpr int kVdColumns = 3;              // v or d 0.0-5.9, 6.0-11.9, 12.0-17.9
inline constexpr int kVdRows = 60;                // 0.1' apart in each column

// The increments for `seconds` (0..3660) past the whole hour.
ArcTenths SunPlanetIncrement(int seconds);
ArcTenths AriesIncrement(int seconds);
ArcTenths MoonIncrement(int seconds);

// The correction for an hourly v or d (tenths, either sign) in the minute `minute` past the
// hour, taken for the middle of the minute as the printed tables are: v (minute + 0.5) / 60.
ArcTenths VdCorrection(int minute, ArcTenths v);

// The v or d of row `row`, column `column` of a minute's table.
ArcTenths VdArgument(int row, int column);

// One minute's table: second, Sun and planets, Aries, Moon (tenths of arc-minute), then the
// v or d rows as (v, correction) pairs.
ValueTable IncrementTable(int minute);

// The 60 tables, two to a sheet as the printed almanac sets them.
std::vector<Sheet> IncrementSheets();

}  // namespace nocturna
