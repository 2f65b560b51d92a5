#include "cli/help_text.h"

#include <array>

#include "cli/option_table.h"

namespace nocturna {
namespace {

constexpr std::size_t kHelpColumn = 22;  // where an option's text starts
constexpr std::size_t kLineWidth = 79;

// The prose around each section's options.
struct HelpPart {
  HelpSection section;
  const char* before;
  const char* after;
};

constexpr std::array kHelpParts = {
    HelpPart{HelpSection::moment, R"(Usage: nocturna-almanac [options]

Prints the almanac of one moment for a DR position: the zone and Greenwich date
and time, GHA Aries; the Sun's GHA, declination, semi-diameter, meridian passage,
equation of time and amplitude; the Moon's GHA, declination, semi-diameter,
horizontal parallax and phase; the day's event times in zone time; the planets'
and the 57 navigational stars' SHA, GHA and declination (stars also with Hc and
Zn, in catalog order); and every body above the celestial horizon (Hc >= 0)
with its computed altitude Hc, true azimuth Zn and magnitude.

The moment, either in UT (--date, --time) or in zone time (--zone-date, --zt),
and the zone description:
)",
             R"(Dates run from 1901-01-01 to 2099-12-31, in UT and in zone time alike. The
day's events (sunrise to moonset) are those of the zone date.
)"},
    HelpPart{HelpSection::position, "\nThe position:\n",
             R"(  Three forms: degrees and minutes with the hemisphere letter between them
  (--lat 42N07.5 --lon 075W30.0), decimal degrees followed by the letter
  (--lat 42.125N --lon 75.5W), or signed decimal degrees as a GPS or a map
  gives them (ISO 6709), north and EAST positive (--lat 43.23669
  --lon -77.53342 is 43.23669N 77.53342W). Latitude at most 90 degrees,
  longitude at most 180. The almanac itself shows longitudes west positive.
)"},
    HelpPart{HelpSection::ephemeris, "\nThe ephemeris:\n", ""},
    HelpPart{HelpSection::output, "\nOutput:\n",
             R"(  A file is written whole or not at all; one that cannot be written (a full
  disk, a missing folder) is named in a message and the program exits with
  status 1.
)"},
    HelpPart{HelpSection::tables, "\nTables:\n", ""},
    HelpPart{HelpSection::starFinder, "\nStar finder:\n", ""},
    HelpPart{HelpSection::pages, "\nAlmanac pages for a passage:\n", ""},
    HelpPart{HelpSection::replay, "\nReceiver check:\n", ""},
    HelpPart{HelpSection::network, "\nGPS on the network:\n", ""},
    HelpPart{HelpSection::reduce, "\nSight reduction:\n",
             R"(  The log's header line names its columns: utc (YYYY-MM-DD HH:MM:SS), body (a
  catalog name: Sun, Moon, Venus, Kochab...), limb (L, U or empty), hs (34 12.3
  or 34.205), ic (minutes, added to Hs), eye (metres), and optionally temp
  (deg C, default 10) and pressure (hPa, default 1010). A bad row exits 2
  naming its line and column. --lat, --lon, --course, --speed, --precise,
  --dut1 and --json serve the reduction as above. With --json the same values
  unformatted: degrees, corrections in minutes of arc, intercepts (toward
  positive), residuals and ellipse in nautical miles, longitudeWest west
  positive.
)"},
    HelpPart{HelpSection::general, "\n",
             R"(  Options may also be written --name=value. Each option is given once, and
  only with the report it belongs to: the others are refused, not ignored.

Text is UTF-8 (the degree sign as U+00B0). Angles read degrees and minutes to
a tenth; Hc is the computed altitude above the celestial horizon (no
refraction, parallax or dip), Zn the azimuth from true north through east.
Event times: CP the body stays above the event's altitude all day, NR it stays
below, NC the Sun does not cross the prime vertical.

A malformed or out-of-range argument is named in a message and the program
exits with status 2; output that cannot be written (a full disk, a closed
output) is named in a message and the program exits with status 1.
)"},
};

// The words of `text` filled into lines from `column` to kLineWidth; the first line continues
// `line`.
void AppendWrapped(std::string& page, std::string line, std::string_view text) {
  std::size_t start = 0;
  bool lineHasWord = false;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    if (lineHasWord && line.size() + 1 + word.size() > kLineWidth) {
      page += line + '\n';
      line.assign(kHelpColumn, ' ');
      lineHasWord = false;
    }
    if (lineHasWord) line += ' ';
    line += word;
    lineHasWord = true;
    start = end + 1;
  }
  page += line + '\n';
}

void AppendOption(std::string& page, const CliOption& option) {
  std::string usage = "  " + std::string(option.name);
  if (option.TakesValue()) usage += " " + std::string(option.valueName);
  if (usage.size() + 2 > kHelpColumn) {
    page += usage + '\n';
    usage.clear();
  }
  usage.resize(kHelpColumn, ' ');
  AppendWrapped(page, usage, option.help);
}

}  // namespace

std::string AlmanacHelpText() {
  std::string page;
  for (const HelpPart& part : kHelpParts) {
    page += part.before;
    for (const CliOption& option : CliOptions()) {
      if (option.section == part.section) AppendOption(page, option);
    }
    page += part.after;
  }
  return page;
}

}  // namespace nocturna
