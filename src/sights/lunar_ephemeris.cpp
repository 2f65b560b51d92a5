#include "sights/lunar_ephemeris.h"

#include <cmath>
#include <limits>

#include "foundations/angles.h"
#include "navigation/almanac_snapshot.h"
#include "sights/sight_body.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kNodeSeconds = 600.0;
// Half the baseline of the rate's central difference, seconds.
constexpr double kRateHalfBaselineSeconds = 60.0;

void SplitSecond(double wholeSecond, CalendarDate& date, ClockTime& clock) {
  SplitUtc(wholeSecond / kSecondsPerDay, date, clock);
}

// Lagrange weights of the cubic through nodes at -1, 0, 1, 2 for a point at `x` (0..1).
void CubicWeights(double x, double w[4]) {
  w[0] = -x * (x - 1.0) * (x - 2.0) / 6.0;
  w[1] = (x + 1.0) * (x - 1.0) * (x - 2.0) / 2.0;
  w[2] = -(x + 1.0) * x * (x - 2.0) / 2.0;
  w[3] = (x + 1.0) * x * (x - 1.0) / 6.0;
}

// The GHA through the nodes, unwrapped about the first so that 360 never falls between them.
double InterpolateGha(const double gha[4], const double w[4]) {
  double sum = 0.0;
  for (int k = 0; k < 4; ++k) sum += w[k] * (gha[0] + std::remainder(gha[k] - gha[0], 360.0));
  return WrapPositive(sum, 360.0);
}

template <typename Field>
double Interpolate(const LunarEphemeris::Places* const nodes[4], const double w[4], Field field) {
  double sum = 0.0;
  for (int k = 0; k < 4; ++k) sum += w[k] * field(*nodes[k]);
  return sum;
}

}  // namespace

double AngleBetweenPlaces(const GhaDeclination& a, const GhaDeclination& b) {
  const double ghaDifference = DegToRad(a.ghaDegrees - b.ghaDegrees);
  const double d1 = DegToRad(a.declinationDegrees);
  const double d2 = DegToRad(b.declinationDegrees);
  const double y = std::hypot(std::cos(d2) * std::sin(ghaDifference),
                              std::cos(d1) * std::sin(d2) -
                                  std::sin(d1) * std::cos(d2) * std::cos(ghaDifference));
  const double x = std::sin(d1) * std::sin(d2) + std::cos(d1) * std::cos(d2) * std::cos(ghaDifference);
  return RadToDeg(std::atan2(y, x));
}

double CatalogLunarAngle(const BodyCatalog& catalog, int bodyIndex) {
  return AngleBetweenPlaces({catalog.gha[kMoonIndex], catalog.entries[kMoonIndex].declination},
                            {catalog.gha[bodyIndex], catalog.entries[bodyIndex].declination});
}

void BringCatalogTo(BodyCatalog& scratch, DateTime utc, const DrPosition& position,
                    const EphemerisChoice& choice) {
  CalendarDate date;
  ClockTime clock;
  SplitSecond(std::floor(utc * kSecondsPerDay), date, clock);
  ComputeMomentPositions(scratch, date, clock, position, choice);
}

LunarEphemeris::LunarEphemeris(BodyCatalog& scratch, int bodyIndex, const EphemerisChoice& choice)
    : scratch_(scratch), bodyIndex_(bodyIndex), choice_(choice) {}

const LunarEphemeris::Places& LunarEphemeris::NodeAt(long long index) {
  for (const Node& node : nodes_) {
    if (node.index == index) return node.places;
  }
  CalendarDate date;
  ClockTime clock;
  SplitSecond(static_cast<double>(index) * kNodeSeconds, date, clock);
  Node node;
  node.index = index;
  ComputeMomentBody(scratch_, date, clock, bodyIndex_, choice_);
  node.places.body = {scratch_.gha[bodyIndex_], scratch_.entries[bodyIndex_].declination};
  node.places.bodyDisc = DiscOf(scratch_, bodyIndex_, Limb::centre);
  ComputeMomentBody(scratch_, date, clock, kMoonIndex, choice_);
  node.places.moon = {scratch_.gha[kMoonIndex], scratch_.entries[kMoonIndex].declination};
  node.places.moonDisc = DiscOf(scratch_, kMoonIndex, Limb::centre);
  nodes_.push_back(node);
  return nodes_.back().places;
}

LunarEphemeris::Places LunarEphemeris::At(DateTime utc) {
  const double steps = utc * kSecondsPerDay / kNodeSeconds;
  const long long first = static_cast<long long>(std::floor(steps));
  const Places* nodes[4];
  for (int k = 0; k < 4; ++k) nodes[k] = &NodeAt(first - 1 + k);
  double w[4];
  CubicWeights(steps - static_cast<double>(first), w);
  double moonGha[4], bodyGha[4];
  for (int k = 0; k < 4; ++k) {
    moonGha[k] = nodes[k]->moon.ghaDegrees;
    bodyGha[k] = nodes[k]->body.ghaDegrees;
  }
  Places places = *nodes[1];
  places.moon = {InterpolateGha(moonGha, w), Interpolate(nodes, w, [](const Places& p) { return p.moon.declinationDegrees; })};
  places.body = {InterpolateGha(bodyGha, w), Interpolate(nodes, w, [](const Places& p) { return p.body.declinationDegrees; })};
  places.moonDisc.semiDiameterMinutes = Interpolate(nodes, w, [](const Places& p) { return p.moonDisc.semiDiameterMinutes; });
  places.moonDisc.horizontalParallaxMinutes =
      Interpolate(nodes, w, [](const Places& p) { return p.moonDisc.horizontalParallaxMinutes; });
  places.bodyDisc.semiDiameterMinutes = Interpolate(nodes, w, [](const Places& p) { return p.bodyDisc.semiDiameterMinutes; });
  places.bodyDisc.horizontalParallaxMinutes =
      Interpolate(nodes, w, [](const Places& p) { return p.bodyDisc.horizontalParallaxMinutes; });
  return places;
}

double LunarEphemeris::Distance(DateTime utc) {
  const Places places = At(utc);
  return AngleBetweenPlaces(places.moon, places.body);
}

LunarDistanceAt LunarEphemeris::DistanceAndRate(DateTime utc) {
  const double step = kRateHalfBaselineSeconds / kSecondsPerDay;
  LunarDistanceAt result;
  result.distanceDegrees = Distance(utc);
  result.rateMinutesPerMinute =
      (Distance(utc + step) - Distance(utc - step)) * 60.0 / (2.0 * kRateHalfBaselineSeconds / 60.0);
  return result;
}

std::optional<DateTime> LunarEphemeris::SolveTime(double distanceDegrees, DateTime guess, double searchHours) {
  // Newton's method with the rate taken once: it changes by a few parts in a thousand an hour.
  const double rate = DistanceAndRate(guess).rateMinutesPerMinute;
  if (rate == 0.0) return std::nullopt;
  DateTime t = guess;
  for (int step = 0; step < 12; ++step) {
    const double minutesOfTime = (distanceDegrees - Distance(t)) * 60.0 / rate;
    t += minutesOfTime / 1440.0;
    if (std::fabs(t - guess) * 24.0 > searchHours) return std::nullopt;
    if (std::fabs(minutesOfTime) * 60.0 < 0.01) return t;
  }
  return std::nullopt;
}

double SecondsPerTenthMinute(double rateMinutesPerMinute) {
  if (rateMinutesPerMinute == 0.0) return std::numeric_limits<double>::infinity();
  return 6.0 / std::fabs(rateMinutesPerMinute);
}

}  // namespace nocturna
