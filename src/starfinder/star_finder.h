#pragma once
// The twilight star finder: for a twilight of the zone date at the DR, the bodies to shoot (stars
// and planets in an altitude band and bright enough), the set whose lines of position fix best,
// each with the sextant altitude to preset and the order to shoot them in.
#include <optional>
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "sights/dead_reckoning.h"
#include "starfinder/set_search.h"
#include "starfinder/twilight_window.h"

namespace nocturna {

struct StarFinderSettings {
  Twilight twilight = Twilight::morning;
  std::optional<DateTime> moment;  // zone time; empty: the middle of the twilight window
  double minAltitude = 15;         // Hc band, degrees
  double maxAltitude = 70;
  double magnitudeLimit = 2.5;  // this magnitude or brighter
  int setSize = 3;              // kMinSetSize..kMaxSetSize
  double indexCorrection = 0;   // minutes of arc, added to the sextant reading
  double heightOfEye = 0;       // metres
};

// The settings' outer limits: an index correction in minutes of arc, a height of eye in metres.
inline constexpr double kMostIndexCorrection = 60;
inline constexpr double kMostHeightOfEye = 100;
// The fastest speed (knots) the DR is carried at.
inline constexpr double kMostFinderSpeed = 60;

// A plain message for the first unusable setting, or empty when all can be used.
std::string StarFinderSettingsError(const StarFinderSettings& settings);

// A plain message when the DR's course (0 to less than 360 degrees) or speed
// (0..kMostFinderSpeed knots) cannot be used, or empty.
std::string DeadReckoningError(const DeadReckoning& dr);

struct FinderBody {
  int catalogIndex = 0;  // zero-based catalog position (stars 1..57, planets 58..61)
  std::string name;
  double hc = 0;  // computed altitude, degrees
  double zn = 0;  // true azimuth, degrees
  double hs = 0;  // the sextant altitude to preset, degrees (IC and dip applied)
  double magnitude = 0;
  int order = 0;  // 1 = shoot first
};

struct StarFinderResult {
  std::string error;  // the settings or the DR's motion are unusable; nothing else is filled
  Twilight twilight = Twilight::morning;
  TwilightWindow window;  // of the moment's zone date at the DR
  bool momentChosen = false;
  DateTime moment = 0;             // zone time the bodies are for
  int zoneDescription = 0;         // hours, west positive
  DrPosition position;             // the DR at the moment, degrees, north and WEST positive
  int candidateCount = 0;          // bodies in the band and bright enough
  std::vector<FinderBody> bodies;  // the chosen set in shooting order
  double hdop = 0;                 // of the chosen set (see lop_geometry.h)
  SetSearchMethod method = SetSearchMethod::exhaustive;
  std::string message;  // what the navigator should know: no window, too few bodies, ...
  double sunAltitude = 0;        // at the moment, degrees
  bool outsideTwilight = false;  // a chosen moment with the Sun up or the horizon dark: no bodies
};

// The finder for one twilight. The zone date is that of settings.moment (zone time) when given,
// else that of the DR's time; the DR is carried to the moment by its course and speed (the window itself is
// then found again at the carried position). zoneDescription in hours, west positive.
StarFinderResult FindStars(const DeadReckoning& dr, int zoneDescription,
                           const StarFinderSettings& settings, const EphemerisChoice& choice = {});

// The twilight of the zone date nearest the zone time (by the windows' middles) at the position;
// morning when neither occurs.
Twilight NearestTwilight(const DrPosition& position, DateTime zoneTime, int zoneDescription,
                         const EphemerisChoice& choice = {});

// Shooting order: nearest true east first, round to the west last, in both twilights (the
// eastern sky brightens first at dawn and its horizon darkens first at dusk). Sorts in place and
// numbers `order` from 1.
void SortInShootingOrder(std::vector<FinderBody>& bodies);

}  // namespace nocturna
