#include "help_text.h"

namespace nocturna {

std::string AlmanacHelpText() {
  return R"(Usage: nocturna-almanac [options]

Prints GHA Aries and, for each of the 57 navigational stars in catalog order, its
SHA, GHA, declination and, for the DR position, computed altitude Hc and true
azimuth Zn, for one moment in UT.

Options:
  --date YYYY-MM-DD   UT date, 1901-01-01 to 2099-12-31 (default: today's UT date).
  --time HH:MM:SS     UT time (default: now from the system's UTC clock; 00:00:00
                      when --date is given without --time).
  --lat LAT           latitude (default 42N00.0)
  --lon LON           longitude (default 075W00.0)
  -h, --help          this text.

  Options may also be written --name=value.

Positions: degrees and minutes with the hemisphere letter between them
  (--lat 42N07.5 --lon 075W30.0), or decimal degrees followed by the letter
  (--lat 42.125N --lon 75.5W). Latitude takes N or S (at most 90 degrees),
  longitude W or E (at most 180). A position without a hemisphere letter is
  refused: a bare sign means east to some tools and west to the almanac.

Output is UTF-8 text (the degree sign as U+00B0). Angles read degrees and
minutes to a tenth; Hc is the computed altitude above the celestial horizon
(no refraction, parallax or dip), Zn the azimuth from true north through east.

A malformed or out-of-range argument is named in a message and the program
exits with status 2.
)";
}

}  // namespace nocturna
