#include "cli/option_table.h"

#include <array>

#include "cli/option_readers.h"
#include "network/network_fixes_options.h"
#include "star_finder/star_finder_options.h"

namespace nocturna {
namespace {

using R = AlmanacReport;
using S = HelpSection;

constexpr ReportSet kEveryReport = Reports(R::moment, R::tables, R::pictures, R::starFinder,
                                           R::pages, R::reduce, R::nmeaReplay, R::noon, R::identify,
                                           R::networkFixes, R::lunarPlanner);
// The reports of one moment at one DR position.
constexpr ReportSet kMomentReports = Reports(R::moment, R::tables, R::pictures, R::starFinder, R::lunarPlanner);
constexpr ReportSet kPositionReports = kMomentReports | Reports(R::reduce, R::noon, R::identify);
// The reports the precise ephemeris fills (the pages always).
constexpr ReportSet kPreciseReports = kPositionReports | Reports(R::pages);

constexpr std::array kOptions = {
    CliOption{"--help", "", ReadSwitch, kEveryReport, S::general, "this text (also -h)"},
    CliOption{"--date", "YYYY-MM-DD", ReadMomentDate, kMomentReports | Reports(R::noon, R::identify), S::moment,
              "UT date (default: today's UT date)"},
    CliOption{"--time", "HH:MM:SS", ReadMomentTime, kMomentReports | Reports(R::noon, R::identify), S::moment,
              "UT time (default: now from the system's UTC clock, or 00:00:00 when --date is "
              "given without --time)"},
    CliOption{"--zone-date", "YYYY-MM-DD", ReadMomentDate, kMomentReports, S::moment,
              "zone date (default: today's zone date)"},
    CliOption{"--zt", "HH:MM:SS", ReadMomentTime, kMomentReports, S::moment,
              "zone time (default: now, or 00:00:00 when --zone-date is given without --zt)"},
    CliOption{"--zd", "N", ReadZoneDescription, kMomentReports, S::moment,
              "whole hours from -12 to +12, west positive: UT = ZT + ZD (default: the nominal "
              "zone of the DR longitude, +5 at 75W)"},
    CliOption{"--lat", "LAT", ReadPosition, kPositionReports, S::position,
              "latitude (default 42N00.0)"},
    CliOption{"--lon", "LON", ReadPosition, kPositionReports, S::position,
              "longitude (default 075W00.0)"},
    CliOption{"--precise", "", ReadSwitch, kPositionReports, S::ephemeris,
              "every report from the precise ephemeris (1901-2099, every body within 0.02'); "
              "the time given is then UTC, and the day's events are found by searching the "
              "altitude (\"none\" for an event that falls on another day). The text's first line "
              "and the JSON's \"ephemeris\", \"dut1\", \"dut1Source\" and \"deltaT\" say which "
              "ephemeris made the numbers"},
    CliOption{"--dut1", "SECONDS", ReadDut1, kPreciseReports, S::ephemeris,
              "with --precise or --almanac-pages: UT1 - UTC from -2 to +2 (as broadcast with "
              "radio time signals) instead of the IERS tables"},
    CliOption{"--iers", "FILE", ReadIersFile, kPreciseReports, S::ephemeris,
              "with --precise or --almanac-pages: UT1 - UTC from an IERS Bulletin A or "
              "finals2000A (finals.all) text file, read first where it covers the moment, then "
              "the bundled table, then the later-ending table's last value held; a damaged file "
              "(a row that does not read, a missing day, a value beyond +-0.9 s) is refused with "
              "its line. The reports state the DUT1's source and the table's last day"},
    CliOption{"--json", "", ReadSwitch,
              Reports(R::moment, R::tables, R::starFinder, R::pages, R::reduce, R::noon, R::identify,
                      R::networkFixes, R::lunarPlanner),
              S::output,
              "one JSON object with the same values unformatted, at full precision, its member "
              "\"units\" naming their units: angles in "
              "degrees (longitudeWest is west positive), semi-diameter and parallax in minutes "
              "of arc, the equation of time in minutes, event times in UT hours (null where the "
              "event does not occur; its zoneTime text then says CP, NR, NC or none; a morning "
              "prime-vertical crossing before 0h UT is a negative number)"},
    CliOption{"--chart", "FILE.png", ReadFileName, Reports(R::pictures, R::identify), S::output,
              "instead of the text, draw the chart as the window shows it (data block and sky) "
              "into a PNG image; with --identify, at the sight's moment with the body named ringed "
              "(a double ring; both when two fit almost equally)"},
    CliOption{"--width", "N", ReadChartSide, Reports(R::pictures, R::identify), S::output,
              "the image's width in pixels, 200 to 8000 (default 1280); as in the window, the "
              "disc fills the height, so a width of 1.6 times the height or more keeps the data "
              "block clear of it"},
    CliOption{"--height", "N", ReadChartSide, Reports(R::pictures, R::identify), S::output,
              "the image's height in pixels, 200 to 8000 (default 800)"},
    CliOption{"--pdf", "FILE.pdf", ReadFileName,
              Reports(R::pictures, R::tables, R::pages, R::reduce, R::identify), S::output,
              "instead of the text, write the printed chart: one landscape US Letter page, black "
              "on white (--chart and --pdf may be given together); with --visible-bodies or "
              "--almanac-page, the tables as the windows print them: portrait US Letter pages of "
              "every row; with --almanac-pages, the daily pages and the tables of --sections; "
              "with --reduce, the sight form and the plotting sheet as the Sights window prints them; "
              "with --identify, the printed chart with the body named ringed"},
    CliOption{"--rotate", "", ReadSwitch, Reports(R::pictures, R::identify), S::output,
              "the chart turned through 180 degrees (south at the top)"},
    CliOption{"--flip", "", ReadSwitch, Reports(R::pictures, R::identify), S::output,
              "the chart mirrored east for west"},
    CliOption{"--bright", "", ReadSwitch, Reports(R::pictures, R::identify), S::output,
              "only first-magnitude bodies between 15 and 75 degrees"},
    CliOption{"--visible-bodies", "", ReadSwitch, Reports(R::tables), S::tables,
              "instead of the page, the program's \"Visible Bodies\" list: Daylight (the Sun at "
              "-0.8 degrees or higher), Twilight (down to -12) or Night Time; the zone date and "
              "time, the position and LHA Aries; then in daylight the Sun and the Moon when above "
              "the horizon, otherwise the Moon and every star and planet with Hc >= 0, sorted by "
              "Zn"},
    CliOption{"--almanac-page", "", ReadSwitch, Reports(R::tables), S::tables,
              "instead of the page, the program's \"Almanac\" window: Greenwich date, UT, "
              "position and GHA Aries; SHA, declination and magnitude of the 57 stars (catalog "
              "order) and of Venus, Mars, Jupiter and Saturn (--visible-bodies and "
              "--almanac-page may be given together; with --json they are the members "
              "\"visibleBodies\" and \"almanacPage\" of one object)"},
    CliOption{"--decimal", "", ReadSwitch, Reports(R::tables), S::tables,
              "the list's Hc and Zn in decimal degrees"},
    CliOption{"--gha", "", ReadSwitch, Reports(R::tables), S::tables,
              "the almanac page's GHA (SHA + GHA Aries) instead of SHA"},
    CliOption{"--sort", "N", ReadSortColumn, Reports(R::tables), S::tables,
              "sort the list, or the almanac page's stars, by column N as a click on its heading "
              "does: 0 name, 1 Hc or SHA/GHA, 2 Zn or declination, 3 magnitude (by text, so "
              "negative magnitudes come first, -0.3 before -1.5)"},
    CliOption{"--star-finder", "", ReadReportChoice, Reports(R::starFinder), S::starFinder,
              "instead of the page, the best bodies to shoot in the zone date's twilights at the "
              "DR: stars and planets in the altitude band and bright enough, the set with the "
              "least HDOP (sqrt of the trace of the position block of (AtA)^-1, rows cos Zn, "
              "sin Zn, 1: the position with an unknown error common to all sights), ties to the "
              "brighter set; each body's Hc, Zn, Hs (the sextant altitude to preset) and "
              "magnitude, in shooting order (east first); the DR is that of the moment given"},
    CliOption{"--morning", "", ReadSwitch, Reports(R::starFinder), S::starFinder,
              "the morning twilight only, nautical to civil (default, and with --evening too: "
              "both twilights)"},
    CliOption{"--evening", "", ReadSwitch, Reports(R::starFinder), S::starFinder,
              "the evening twilight only, civil to nautical"},
    CliOption{"--at", "\"YYYY-MM-DD HH:MM:SS\"", ReadFinderMoment, Reports(R::starFinder),
              S::starFinder, "the zone moment to use instead of the middle of the twilight"},
    CliOption{"--band", "LOW-HIGH", ReadAltitudeBand, Reports(R::starFinder), S::starFinder,
              "the Hc band in degrees (default 15-70)"},
    CliOption{"--mag", "M", ReadFinderSetting, Reports(R::starFinder), S::starFinder,
              "the magnitude limit, this or brighter, -5 to 6 (default 2.5)"},
    CliOption{"--count", "N", ReadSetSize, Reports(R::starFinder), S::starFinder,
              "bodies in the set, 3 to 6 (default 3)"},
    CliOption{"--ic", "MIN", ReadFinderSetting, Reports(R::starFinder, R::noon, R::identify), S::starFinder,
              "index correction, minutes of arc added to the sextant reading, -60 to +60 "
              "(default 0)"},
    CliOption{"--eye", "M", ReadFinderSetting, Reports(R::starFinder, R::noon, R::identify, R::lunarPlanner),
              S::starFinder, "height of eye in metres, 0 to 100 (default 0); the lunar planner's too"},
    CliOption{"--course", "DEG", ReadCourse, Reports(R::starFinder, R::reduce, R::noon), S::starFinder,
              "true course, 0 to less than 360 degrees (default 0): the finder carries the DR "
              "from the moment given to the twilight, the reduction moves each line of position "
              "to the fix time"},
    CliOption{"--speed", "KN", ReadSpeed, Reports(R::starFinder, R::reduce, R::noon), S::starFinder,
              "speed made good, 0 to 60 knots (default 0: no way)"},
    CliOption{"--lunar-planner", "", ReadReportChoice, Reports(R::lunarPlanner), S::lunarPlanner,
              "instead of the page, the bodies that make good lunar distances at the moment (its "
              "UT) and the DR: the Sun, the four planets and Hamal, Aldebaran, Pollux, Regulus, "
              "Spica, Antares, Altair, Fomalhaut and Markab, when 15 to 120 degrees from the Moon, "
              "both apparent centres 5 degrees or more above the horizon and the distance changing "
              "0.2' a minute or more; each with the distance to preset (the Moon's near limb to "
              "the Sun's near limb or the body's centre, refracted, as the sextant reads it before "
              "its index correction), the apparent and geocentric distances between the centres, "
              "both apparent altitudes, the rate in minutes of arc per minute of time (negative "
              "when closing) and the seconds of time that 0.1' of distance is worth. --eye sets "
              "the height of eye"},
    CliOption{"--almanac-pages", "", ReadReportChoice, Reports(R::pages), S::pages,
              "instead of the almanac of a moment, the daily pages of the Nautical Almanac's "
              "layout for a passage, three Greenwich days to an opening: hourly GHA Aries, the "
              "four planets' GHA and Dec with v and d, the stars' SHA and Dec; the Sun's GHA and "
              "Dec with d and SD, the Moon's GHA, v, Dec, d and HP; twilights, sunrise, sunset, "
              "moonrise and moonset at the latitudes 72N to 60S in local mean time; equation of "
              "time, meridian passages, the Moon's age and phase; a title page states the "
              "ephemeris, Delta T and DUT1. As text (a form feed between pages), as a PDF with "
              "--pdf (a title page and two portrait US Letter pages per opening) or with --json "
              "as one JSON object whose keys name their units: angles in whole tenths of a minute "
              "of arc (keys ending in TenthsOfArcMinute), times in whole "
              "minutes, the equation of time in seconds, an event that does not happen as "
              "aboveAllDay, belowAllDay, twilightAllNight or notThisDay (a Moon event falling on "
              "the next day)"},
    CliOption{"--from", "YYYY-MM-DD", ReadPassageStart, Reports(R::pages), S::pages,
              "the first Greenwich date (default: today's UT date)"},
    CliOption{"--days", "N", ReadPassageDays, Reports(R::pages), S::pages,
              "the passage's days, 1 to 366 (default 9); the last opening is completed to three "
              "days, and every day of it must lie in 1901 to 2099"},
    CliOption{"--sections", "LIST", ReadBookletSections, Reports(R::pages), S::pages,
              "the booklet's sections, comma-separated: daily, lunar, increments, altitude, "
              "polaris, reduction, forms, or all (default: daily). lunar: the Moon's geocentric "
              "distances from the Sun, the planets and nine lunar stars every three hours of each "
              "day; increments: the 60 minute tables of "
              "increments and v or d corrections; altitude: the altitude corrections (Sun, stars "
              "and planets, dip, temperature and pressure, Moon); polaris: a0, a1, a2 and azimuth "
              "for the year of --from; reduction: concise sight reduction tables with their rules "
              "and a worked example; forms: a blank "
              "sight form and plotting sheet. With more than one section an index and page "
              "numbers; with --pdf a bookmark for each section and month; with --json the tables under \"tables\", each with its columns' names and "
              "units and its rows of whole numbers"},
    CliOption{"--nmea-replay", "LOG", ReadFileName, Reports(R::nmeaReplay), S::replay,
              "feed a recorded NMEA 0183 log through the same burst reading, parsing and "
              "position step as a receiver on a serial port: one line per accepted RMC fix "
              "(time, position, ZD), then the counts of bursts, fixes and rejected bursts"},
    CliOption{"--burst", "N", ReadBurst, Reports(R::nmeaReplay), S::replay,
              "bytes per read, 1 to 1048576 (default 500)"},
    CliOption{"--gpsd", "HOST:PORT", ReadNetworkSource, Reports(R::networkFixes), S::network,
              "the first fixes from gpsd (default port 2947), read as its receiver's NMEA "
              "sentences through the same step, printed as --nmea-replay prints them"},
    CliOption{"--nmea-tcp", "HOST:PORT", ReadNetworkSource, Reports(R::networkFixes), S::network,
              "the same from NMEA 0183 over TCP (port 10110 usually)"},
    CliOption{"--nmea-udp", "PORT", ReadNetworkSource, Reports(R::networkFixes), S::network,
              "the same from NMEA 0183 datagrams arriving on this machine's port"},
    CliOption{"--fixes", "N", ReadFixCount, Reports(R::networkFixes), S::network,
              "fixes to print, 1 to 1000000 (default 1)"},
    CliOption{"--timeout", "SECONDS", ReadFixTimeout, Reports(R::networkFixes), S::network,
              "give up, with exit status 1, when they have not all come (default 30)"},
    CliOption{"--reduce", "SIGHTS.csv", ReadFileName, Reports(R::reduce), S::reduce,
              "reduce a sight log to lines of position and a fix: each sight's dip, Ha, "
              "refraction, semi-diameter, parallax, Ho, Hc, Zn and intercept, the shots of one "
              "body averaged (a straight line through Hs against time, outliers named), then the "
              "fix with its error ellipse and residuals. Needs --lat and --lon: the DR at the fix "
              "time"},
    CliOption{"--dr-time", "\"YYYY-MM-DD HH:MM:SS\"", ReadDrTime, Reports(R::reduce), S::reduce,
              "the UTC of the DR and of the fix (default: the last sight's time)"},
    CliOption{"--gpx", "FILE", ReadFileName, Reports(R::reduce), S::reduce,
              "also write the fix, the lines, the DR and the run as GPX 1.1 for a chart plotter"},
    CliOption{"--noon", "", ReadReportChoice, Reports(R::noon), S::reduce,
              "local apparent noon for the DR under way: the UTC when the Sun crosses the ship's "
              "meridian (the DR, at the --date and --time given, carried by --course and --speed; "
              "default the local mean noon of --date), the DR then, the Sun's declination, its "
              "meridian altitude Ho with the side it bears, and the sextant altitude to preset for "
              "the lower limb with --ic and --eye"},
    CliOption{"--identify", "HS", ReadIdentifyAltitude, Reports(R::identify), S::reduce,
              "name an unknown body from its sextant altitude (corrected with --ic and --eye) and "
              "its rough true bearing --bearing at --date and --time (UT, default now) from the DR: "
              "the stars, planets, Sun and Moon near that altitude and bearing, nearest first, each "
              "with its Hc, Zn and distance on the sky, and the body named, or both when two fit "
              "almost equally well"},
    CliOption{"--bearing", "DEG", ReadIdentifyBearing, Reports(R::identify), S::reduce,
              "with --identify: the body's rough true bearing, 0 to 360"},
};

// Most particular first: the first whose option is given is the run's report.
constexpr std::array kReportChoices = {
    ReportChoice{R::nmeaReplay, "the NMEA replay", {"--nmea-replay", ""}},
    ReportChoice{R::networkFixes, "the network GPS", {"--gpsd", "--nmea-tcp", "--nmea-udp"}},
    ReportChoice{R::reduce, "the sight reduction", {"--reduce", ""}},
    ReportChoice{R::noon, "the noon sight", {"--noon", ""}},
    ReportChoice{R::identify, "the unknown body", {"--identify", ""}},
    ReportChoice{R::pages, "the almanac pages", {"--almanac-pages", ""}},
    ReportChoice{R::lunarPlanner, "the lunar planner", {"--lunar-planner", ""}},
    ReportChoice{R::starFinder, "the star finder", {"--star-finder", ""}},
    ReportChoice{R::tables, "the tables", {"--visible-bodies", "--almanac-page"}},
    ReportChoice{R::pictures, "the chart pictures", {"--chart", "--pdf"}},
    ReportChoice{R::moment, "the almanac of a moment", {"", ""}},
};

}  // namespace

std::span<const CliOption> CliOptions() { return kOptions; }

std::span<const ReportChoice> ReportChoices() { return kReportChoices; }

const CliOption* FindCliOption(std::string_view name) {
  for (const CliOption& option : kOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace nocturna
