#pragma once
// One sextant observation as the navigator logs it: the values it reads as, and every cell of
// its row as typed, so that a row which cannot be read is kept, shown and saved as it was.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "foundations/date_time.h"
#include "sights/sight_corrections.h"
#include "sights/sight_kind.h"

namespace nocturna {

// The sight log's columns: the sight's own, then what the log keeps beside its sights (the
// DR, its time, course and speed, the fix time, the zone description and the watch error),
// then the row's kind and the cells the other kinds need.
enum class SightColumn {
  utc, body, limb, hs, ic, eye, temp, pressure,
  drLatitude, drLongitude, drUtc, course, speed, fixUtc, zoneDescription, watchError,
  kind, bearing, heading, variation, observer, distance, body2, limb2, hs2, watch,
};
inline constexpr int kSightLogColumnCount = 26;
inline constexpr int kSightOwnColumnCount = 8;  // utc .. pressure
inline constexpr int kFirstKindColumn = 16;     // kind .. watch
inline constexpr std::array<std::string_view, kSightLogColumnCount> kSightLogColumnNames = {
    "utc", "body", "limb", "hs", "ic", "eye", "temp", "pressure",
    "dr_lat", "dr_lon", "dr_utc", "course", "speed", "fix_utc", "zd", "watch_error",
    "kind", "bearing", "heading", "variation", "observer", "distance", "body2", "limb2", "hs2", "watch"};

struct SightRecord {
  DateTime utc = 0.0;       // UTC, days since 1899-12-30 (whole seconds as logged)
  std::string body;         // the name the sights show ("Sun", "Kochab")
  Limb limb = Limb::centre;
  double hsDegrees = 0.0;   // sextant altitude
  SightConditions conditions;
  SightKind kind = SightKind::altitude;
  // The cells the other kinds use, each absent when left empty.
  std::optional<double> bearingDegrees;    // by compass or gyro, 0..360
  std::optional<double> headingDegrees;    // the ship's head by that compass, 0..360
  std::optional<double> variationDegrees;  // east positive
  std::string observer;                    // who took the sight
  std::optional<double> distanceDegrees;   // a lunar's sextant distance
  std::string body2;                       // a lunar's other body, its limb and sextant altitude
  Limb limb2 = Limb::centre;
  std::optional<double> hs2Degrees;
  std::optional<DateTime> watchReading;    // what the watch read at `utc` (GPS time)
  // Every cell as typed, by SightColumn; all empty for a record made from its values.
  std::array<std::string, kSightLogColumnCount> cells;
  std::string note;  // why the row cannot be read ("column hs: ..."); empty when it reads
  int line = 0;      // the row's line in the file it was read from, 0 when typed

  bool Reads() const { return note.empty(); }
  const std::string& Cell(SightColumn column) const { return cells[static_cast<int>(column)]; }
  std::string& Cell(SightColumn column) { return cells[static_cast<int>(column)]; }
};

}  // namespace nocturna
