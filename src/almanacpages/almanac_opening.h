#pragma once
// The values of one opening of the daily pages: three Greenwich days, a left page (Aries, the
// four planets, the stars) and a right page (Sun, Moon, twilights, moonrise and moonset), every
// angle rounded to 0.1' as printed. All times are UT on the Greenwich meridian; the event
// tables are local mean time at each latitude.
#include <array>
#include <optional>
#include <string>

#include "almanacpages/page_ephemeris.h"
#include "almanacpages/page_events.h"
#include "almanacpages/printed_values.h"
#include "ephemeris/astro_moment.h"
#include "ephemeris/ephemeris_choice.h"

namespace nocturna {

inline constexpr int kOpeningDays = 3;
inline constexpr int kOpeningHours = kOpeningDays * 24;
inline constexpr int kPagePlanetCount = 4;
inline constexpr int kPageStarCount = 57;

// GHA and declination of one hour (tenths of arc-minute; declination north positive).
struct HourPlace {
  ArcTenths gha = 0;
  ArcTenths declination = 0;
};

struct PlanetColumn {
  std::string name;  // "Venus", "Mars", "Jupiter", "Saturn"
  std::array<HourPlace, kOpeningHours> hours{};
  // The middle day's mean hourly change: v the excess of GHA over 15 degrees, d the
  // declination's change (north positive), tenths of arc-minute.
  ArcTenths v = 0;
  ArcTenths d = 0;
  int magnitudeTenths = 0;  // visual magnitude x 10 at 12h of the middle day
  ArcTenths sha = 0;        // at 0h of the middle day
  std::optional<int> meridianPassage;  // minutes UT of the middle day at Greenwich
};

struct SunColumn {
  std::array<HourPlace, kOpeningHours> hours{};
  ArcTenths d = 0;             // the middle day's mean hourly change of declination, north positive
  ArcTenths semiDiameter = 0;  // at 12h of the middle day
};

struct MoonHour {
  HourPlace place;
  // From this hour to the next: v the excess of the GHA's change over 14 deg 19.0', d the
  // declination's change (north positive); and the horizontal parallax at the hour.
  ArcTenths v = 0;
  ArcTenths d = 0;
  ArcTenths horizontalParallax = 0;
};

struct OpeningDay {
  CalendarDate date;
  int weekday = 0;  // 0 Sunday .. 6 Saturday
  // Apparent less mean solar time, whole seconds of time, at 00h and 12h UT.
  int equationOfTime00h = 0;
  int equationOfTime12h = 0;
  int sunMeridianPassage = 0;               // minutes UT at Greenwich
  std::optional<int> moonUpperPassage;      // minutes UT at Greenwich; none on a day without one
  std::optional<int> moonLowerPassage;
  int moonAge = 0;                          // whole days since new moon, at 12h
  int moonPhase = 0;                        // illuminated percentage at 12h
  ArcTenths moonSemiDiameter = 0;           // at 12h
};

struct StarPlace {
  std::string name;
  ArcTenths sha = 0;
  ArcTenths declination = 0;
};

struct AlmanacOpening {
  EphemerisStatement ephemeris;  // what filled the values, at 0h UTC of the first day
  std::array<OpeningDay, kOpeningDays> days{};
  std::array<ArcTenths, kOpeningHours> ghaAries{};
  int ariesMeridianPassage = 0;  // tenths of a minute of time, UT of the middle day
  std::array<PlanetColumn, kPagePlanetCount> planets{};
  std::array<StarPlace, kPageStarCount> stars{};  // 0h of the middle day, navigational order
  SunColumn sun;
  std::array<MoonHour, kOpeningHours> moon{};
  // The three days' events, and the day after them for the moonrise and moonset columns.
  std::array<DayEvents, kOpeningDays + 1> events{};
};

// The opening whose first day is `firstDay` (a Greenwich date), from the chosen ephemeris.
AlmanacOpening ComputeAlmanacOpening(const CalendarDate& firstDay, const EphemerisChoice& choice);

}  // namespace nocturna
