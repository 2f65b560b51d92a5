#pragma once
// The star finder's options of nocturna-almanac (--star-finder and the settings that go with it).
#include <optional>
#include <string>
#include <string_view>

#include "ephemeris/astro_moment.h"
#include "starfinder/star_finder.h"

namespace nocturna {

struct StarFinderOptions {
  bool wanted = false;                 // --star-finder
  std::optional<Twilight> twilight;    // --morning or --evening; neither: both
  std::optional<CalendarDate> atDate;  // --at "YYYY-MM-DD HH:MM:SS", zone time
  std::optional<ClockTime> atTime;
  StarFinderSettings settings;  // --band, --mag, --count, --ic, --eye
  double courseDegrees = 0;     // --course, true
  double speedKnots = 0;        // --speed
  bool given = false;           // any finder setting was given
};

// True for the finder's options that take a value.
bool IsStarFinderValueOption(std::string_view name);

// Reads the value of one of them; returns a message on failure.
std::string ApplyStarFinderOption(std::string_view name, std::string_view value,
                                  StarFinderOptions& options);

// The finder's settings checked together once all options are read; a message or empty.
std::string StarFinderOptionsError(const StarFinderOptions& options);

}  // namespace nocturna
