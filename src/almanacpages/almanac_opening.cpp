#include "almanacpages/almanac_opening.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "almanacpages/page_dates.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/position_update.h"

namespace nocturna {
namespace {

constexpr int kSampleCount = kOpeningHours + 1;  // hour 72 closes the last hour's v and d
constexpr double kMoonAdoptedRate = 14.0 + 19.0 / 60.0;  // degrees per hour, the v baseline
constexpr double kLongestLunation = 31.0;                // days searched back for new moon

// The unrounded values of one UT moment.
struct Sample {
  double ghaAries = 0;
  std::array<double, kPagePlanetCount> planetGha{}, planetDeclination{}, planetSha{},
      planetMagnitude{};
  double sunGha = 0, sunDeclination = 0, sunRadiusVector = 0;
  double moonGha = 0, moonDeclination = 0, moonParallax = 0, moonSemiDiameter = 0,
         moonIlluminated = 0;
  double elongation = 0;  // the Moon's right ascension less the Sun's, degrees 0..360
};

double Wrap360(double degrees) {
  const double turn = std::fmod(degrees, 360.0);
  return turn < 0 ? turn + 360.0 : turn;
}

// The catalog brought to a UT moment (days since 1899-12-30), read into a sample.
Sample TakeSample(BodyCatalog& catalog, DateTime ut, const EphemerisChoice& choice) {
  const DecodedDateTime parts = DecodeDateTime(ut);
  const ClockTime clock{static_cast<std::uint16_t>(parts.hour),
                        static_cast<std::uint16_t>(parts.minute),
                        static_cast<std::uint16_t>(parts.second)};
  Sample sample;
  sample.ghaAries = ComputeMomentPositions(catalog, CalendarDateOf(parts), clock, DrPosition{0, 0}, choice);
  for (int p = 0; p < kPagePlanetCount; ++p) {
    const int index = kVenusIndex + p;
    sample.planetGha[p] = catalog.gha[index];
    sample.planetDeclination[p] = catalog.entries[index].declination;
    sample.planetSha[p] = catalog.entries[index].sha;
    sample.planetMagnitude[p] = catalog.entries[index].magnitude;
  }
  sample.sunGha = catalog.gha[kSunIndex];
  sample.sunDeclination = catalog.entries[kSunIndex].declination;
  sample.sunRadiusVector = catalog.sunPlanetRecords[kSunRecord].radiusVector;
  const BodyEphemeris& moon = catalog.moonRecord;
  sample.moonGha = catalog.gha[kMoonIndex];
  sample.moonDeclination = catalog.entries[kMoonIndex].declination;
  sample.moonParallax = moon.horizontalParallax;
  sample.moonSemiDiameter = moon.semiDiameter;
  sample.moonIlluminated = moon.illuminatedFraction;
  sample.elongation = Wrap360(catalog.entries[kSunIndex].sha - catalog.entries[kMoonIndex].sha);
  return sample;
}

// The first moment in hours [first, first + 24) at which an hour angle sampled hourly reaches
// `target` degrees (0 upper, 180 lower meridian), by linear interpolation within the hour.
template <typename HourAngleOf>
std::optional<double> CrossingHour(int first, double target, HourAngleOf hourAngle) {
  for (int h = first; h < first + 24; ++h) {
    const double from = hourAngle(h);
    const double step = Wrap360(hourAngle(h + 1) - from);
    const double ahead = Wrap360(target - from);
    if (ahead < step) return h + ahead / step;
  }
  return std::nullopt;
}

std::optional<int> MinutesOfDay(std::optional<double> hour, int dayStart) {
  if (!hour) return std::nullopt;
  return static_cast<int>(std::lround((*hour - dayStart) * 60.0));
}

// Seconds of time of the apparent less the mean solar time at a whole UT hour.
int EquationOfTimeSeconds(double sunGha, int utHour) {
  double degrees = Wrap360(sunGha - 15.0 * utHour - 180.0);
  if (degrees >= 180.0) degrees -= 360.0;
  return static_cast<int>(std::lround(degrees * 240.0));
}

// Hours of the elongation's wrap (new moon) between two samples `span` hours apart.
double WrapHour(double earlier, double later, double hourEarlier, double span) {
  return hourEarlier + span * (360.0 - earlier) / (later + 360.0 - earlier);
}

// Hours (from the opening's 0h) of the last new moon among the hourly samples up to `upTo`.
std::optional<double> NewMoonInSamples(const std::vector<Sample>& samples, int upTo) {
  for (int h = upTo; h > 0; --h) {
    if (samples[h].elongation < samples[h - 1].elongation) {
      return WrapHour(samples[h - 1].elongation, samples[h].elongation, h - 1, 1.0);
    }
  }
  return std::nullopt;
}

// The Moon's elongation alone: the Sun and the Moon, none of the other bodies' work.
double ElongationAt(BodyCatalog& catalog, DateTime ut, const EphemerisChoice& choice) {
  const DecodedDateTime parts = DecodeDateTime(ut);
  const CalendarDate date = CalendarDateOf(parts);
  const ClockTime clock{static_cast<std::uint16_t>(parts.hour), static_cast<std::uint16_t>(parts.minute),
                        static_cast<std::uint16_t>(parts.second)};
  ComputeMomentBody(catalog, date, clock, kSunIndex, choice);
  ComputeMomentBody(catalog, date, clock, kMoonIndex, choice);
  return Wrap360(catalog.entries[kSunIndex].sha - catalog.entries[kMoonIndex].sha);
}

// Hours (negative) of the last new moon before the opening, found day by day from the first day
// it can be: the elongation never grows faster than this.
double NewMoonBeforeOpening(double elongationAtStart, BodyCatalog& catalog, DateTime start,
                            const EphemerisChoice& choice) {
  constexpr double kFastestElongationPerDay = 15.5;
  const int nearest = std::max(1, static_cast<int>(elongationAtStart / kFastestElongationPerDay));
  double later = nearest == 1 ? elongationAtStart : ElongationAt(catalog, start - (nearest - 1), choice);
  for (int day = nearest; day <= kLongestLunation; ++day) {
    const double earlier = ElongationAt(catalog, start - day, choice);
    if (earlier > later) return WrapHour(earlier, later, -24.0 * day, 24.0);
    later = earlier;
  }
  return -24.0 * kLongestLunation;
}

constexpr int kMiddle = 24;      // the sample of 0h of the middle day
constexpr int kMiddleNoon = 36;  // the sample of 12h of the middle day

// The hourly columns: GHA and declination of every body, the Moon's v, d and HP.
void FillHours(AlmanacOpening& opening, const std::vector<Sample>& samples) {
  for (int h = 0; h < kOpeningHours; ++h) {
    const Sample& s = samples[h];
    const Sample& next = samples[h + 1];
    opening.ghaAries[h] = RoundHourAngle(s.ghaAries);
    for (int p = 0; p < kPagePlanetCount; ++p) {
      opening.planets[p].hours[h] = {RoundHourAngle(s.planetGha[p]),
                                     RoundSignedAngle(s.planetDeclination[p])};
    }
    opening.sun.hours[h] = {RoundHourAngle(s.sunGha), RoundSignedAngle(s.sunDeclination)};
    MoonHour& moon = opening.moon[h];
    moon.place = {RoundHourAngle(s.moonGha), RoundSignedAngle(s.moonDeclination)};
    moon.v = RoundSignedAngle(Wrap360(next.moonGha - s.moonGha) - kMoonAdoptedRate);
    moon.d = RoundSignedAngle(next.moonDeclination - s.moonDeclination);
    moon.horizontalParallax = RoundSignedAngle(s.moonParallax);
  }
}

// The figures printed once for the three days, taken over the middle day: the planets' v, d,
// magnitude, SHA and meridian passage, Aries' passage and the Sun's d and semi-diameter.
void FillMiddleDayFigures(AlmanacOpening& opening, const std::vector<Sample>& samples,
                          const BodyCatalog& catalog) {
  const Sample& middle = samples[kMiddle];
  const Sample& middleEnd = samples[kMiddle + 24];
  const auto ariesPassage = CrossingHour(kMiddle, 0.0, [&](int h) { return samples[h].ghaAries; });
  opening.ariesMeridianPassage = static_cast<int>(std::lround((ariesPassage.value_or(kMiddle) - kMiddle) * 600.0));
  for (int p = 0; p < kPagePlanetCount; ++p) {
    PlanetColumn& planet = opening.planets[p];
    planet.name = catalog.entries[kVenusIndex + p].name;
    planet.v = RoundSignedAngle((Wrap360(middleEnd.planetGha[p] - middle.planetGha[p] + 180.0) - 180.0) / 24.0);
    planet.d = RoundSignedAngle((middleEnd.planetDeclination[p] - middle.planetDeclination[p]) / 24.0);
    planet.magnitudeTenths = static_cast<int>(std::lround(samples[kMiddleNoon].planetMagnitude[p] * 10.0));
    planet.sha = RoundHourAngle(middle.planetSha[p]);
    planet.meridianPassage = MinutesOfDay(
        CrossingHour(kMiddle, 0.0, [&](int h) { return samples[h].planetGha[p]; }), kMiddle);
  }
  opening.sun.d = RoundSignedAngle((middleEnd.sunDeclination - middle.sunDeclination) / 24.0);
  opening.sun.semiDiameter =
      RoundArcMinutes(SunSemiDiameterMinutes(samples[kMiddleNoon].sunRadiusVector));
}

// The stars of the middle day: the catalog at its 0h.
void FillStars(AlmanacOpening& opening, BodyCatalog& catalog, DateTime start,
               const EphemerisChoice& choice) {
  TakeSample(catalog, start + 1.0, choice);
  for (int star = 0; star < kPageStarCount; ++star) {
    const CelestialBody& entry = catalog.entries[kFirstStarIndex + star];
    opening.stars[star] = {entry.name, RoundHourAngle(entry.sha), RoundSignedAngle(entry.declination)};
  }
}

// Each day's Sun and Moon block: equation of time, meridian passages, the Moon's age and phase.
void FillDays(AlmanacOpening& opening, const std::vector<Sample>& samples, BodyCatalog& catalog,
              DateTime start, const CalendarDate& firstDay, const EphemerisChoice& choice) {
  std::optional<double> newMoonBefore;  // searched only when the opening holds no new moon
  for (int day = 0; day < kOpeningDays; ++day) {
    OpeningDay& page = opening.days[day];
    const int first = 24 * day;
    const int noon = first + 12;
    page.date = DateAfter(firstDay, day);
    page.weekday = WeekdayOf(page.date);
    page.equationOfTime00h = EquationOfTimeSeconds(samples[first].sunGha, 0);
    page.equationOfTime12h = EquationOfTimeSeconds(samples[noon].sunGha, 12);
    page.sunMeridianPassage = static_cast<int>(std::lround(12 * 60 - page.equationOfTime12h / 60.0));
    const auto moonGha = [&](int h) { return samples[h].moonGha; };
    page.moonUpperPassage = MinutesOfDay(CrossingHour(first, 0.0, moonGha), first);
    page.moonLowerPassage = MinutesOfDay(CrossingHour(first, 180.0, moonGha), first);
    std::optional<double> newMoon = NewMoonInSamples(samples, noon);
    if (!newMoon) {
      if (!newMoonBefore) {
        newMoonBefore = NewMoonBeforeOpening(samples[0].elongation, catalog, start, choice);
      }
      newMoon = newMoonBefore;
    }
    page.moonAge = static_cast<int>(std::lround((noon - *newMoon) / 24.0));
    page.moonPhase = static_cast<int>(std::lround(samples[noon].moonIlluminated * 100.0));
    page.moonSemiDiameter = RoundSignedAngle(samples[noon].moonSemiDiameter);
  }
}

}  // namespace

AlmanacOpening ComputeAlmanacOpening(const CalendarDate& firstDay, const EphemerisChoice& choice) {
  const DateTime start = EncodeDateTime(firstDay.year, firstDay.month, firstDay.day, 0, 0, 0);
  BodyCatalog catalog = BuildCatalog();
  std::vector<Sample> samples;
  samples.reserve(kSampleCount);
  for (int h = 0; h < kSampleCount; ++h) samples.push_back(TakeSample(catalog, start + h / 24.0, choice));

  AlmanacOpening opening;
  opening.ephemeris = EphemerisStatementAt(choice, firstDay);
  FillHours(opening, samples);
  FillMiddleDayFigures(opening, samples, catalog);
  FillStars(opening, catalog, start, choice);
  FillDays(opening, samples, catalog, start, firstDay, choice);
  for (int day = 0; day <= kOpeningDays; ++day) {
    opening.events[day] = ComputeDayEvents(DateAfter(firstDay, day), choice);
  }
  return opening;
}

}  // namespace nocturna
