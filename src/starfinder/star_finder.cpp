#include "starfinder/star_finder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "foundations/printf_text.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/body_catalog.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_corrections.h"
#include "starfinder/twilight_check.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24;

// The sextant reading that gives Hc once corrected: the inverse of the sight corrections in the
// standard atmosphere. A star's or a planet's centre; the planets' parallax (under 0.5') is left
// out of a preset.
double PresetAltitude(double hc, const StarFinderSettings& settings) {
  SightConditions conditions;
  conditions.indexCorrectionMinutes = settings.indexCorrection;
  conditions.heightOfEyeMetres = settings.heightOfEye;
  // Never empty here: the band starts at 0 degrees, far above where the corrections stop.
  return SextantAltitudeFor(hc, conditions, BodyDisc{})
      .value_or(std::numeric_limits<double>::quiet_NaN());
}

// Degrees of azimuth from true east, 0..180.
double FromEast(double zn) { return std::fabs(std::remainder(zn - 90, 360.0)); }

// The day (zone date at 00:00) the finder works on.
DateTime ZoneDateOf(const DeadReckoning& dr, int zoneDescription,
                    const StarFinderSettings& settings) {
  return DayOfDateTime(settings.moment.value_or(dr.utc - zoneDescription / kHoursPerDay));
}

// Where the DR has carried the ship at a zone time.
DrPosition PositionAtZoneTime(const DeadReckoning& dr, int zoneDescription, DateTime zoneTime) {
  return PositionAt(dr, zoneTime + zoneDescription / kHoursPerDay);
}

TwilightWindow WindowAt(const DrPosition& position, DateTime zoneDate, int zoneDescription,
                        Twilight twilight, const EphemerisChoice& choice) {
  SunEventsRecord events{};
  RunDailyEphemeris(events, AlmanacMomentOf(zoneDate, zoneDescription).zoneDate, position, choice);
  return TwilightWindowOf(events, twilight, zoneDate, zoneDescription);
}

bool IsCandidate(const BodyCatalog& catalog, int k, const StarFinderSettings& settings) {
  return catalog.hc[k] >= settings.minAltitude && catalog.hc[k] <= settings.maxAltitude &&
         catalog.entries[k].magnitude <= settings.magnitudeLimit;
}

std::string TooFewMessage(int count, const StarFinderSettings& settings) {
  const std::string few = count == 0   ? std::string("No body lies")
                          : count == 1 ? std::string("Only 1 body lies")
                                       : PrintfText("Only %d bodies lie", count);
  return PrintfText(
      "%s between %g\xB0 and %g\xB0 of altitude at magnitude %.1f or brighter: "
      "a fix needs three. Widen the altitude band, raise the magnitude limit or choose "
      "another moment.",
      few.c_str(), settings.minAltitude, settings.maxAltitude, settings.magnitudeLimit);
}

// A chosen moment outside the twilight is refused, with the day's windows to choose from.
bool RefuseOutsideTwilight(const BodyCatalog& catalog, DateTime zoneDate, int zoneDescription,
                           const EphemerisChoice& choice, StarFinderResult& result) {
  result.sunAltitude = catalog.hc[kSunIndex];
  if (!result.momentChosen || SunInTwilight(result.sunAltitude)) return false;
  result.outsideTwilight = true;
  result.message = OutsideTwilightMessage(
      result.sunAltitude,
      WindowAt(result.position, zoneDate, zoneDescription, Twilight::morning, choice),
      WindowAt(result.position, zoneDate, zoneDescription, Twilight::evening, choice));
  return true;
}

// Reads the candidates out of the reduced catalog and picks the set.
void ChooseBodies(const BodyCatalog& catalog, const StarFinderSettings& settings,
                  StarFinderResult& result) {
  std::vector<int> indices;
  std::vector<SetCandidate> candidates;
  for (int k = kFirstStarIndex; k <= kSaturnIndex; ++k) {
    if (!IsCandidate(catalog, k, settings)) continue;
    indices.push_back(k);
    candidates.push_back({catalog.zn[k], catalog.entries[k].magnitude});
  }
  result.candidateCount = static_cast<int>(candidates.size());
  if (result.candidateCount < kMinSetSize) {
    result.message = TooFewMessage(result.candidateCount, settings);
    return;
  }
  const int size = std::min(settings.setSize, result.candidateCount);
  if (size < settings.setSize) {
    result.message = PrintfText("Only %d bodies qualify, so the set has %d, not %d.",
                                result.candidateCount, size, settings.setSize);
  }
  const ChosenSet set = ChooseBestSet(candidates, size);
  if (set.size == 0) {
    result.message =
        "The qualifying bodies stand too nearly in line for their lines of position to cross. "
        "Widen the altitude band, raise the magnitude limit or choose another moment.";
    return;
  }
  result.hdop = set.hdop;
  result.method = set.method;
  for (int m = 0; m < set.size; ++m) {
    const int k = indices[set.members[m]];
    result.bodies.push_back({k, catalog.entries[k].name, catalog.hc[k], catalog.zn[k],
                             PresetAltitude(catalog.hc[k], settings), catalog.entries[k].magnitude,
                             0});
  }
  SortInShootingOrder(result.bodies);
}

}  // namespace

