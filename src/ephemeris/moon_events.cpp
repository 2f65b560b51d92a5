#include "ephemeris/moon_events.h"

#include <cmath>

#include "ephemeris/event_estimate.h"
#include "ephemeris/julian.h"
#include "ephemeris/moon.h"
#include "ephemeris/rise_set.h"
#include "ephemeris/sidereal.h"
#include "foundations/angles.h"

namespace nocturna {

namespace {

// Semi-diameter as a fraction of the sine of the horizontal parallax, and horizontal refraction
// (radians).
constexpr double kSemiDiameterPerParallax = 0.27249;
constexpr double kHorizontalRefraction = 0.0098902;

// The Moon at the moment and the sidereal times at which its centre crosses the altitude of
// rising and setting; the kept sidereal times are replaced only when it crosses.
int MoonCrossing(SunEventsRecord& events, const AstroMoment& moment, double latitude,
                 double& riseLst, double& setLst) {
  const EquatorialPlace moon = ComputeMoon(events, moment);
  const double parallax = DegToRad(events.horizontalParallax);
  const double depression =
      kSemiDiameterPerParallax * std::sin(parallax) + kHorizontalRefraction - parallax;
  return RiseSetHourAngle(events, latitude, moon.declination, moon.rightAscension, depression,
                          riseLst, setLst);
}

}  // namespace

void ComputeMoonEvents(SunEventsRecord& events, const CalendarDate& zoneDate,
                       const DrPosition& position) {
  const AstroMoment date0 = MakeAstroMoment(zoneDate.month, zoneDate.day, zoneDate.year, 0, 0, 0);
  const int zd = ZoneDescriptionFromLongitude(position);
  // The last successful sidereal times carry over between passes (both start at 0).
  double riseLst = 0;
  double setLst = 0;

  // First estimate of both events from the Moon near local noon.
  MoonCrossing(events, AddDays(date0, (12.0 - zd) / 24), position.latitude, riseLst, setLst);
  const double riseEstimate = UtOfLocalSiderealTime(riseLst, zoneDate, position);
  const double setEstimate = UtOfLocalSiderealTime(setLst, zoneDate, position);

  // Each event with the Moon at the estimate of its own time: the Moon's rising and setting come
  // about 50 minutes later each day, so taking the Moon at the other event's time would move the
  // result by tens of minutes.
  int status = MoonCrossing(events, MomentOfEstimate(date0, riseEstimate, zd), position.latitude,
                            riseLst, setLst);
  events.moonrise =
      status != kCrossesAltitude ? status : UtOfLocalSiderealTime(riseLst, zoneDate, position);
  status = MoonCrossing(events, MomentOfEstimate(date0, setEstimate, zd), position.latitude,
                        riseLst, setLst);
  events.moonset =
      status != kCrossesAltitude ? status : UtOfLocalSiderealTime(setLst, zoneDate, position);
}

}  // namespace nocturna
