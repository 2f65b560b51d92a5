#pragma once
// The command line of nocturna-almanac: what it asks for, read and checked.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "almanacpages/booklet_sections.h"
#include "chart/chart_rings.h"
#include "ephemeris/astro_moment.h"
#include "ephemeris/ephemeris_choice.h"
#include "foundations/calendar_text.h"
#include "foundations/date_time.h"
#include "foundations/dr_position.h"
#include "navigation/nmea_replay.h"
#include "platform/gps_source_setting.h"
#include "sights/dead_reckoning.h"
#include "star_finder/star_finder_options.h"

namespace nocturna {

// Zone descriptions run from -12 to +12 hours (west positive: UT = ZT + ZD).
inline constexpr int kMaxZoneDescription = 12;

// The chart image's sides, in pixels.
inline constexpr int kMinChartSide = 200;
inline constexpr int kMaxChartSide = 8000;

// What one run prints or writes; the options that name a report choose it.
enum class AlmanacReport {
  moment, tables, pictures, starFinder, pages, reduce, nmeaReplay, noon, identify, networkFixes, lunarPlanner
};

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
  ChartRings rings;     // bodies ringed: the one --identify names
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
  std::optional<CalendarDate> from;  // --from, a Greenwich date (default: today's UT date)
  std::optional<int> days;           // --days, 1..366 (default 9)
  std::optional<BookletContents> sections;  // --sections (default: the daily pages)
};

// A sight log reduced to a fix (--reduce): the DR is --lat and --lon.
struct SightReductionOptions {
  std::string file;               // --reduce
  std::optional<DateTime> drTime; // --dr-time, UTC
  DeadReckoning run;              // --course, --speed (its course and speed only)
  std::string gpxFile;            // --gpx: the fix, the lines, the DR and the run as GPX
};

// An unknown body named (--identify): its sextant altitude and rough true bearing.
struct IdentifyOptions {
  double hsDegrees = 0.0;       // --identify
  double bearingDegrees = 0.0;  // --bearing
};

// A receiver's log replayed (--nmea-replay).
struct NmeaReplayOptions {
  std::string file;                       // --nmea-replay
  std::size_t burst = kDefaultReplayBurst; // --burst, bytes per read
};

// The first fixes of a network position source (--gpsd, --nmea-tcp, --nmea-udp).
struct NetworkFixesOptions {
  GpsSourceSetting source;
  long fixes = 1;           // --fixes
  int timeoutSeconds = 30;  // --timeout, for all of them
};

struct AlmanacOptions {
  AlmanacReport report = AlmanacReport::moment;
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
  SightReductionOptions reduce;
  IdentifyOptions identify;
  NmeaReplayOptions replay;
  NetworkFixesOptions network;
};

// The options, or a message naming the argument at fault (error empty when all is well).
struct OptionsOutcome {
  AlmanacOptions options;
  std::string error;
};

// args excludes the program name. Options may be written "--name value" or "--name=value";
// each may be given once, and only with the report it belongs to.
OptionsOutcome ParseAlmanacOptions(const std::vector<std::string>& args);

// The calendar's fields in the ephemeris' types.
CalendarDate ToCalendarDate(const DateFields& date);
ClockTime ToClockTime(const TimeFields& time);

}  // namespace nocturna
