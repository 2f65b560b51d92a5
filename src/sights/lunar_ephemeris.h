#pragma once
// The Moon's geocentric distance from another body as the ephemeris gives it, and the moment
// at which it takes a given value.
#include <optional>
#include <deque>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/body_catalog.h"
#include "sights/sight_corrections.h"

namespace nocturna {

// A body's Greenwich hour angle and declination, degrees.
struct GhaDeclination {
  double ghaDegrees = 0.0;
  double declinationDegrees = 0.0;
};

// The geocentric angle between two places, degrees.
double AngleBetweenPlaces(const GhaDeclination& a, const GhaDeclination& b);

// The geocentric angle between the Moon and body `bodyIndex` in a catalog brought to a moment,
// degrees.
double CatalogLunarAngle(const BodyCatalog& catalog, int bodyIndex);

// Bring the catalog to the whole second of `utc` (rounded down).
void BringCatalogTo(BodyCatalog& scratch, DateTime utc, const DrPosition& position,
                    const EphemerisChoice& choice);

// The distance at a moment, degrees, with its rate in minutes of arc per minute of time.
struct LunarDistanceAt {
  double distanceDegrees = 0.0;
  double rateMinutesPerMinute = 0.0;
};

// The Moon and one other body by the chosen ephemeris at any UTC (days since 1899-12-30). A
// clearing asks for the same few minutes again and again, so the ephemeris is computed once at
// each whole ten minutes it needs and interpolated between them by cubics: the Moon's motion
// bends so slowly that the cubic is good to far below 0.01".
class LunarEphemeris {
 public:
  // `scratch` is overwritten by every moment computed; it must outlive this object.
  LunarEphemeris(BodyCatalog& scratch, int bodyIndex, const EphemerisChoice& choice);

  struct Places {
    GhaDeclination moon;
    GhaDeclination body;
    BodyDisc moonDisc;  // geocentric semi-diameter and horizontal parallax, minutes
    BodyDisc bodyDisc;  // the Sun's and planets'; zero for a star
  };
  Places At(DateTime utc);

  // The geocentric distance between the centres, degrees.
  double Distance(DateTime utc);
  // With its rate, by a central difference over two minutes.
  LunarDistanceAt DistanceAndRate(DateTime utc);

  // The UTC near `guess` (within `searchHours`) at which the geocentric distance is
  // `distanceDegrees`, to a few hundredths of a second; nothing when Newton's method does not
  // reach it there.
  std::optional<DateTime> SolveTime(double distanceDegrees, DateTime guess, double searchHours);

  // How many ephemeris moments were computed so far.
  int MomentsComputed() const { return static_cast<int>(nodes_.size()); }

 private:
  struct Node {
    long long index = 0;  // whole ten minutes since the epoch of DateTime
    Places places;
  };
  const Places& NodeAt(long long index);

  BodyCatalog& scratch_;
  int bodyIndex_;
  EphemerisChoice choice_;
  std::deque<Node> nodes_;  // a deque: the places handed out stay where they are
};

// Seconds of time that 0.1' of distance is worth at a rate in ' per minute (infinite at 0).
double SecondsPerTenthMinute(double rateMinutesPerMinute);

}  // namespace nocturna
