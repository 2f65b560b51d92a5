#pragma once
// The command line of nocturna-almanac: what it asks for, read and checked.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanacpages/booklet_sections.h"
#include "ephemeris/astro_moment.h"
#include "ephemeris/ephemeris_choice.h"
#include "foundations/dr_position.h"
#include "star_finder/star_finder_options.h"

namespace nocturna {

// The years the theories are good for; dates outside are refused.
inline constexpr int kFirstAlmanacYear = 1901;
inline constexpr int kLastAlmanacYear = 2099;

// Zone descriptions run from -12 to +12 hours (west positive: UT = ZT + ZD).
inline constexpr int kMaxZoneDescription = 12;

// The chart image's sides, in pixels.
inline constexpr int kMinChartSide = 200;
inline constexpr int kMaxChartSide = 8000;

// The chart as pictures (--chart, --pdf) and how the sky is drawn on them.
struct ChartPictureOptions {
  std::string imageFile;  // --chart: PNG of the window's chart (data block and sky)
  std::string pdfFile;    // --pdf: the printed page
  int width = 1280;       // --width, --height: the image's size in pixels
  int height = 800;
  bool sized = false;   // --width or --height was given
  bool rotate = false;  // --rotate: south at the top
  bool flip = false;    // --flip: east and west mirrored
  bool bright = false;  // --bright: first-magnitude bodies from 15 to 75 degrees only
  bool Wanted() const { return !imageFile.empty() || !pdfFile.empty(); }
};

// The table windows' pages: the visible-bodies list and the almanac page, and their settings.
struct TablePageOptions {
  bool visibleBodies = false;     // --visible-bodies: the "Visible Bodies" list
  bool almanacPage = false;       // --almanac-page: the "Almanac" window's page
  bool decimal = false;           // --decimal: the list's Hc and Zn in decimal degrees
  bool gha = false;               // --gha: the almanac page's GHA instead of SHA
  std::optional<int> sortColumn;  // --sort N: sorted as a click on column N (0..3) sorts
  bool Wanted() const { return visibleBodies || almanacPage; }
};

// The daily pages of a passage (--almanac-pages): as text, JSON (--json) or a PDF (--pdf).
struct PassagePagesOptions {
  bool wanted = false;               // --almanac-pages
  std::optional<CalendarDate> from;  // --from, a Greenwich date (default: today's UT date)
  std::optional<int> days;           // --days, 1..366 (default 9)
  std::optional<BookletContents> sections;  // --sections (default: the daily pages)
};

struct AlmanacOptions {
  bool help = false;
  bool json = false;                     // --json
  std::optional<CalendarDate> utDate;    // --date, UT
  std::optional<ClockTime> utTime;       // --time, UT
  std::optional<CalendarDate> zoneDate;  // --zone-date
  std::optional<ClockTime> zoneTime;     // --zt
  std::optional<int> zoneDescription;    // --zd, hours
  DrPosition position{42.0, 75.0};       // degrees, north and WEST positive
  ChartPictureOptions chart;
  TablePageOptions tables;
  StarFinderOptions finder;   // --star-finder and its settings
  EphemerisChoice ephemeris;  // --precise, --dut1 SECONDS
  PassagePagesOptions pages;  // --almanac-pages and its passage
};

// The options, or a message naming the argument at fault (error empty when all is well).
struct OptionsOutcome {
  AlmanacOptions options;
  std::string error;
};

// args excludes the program name. Options may be written "--name value" or "--name=value".
OptionsOutcome ParseAlmanacOptions(const std::vector<std::string>& args);

// A coordinate as degrees and minutes with the hemisphere letter between them ("42N07.5",
// "075W30.0") or as decimal degrees followed by the letter ("42.125N", "75.5W"); letters in
// either case. Returns degrees, positive for positiveLetter, or nothing when the text is
// malformed, lacks a letter, or exceeds maxDegrees.
std::optional<double> ParseCoordinate(std::string_view text, char positiveLetter,
                                      char negativeLetter, double maxDegrees);

// "YYYY-MM-DD" of a real calendar day in kFirstAlmanacYear..kLastAlmanacYear.
std::optional<CalendarDate> ParseIsoDate(std::string_view text);

// A whole number of hours from -12 to +12, with or without a sign.
std::optional<int> ParseZoneDescription(std::string_view text);

// "HH:MM:SS" or "HH:MM", 00:00:00..23:59:59.
std::optional<ClockTime> ParseClockTime(std::string_view text);

}  // namespace nocturna
