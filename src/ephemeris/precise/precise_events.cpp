#include "ephemeris/precise/precise_events.h"

#include <cmath>

#include "ephemeris/precise/crossings.h"
#include "ephemeris/precise/precise_time.h"

namespace nocturna {
namespace {

constexpr double kDegrees = 0.017453292519943295;  // radians per degree
constexpr double kSampleHours = 0.25;
constexpr double kSunGhaRate = 15.0;     // degrees per hour
constexpr double kMoonGhaRate = 14.492;  // degrees per hour, mean
constexpr double kRefractionDegrees = 34.0 / 60.0;
constexpr double kPrimeVerticalReachHours = 7.0;  // a crossing lies within 6 h of the meridian

// Sunrise and sunset, civil and nautical twilight: the altitude of the centre, degrees.
struct SunAltitudeEvent {
  double altitude;
  double BodyEphemeris::*morning;
  double BodyEphemeris::*evening;
};
constexpr SunAltitudeEvent kSunAltitudeEvents[] = {
    {-50.0 / 60.0, &BodyEphemeris::sunrise, &BodyEphemeris::sunset},
    {-6.0, &BodyEphemeris::civilMorning, &BodyEphemeris::civilEvening},
    {-12.0, &BodyEphemeris::nauticalMorning, &BodyEphemeris::nauticalEvening},
};

struct Observer {
  double sinLatitude;
  double cosLatitude;
  double longitude;  // degrees west positive
};

double Altitude(const Observer& o, const PreciseBodyPlace& p) {
  const double d = p.declination * kDegrees;
  const double h = (p.gha - o.longitude) * kDegrees;
  return std::asin(o.sinLatitude * std::sin(d) + o.cosLatitude * std::cos(d) * std::cos(h)) / kDegrees;
}

// True azimuth (degrees from north through east) of a body at altitude `altitude` and the
// local hour angle's side: rising (east) or setting (west).
double AzimuthAt(const Observer& o, const PreciseBodyPlace& p, double altitude, bool rising) {
  const double a = altitude * kDegrees;
  const double c = (std::sin(p.declination * kDegrees) - o.sinLatitude * std::sin(a)) /
                   (o.cosLatitude * std::cos(a));
  const double azimuth = std::acos(std::fmax(-1.0, std::fmin(1.0, c))) / kDegrees;
  return rising ? azimuth : 360.0 - azimuth;
}

// The first crossing of the wanted direction, or the sentinel for a day without one.
double EventOrSentinel(const Crossings& found, bool rising, double windowStartUtc, double& hoursOut) {
  for (int i = 0; i < found.count; ++i) {
    if (found.at[i].rising != rising) continue;
    hoursOut = found.at[i].hours;
    return std::fmod(windowStartUtc + hoursOut + 48.0, 24.0);
  }
  if (found.count > 0) return kEventNotThisDay;
  return found.aboveSomewhere ? kEventAboveAllDay : kEventBelowAllDay;
}

double LocalHourAngle(const Observer& o, const PreciseBodyPlace& p) {
  return std::remainder(p.gha - o.longitude, 360.0);
}

// Sunrise, sunset and the twilights, with the Sun's amplitude at rising and azimuth at setting.
void FillSunAltitudeEvents(SunEventsRecord& events, const Observer& o, const DayTrack& sun,
                           double windowStartUtc) {
  for (const SunAltitudeEvent& event : kSunAltitudeEvents) {
    const auto above = [&](double h) { return Altitude(o, PlaceOnTrack(sun, h)) - event.altitude; };
    const Crossings found = FindCrossings(above, 0.0, DayTrack::kSpanHours, kSampleHours);
    double riseHours = 0;
    double setHours = 0;
    events.*event.morning = EventOrSentinel(found, true, windowStartUtc, riseHours);
    events.*event.evening = EventOrSentinel(found, false, windowStartUtc, setHours);
    if (event.morning == &BodyEphemeris::sunrise) {
      events.amplitudeAngle =
          IsEventSentinel(events.sunrise)
              ? events.sunrise
              : 90.0 - AzimuthAt(o, PlaceOnTrack(sun, riseHours), event.altitude, true);
      if (!IsEventSentinel(events.sunset)) {
        events.setAzimuth = AzimuthAt(o, PlaceOnTrack(sun, setHours), event.altitude, false);
      }
    }
  }
}

void FillMoonEvents(SunEventsRecord& events, const Observer& o, const DayTrack& moon,
                    double windowStartUtc) {
  const auto moonAbove = [&](double h) {
    const PreciseBodyPlace p = PlaceOnTrack(moon, h);
    return Altitude(o, p) - (p.horizontalParallax - p.semiDiameter - kRefractionDegrees);
  };
  const Crossings moonFound = FindCrossings(moonAbove, 0.0, DayTrack::kSpanHours, kSampleHours);
  double unused = 0;
  events.moonrise = EventOrSentinel(moonFound, true, windowStartUtc, unused);
  events.moonset = EventOrSentinel(moonFound, false, windowStartUtc, unused);
}

// Prime-vertical crossings either side of the Sun's transit `noon` (hours on the track):
// sin(phi) cos(dec) cos(H) = cos(phi) sin(dec), with the Sun above the horizon (declination on
// the latitude's side).
void FillPrimeVertical(SunEventsRecord& events, const Observer& o, const DayTrack& sun,
                       double latitude, double noon) {
  const auto primeVertical = [&](double h) {
    const PreciseBodyPlace p = PlaceOnTrack(sun, h);
    const double d = p.declination * kDegrees;
    return o.sinLatitude * std::cos(d) * std::cos(LocalHourAngle(o, p) * kDegrees) - o.cosLatitude * std::sin(d);
  };
  const auto crossingHours = [&](double from, double to) {
    const Crossings c = FindCrossings(primeVertical, from, to, kSampleHours);
    if (c.count == 0 || latitude == 0.0) return kNoPrimeVertical;
    const double declination = PlaceOnTrack(sun, c.at[0].hours).declination;
    if (declination * latitude <= 0) return kNoPrimeVertical;
    return events.meridianPassage + (c.at[0].hours - noon);
  };
  events.pvcMorning = crossingHours(noon - kPrimeVerticalReachHours, noon);
  events.pvcEvening = crossingHours(noon, noon + kPrimeVerticalReachHours);
}

}  // namespace

const char* PreciseEventTracksOf(PreciseEventTracks& tracks, const CalendarDate& zoneDate, double longitude,
                                 std::optional<double> dut1Override, const Dut1Table* imported) {
  const int zd = ZoneDescriptionFromLongitude(DrPosition{0.0, longitude});
  const double windowStartUtc = zd;  // hours of the zone date's 0h UTC at 0h zone time
  const PreciseInstantOutcome start = PreciseInstantOf(zoneDate, windowStartUtc * 3600.0, dut1Override, imported);
  if (start.error != nullptr) return start.error;
  tracks.zoneDescription = zd;
  tracks.sun = TrackOf(&PreciseSunPlace, start.instant, kSunGhaRate);
  tracks.moon = TrackOf(&PreciseMoonPlace, start.instant, kMoonGhaRate);
  return nullptr;
}

void ComputePreciseEventsOnTracks(SunEventsRecord& events, const PreciseEventTracks& tracks,
                                  const DrPosition& position) {
  const int zd = tracks.zoneDescription;
  const double windowStartUtc = zd;
  const DayTrack& sun = tracks.sun;
  const double phi = position.latitude * kDegrees;
  const Observer o{std::sin(phi), std::cos(phi), position.longitude};
  FillSunAltitudeEvents(events, o, sun, windowStartUtc);
  FillMoonEvents(events, o, tracks.moon, windowStartUtc);

  // Local apparent noon: the Sun's hour angle through 0 (a sign change from east to west; the
  // jump at 180 is the lower transit).
  const auto hourAngle = [&](double h) { return LocalHourAngle(o, PlaceOnTrack(sun, h)); };
  const Crossings transits = FindCrossings(hourAngle, 0.0, DayTrack::kSpanHours, kSampleHours);
  double noon = 12.0 + position.longitude / 15.0 - zd;
  for (int i = 0; i < transits.count; ++i) {
    if (transits.at[i].rising) noon = transits.at[i].hours;
  }
  events.meridianPassage = std::fmod(windowStartUtc + noon + 48.0, 24.0);

  // Equation of time at local mean noon: the true Sun's hour angle there, 4 minutes a degree.
  const double meanNoon = 12.0 + position.longitude / 15.0 - zd;
  events.equationOfTime = std::fabs(hourAngle(meanNoon)) * 4.0;
  FillPrimeVertical(events, o, sun, position.latitude, noon);
}

const char* ComputePreciseEvents(SunEventsRecord& events, const CalendarDate& zoneDate,
                                 const DrPosition& position, std::optional<double> dut1Override,
                                 const Dut1Table* imported) {
  PreciseEventTracks tracks;
  const char* refused = PreciseEventTracksOf(tracks, zoneDate, position.longitude, dut1Override, imported);
  if (refused != nullptr) return refused;
  ComputePreciseEventsOnTracks(events, tracks, position);
  return nullptr;
}

}  // namespace nocturna
