#pragma once
// A sight log row's cells read into its values, and a record's values written as cells that
// read back to exactly the same values.
#include <optional>
#include <string>
#include <string_view>

#include "foundations/dr_position.h"
#include "sights/sight_record.h"

namespace nocturna {

// What the log keeps beside its sights, each part absent when the log does not say.
struct SightLogSettings {
  std::optional<DrPosition> drPosition;     // degrees, north and WEST positive
  std::optional<DateTime> drUtc;            // the DR's time
  std::optional<double> courseDegrees;      // true, 0 to 360
  std::optional<double> speedKnots;         // 0 to kFastestRunKnots
  std::optional<DateTime> fixUtc;
  std::optional<int> zoneDescription;       // hours, west positive (UT = ZT + ZD)
  std::optional<double> watchErrorSeconds;  // seconds the watch is fast
};

inline constexpr double kFastestRunKnots = 60.0;
inline constexpr int kLargestZoneDescription = 12;
inline constexpr double kLargestWatchErrorSeconds = 3600.0;

// Reads the sight's own cells (utc .. pressure) into its values. An empty limb, temp or
// pressure cell reads as the centre or the standard air. Sets the note to the first cell that
// does not read ("column hs: ..." with the cell's text escaped and cut), or clears it.
void ReadSightCells(SightRecord& sight);

// Reads the log's other cells of the row into `settings` (those left empty change nothing);
// the reason for the first that does not read, or empty.
std::string ReadSettingsCells(const SightRecord& row, SightLogSettings& settings);

// The sight's own cells from its values, exactly: the values read back the same.
void WriteSightCells(SightRecord& sight);

// The settings as cells of a row, exactly; absent parts leave their cells empty.
void WriteSettingsCells(const SightLogSettings& settings, SightRecord& row);

// A latitude or longitude cell: signed decimal degrees (north and east positive, ISO 6709),
// or unsigned with its hemisphere letter ("42.125N", "75.5W"). Longitude comes back WEST
// positive, as the core keeps it.
std::optional<double> ParseLatitudeCell(std::string_view text);
std::optional<double> ParseLongitudeCell(std::string_view text);

}  // namespace nocturna
