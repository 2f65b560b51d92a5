#pragma once
// The sight log's `lunar` and `watch` rows reduced. A lunar row: body the Moon (hs and limb its
// altitude, when taken), body2 the other body (hs2 and limb2 its altitude), distance the
// sextant's distance, measured from the Moon's bright limb to the Sun's near limb or the
// body's centre; utc the time the log believes, watch (when given) what the watch read. A
// watch row: utc the reference (GPS) time, watch what the watch read at it.
#include "sights/lunar_clearing.h"
#include "sights/sight_row_reduction.h"
#include "sights/watch_log.h"

namespace nocturna {

// The row as an observation to clear, or the reason it is none. The DR is the log's at the
// row's time; the bright limb is the Moon's edge toward the Sun.
struct LunarRowObservation {
  LunarObservation observation;
  std::string problem;
};
LunarRowObservation LunarObservationOfRow(const SightRecord& row, RowContext& context);

// The lunar cleared, every step of its form kept (keys ending in Minutes are minutes of arc,
// in Utc days since 1899-12-30, in Seconds seconds of time, the rest degrees).
RowReduction ReduceLunarRow(const SightRecord& row, RowContext& context);

// The watch's fast at the row's reference time, seconds.
RowReduction ReduceWatchRow(const SightRecord& row);

// A comparison as a watch row of the log.
SightRecord WatchRowOf(const WatchComparison& comparison);

// Seconds as the forms show a clock's error: "+37.2 s".
std::string FormatClockSeconds(double seconds);

}  // namespace nocturna
