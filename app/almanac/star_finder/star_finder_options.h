#pragma once
// The star finder's options of nocturna-almanac (--star-finder and the settings that go with it).
#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/astro_moment.h"
#include "starfinder/star_finder.h"

namespace nocturna {

struct AlmanacOptions;

struct StarFinderOptions {
  std::optional<Twilight> twilight;    // --morning or --evening; neither or both: both
  std::optional<CalendarDate> atDate;  // --at "YYYY-MM-DD HH:MM:SS", zone time
  std::optional<ClockTime> atTime;
  StarFinderSettings settings;  // --band, --mag, --count, --ic, --eye
  double courseDegrees = 0;     // --course, true
  double speedKnots = 0;        // --speed
};

// The readers of the finder's values, each checking the finder's own limits and naming the
// option when a value does not read or lies outside them.
std::string ReadFinderMoment(std::string_view name, std::string_view value,
                             AlmanacOptions& options);
std::string ReadAltitudeBand(std::string_view name, std::string_view value,
                             AlmanacOptions& options);
std::string ReadSetSize(std::string_view name, std::string_view value, AlmanacOptions& options);
// --mag, --ic and --eye.
std::string ReadFinderSetting(std::string_view name, std::string_view value,
                              AlmanacOptions& options);

}  // namespace nocturna
