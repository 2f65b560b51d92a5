#pragma once
// The reductions of each kind of sight log row other than a plain altitude, each to a record
// of named steps (see sight_row_reduction.h).
#include "sights/compass_check.h"
#include "sights/sight_line.h"
#include "sights/sight_row_reduction.h"

namespace nocturna {

// A noon row: the latitude from the meridian altitude, 90 - Ho named and combined with the
// declination, refused when the sight is not at meridian passage.
RowReduction ReduceNoonRow(const SightRecord& row, const SightLine& line, RowContext& context);

// Polaris's sextant altitude as a line of position: Hs to Ho for a star, the star's apparent
// place by the precise engine, Hc, Zn and the intercept at `dr` (bodyIndex kPolarisBodyIndex).
SightLine ReducePolarisSight(const SightRecord& row, const DrPosition& dr, const EphemerisChoice& choice);
// A polaris row: the latitude rigorously and by the almanac's a0, a1, a2, and the azimuth.
RowReduction ReducePolarisRow(const SightRecord& row, const SightLine& line, RowContext& context);

// An azimuth row: the body's true azimuth against its compass bearing, the error, and with
// the variation the deviation.
RowReduction ReduceAzimuthRow(const SightRecord& row, RowContext& context);
// An amplitude row: the Sun or Moon at rising or setting; limb L means the lower limb about
// half a diameter above the sea (the centre on the celestial horizon), otherwise the centre
// (the Moon's upper limb) on the sea horizon.
RowReduction ReduceAmplitudeRow(const SightRecord& row, RowContext& context);

// An identify row (body ?): the bodies near the observed altitude and rough bearing (true, or
// by compass with the variation typed), nearest first, and the one named or the two too close
// to choose between.
RowReduction ReduceIdentifyRow(const SightRecord& row, RowContext& context);

// The compass steps of a check (Zn, compass, error, variation, deviation), its result and
// refusal, shared by the azimuth and amplitude rows.
void AddCompassSteps(RowReduction& row, const CompassCheck& check);

}  // namespace nocturna