std::string StarFinderSettingsError(const StarFinderSettings& settings) {
  if (!(settings.minAltitude >= 0 && settings.minAltitude < 90)) {
    return "The lowest altitude must be from 0 to below 90 degrees.";
  }
  if (!(settings.maxAltitude > settings.minAltitude && settings.maxAltitude <= 90)) {
    return "The highest altitude must be above the lowest and at most 90 degrees.";
  }
  if (!(settings.magnitudeLimit >= -5 && settings.magnitudeLimit <= 6)) {
    return "The magnitude limit must be from -5 to 6.";
  }
  if (settings.setSize < kMinSetSize || settings.setSize > kMaxSetSize) {
    return PrintfText("The set must have from %d to %d bodies.", kMinSetSize, kMaxSetSize);
  }
  if (!(std::fabs(settings.indexCorrection) <= kMostIndexCorrection)) {
    return PrintfText("The index correction must be from -%.0f' to +%.0f'.", kMostIndexCorrection,
                      kMostIndexCorrection);
  }
  if (!(settings.heightOfEye >= 0 && settings.heightOfEye <= kMostHeightOfEye)) {
    return PrintfText("The height of eye must be from 0 to %.0f metres.", kMostHeightOfEye);
  }
  return {};
}

std::string DeadReckoningError(const DeadReckoning& dr) {
  if (!(dr.courseDegrees >= 0 && dr.courseDegrees < 360)) {
    return "The course must be from 0 to 360 degrees, less than 360.";
  }
  if (!(dr.speedKnots >= 0 && dr.speedKnots <= kMostFinderSpeed)) {
    return PrintfText("The speed must be from 0 to %.0f knots.", kMostFinderSpeed);
  }
  return {};
}

StarFinderResult FindStars(const DeadReckoning& dr, int zoneDescription,
                           const StarFinderSettings& settings, const EphemerisChoice& choice) {
  StarFinderResult result;
  result.error = StarFinderSettingsError(settings);
  if (result.error.empty()) result.error = DeadReckoningError(dr);
  if (!result.error.empty()) return result;
  result.twilight = settings.twilight;
  result.zoneDescription = zoneDescription;
  result.momentChosen = settings.moment.has_value();
  const DateTime zoneDate = ZoneDateOf(dr, zoneDescription, settings);
  result.window = WindowAt(dr.position, zoneDate, zoneDescription, settings.twilight, choice);
  if (!result.momentChosen && result.window.occurs && dr.speedKnots != 0) {
    // The window where the ship will be, not where it was.
    result.window = WindowAt(PositionAtZoneTime(dr, zoneDescription, result.window.Middle()), zoneDate, zoneDescription,
                             settings.twilight, choice);
  }
  if (!result.momentChosen && !result.window.occurs) {
    result.message = result.window.missing + " Choose a moment to see the sky then.";
    return result;
  }
  result.moment = result.momentChosen ? *settings.moment : result.window.Middle();
  result.position = PositionAtZoneTime(dr, zoneDescription, result.moment);
  BodyCatalog catalog = BuildCatalog();
  const AlmanacMoment moment = AlmanacMomentOf(result.moment, zoneDescription);
  ComputeMomentPositions(catalog, moment.utDate, moment.utClock, result.position, choice);
  if (!RefuseOutsideTwilight(catalog, zoneDate, zoneDescription, choice, result)) {
    ChooseBodies(catalog, settings, result);
  }
  return result;
}

Twilight NearestTwilight(const DrPosition& position, DateTime zoneTime, int zoneDescription,
                         const EphemerisChoice& choice) {
  const DateTime zoneDate = DayOfDateTime(zoneTime);
  const TwilightWindow morning =
      WindowAt(position, zoneDate, zoneDescription, Twilight::morning, choice);
  const TwilightWindow evening =
      WindowAt(position, zoneDate, zoneDescription, Twilight::evening, choice);
  if (!evening.occurs) return Twilight::morning;
  if (!morning.occurs) return Twilight::evening;
  return std::fabs(evening.Middle() - zoneTime) < std::fabs(morning.Middle() - zoneTime)
             ? Twilight::evening
             : Twilight::morning;
}

void SortInShootingOrder(std::vector<FinderBody>& bodies) {
  std::stable_sort(bodies.begin(), bodies.end(), [](const FinderBody& a, const FinderBody& b) {
    const double fromEastA = FromEast(a.zn);
    const double fromEastB = FromEast(b.zn);
    return fromEastA != fromEastB ? fromEastA < fromEastB : a.zn < b.zn;
  });
  for (std::size_t i = 0; i < bodies.size(); ++i) bodies[i].order = static_cast<int>(i) + 1;
}

}  // namespace nocturna
