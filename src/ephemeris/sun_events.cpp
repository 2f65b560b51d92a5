#include "ephemeris/sun_events.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ephemeris/event_estimate.h"
#include "ephemeris/julian.h"
#include "ephemeris/rise_set.h"
#include "ephemeris/sidereal.h"
#include "ephemeris/sun_position.h"
#include "foundations/angles.h"

namespace nocturna {

namespace {

// One altitude of the Sun's centre below the horizon and the two event fields it fills.
struct SunEventKind {
  double depression;  // radians
  double BodyEphemeris::*morning;
  double BodyEphemeris::*evening;
};

// Sunrise/sunset (50': semi-diameter and refraction), civil (6°), nautical (12°) twilight.
constexpr std::array<SunEventKind, 3> kSunEventKinds = {{
    {0.0145441, &BodyEphemeris::sunrise, &BodyEphemeris::sunset},
    {0.1047198, &BodyEphemeris::civilMorning, &BodyEphemeris::civilEvening},
    {0.2094395, &BodyEphemeris::nauticalMorning, &BodyEphemeris::nauticalEvening},
}};

// The Sun at the moment; the kept sidereal times are replaced only when the Sun crosses.
int SunCrossing(SunEventsRecord& events, const AstroMoment& moment, double latitude,
                double depression, double& riseLst, double& setLst) {
  const EquatorialPlace sun = SunPosition(events, moment);
  return RiseSetHourAngle(events, latitude, sun.declination, sun.rightAscension, depression,
                          riseLst, setLst);
}

// Hour angle (degrees) of the Sun on the prime vertical, at declination dec and latitude phi
// (radians, same hemisphere, |dec| <= |phi|); clamped because dec drifts between evaluations.
double PrimeVerticalHourAngle(double declination, double phi) {
  return RadToDeg(std::acos(std::clamp(std::tan(declination) / std::tan(phi), -1.0, 1.0)));
}

}  // namespace

void ComputeSunEvents(SunEventsRecord& events, const CalendarDate& zoneDate,
                      const DrPosition& position) {
  const AstroMoment date0 = MakeAstroMoment(zoneDate.month, zoneDate.day, zoneDate.year, 0, 0, 0);
  const int zd = ZoneDescriptionFromLongitude(position);
  AstroMoment moment = AddDays(date0, (12.0 - zd) / 24);
  // The last successful sidereal times carry over between passes and between altitudes.
  double riseLst = 0;
  double setLst = 0;

  for (const SunEventKind& kind : kSunEventKinds) {
    // First estimate of both events from the Sun at the working moment.
    SunCrossing(events, moment, position.latitude, kind.depression, riseLst, setLst);
    const double morningEstimate = UtOfLocalSiderealTime(riseLst, zoneDate, position);
    const double eveningEstimate = UtOfLocalSiderealTime(setLst, zoneDate, position);

    // Morning event with the Sun at its own estimate.
    moment = MomentOfEstimate(date0, morningEstimate, zd);
    int status = SunCrossing(events, moment, position.latitude, kind.depression, riseLst, setLst);
    events.*kind.morning =
        status != kCrossesAltitude ? status : UtOfLocalSiderealTime(riseLst, zoneDate, position);
    if (kind.morning == &BodyEphemeris::sunrise) {
      events.amplitudeAngle =
          status != kCrossesAltitude ? status : 90 - RadToDeg(events.riseAzimuth);
    }

    // Evening event with the Sun at the evening estimate, not the morning one: half a day of
    // solar motion would otherwise move sunset by up to a few minutes.
    moment = MomentOfEstimate(date0, eveningEstimate, zd);
    status = SunCrossing(events, moment, position.latitude, kind.depression, riseLst, setLst);
    moment = date0;
    events.*kind.evening =
        status != kCrossesAltitude ? status : UtOfLocalSiderealTime(setLst, zoneDate, position);
    if (kind.evening == &BodyEphemeris::sunset) events.setAzimuth = RadToDeg(events.setAzimuth);
  }
}

double ComputeSunMeridianAndPvc(SunEventsRecord& events, const CalendarDate& zoneDate,
                                double latitude, double longitude) {
  const double meanNoon = 12 + longitude / 15;  // UT hours of local mean noon
  AstroMoment moment =
      MakeAstroMomentFromDay(zoneDate.year, zoneDate.month, zoneDate.day + meanNoon / 24);
  const double declination = SunPosition(events, moment).declination;

  // The moment's own date: at 180°W local mean noon falls at 0h of the next day.
  double gha = ApproxGhaAries(moment.month, moment.day, moment.year, moment.hour, moment.minute,
                              moment.second) +
               events.sha;
  if (gha > 360) {
    gha -= 360;
  } else if (gha < 0) {
    gha += 360;
  }
  const double s = gha / 15 - meanNoon;  // -12 or +12 hours plus the equation of time
  events.equationOfTime = std::fabs(12 - std::fabs(s)) * 60;
  double meridianPassage = longitude / 15 + 24 - s;
  if (meridianPassage >= 24) {
    meridianPassage -= 24;
  } else if (meridianPassage < 0) {
    meridianPassage += 24;
  }
  events.meridianPassage = meridianPassage;

  // On the equator with the Sun exactly on it, the Sun runs along the prime vertical all day:
  // there is no single crossing, so that case reports none.
  const double phi = DegToRad(latitude);
  if (declination * latitude >= 0 && std::fabs(phi) >= std::fabs(declination) && phi != 0) {
    const double firstHourAngle = PrimeVerticalHourAngle(declination, phi);
    moment = AddDays(moment, -firstHourAngle / 360);
    const double morningDeclination = SunPosition(events, moment).declination;
    events.pvcMorning = meridianPassage - PrimeVerticalHourAngle(morningDeclination, phi) / 15;
    moment = AddDays(moment, +firstHourAngle / 360);
    const double eveningDeclination = SunPosition(events, moment).declination;
    events.pvcEvening = meridianPassage + PrimeVerticalHourAngle(eveningDeclination, phi) / 15;
  } else {
    events.pvcMorning = kNoPrimeVertical;
    events.pvcEvening = kNoPrimeVertical;
  }
  return meridianPassage;
}

}  // namespace nocturna
