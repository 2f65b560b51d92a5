#include "cli/help_text.h"

namespace nocturna {

std::string AlmanacHelpText() {
  return R"(Usage: nocturna-almanac [options]

Prints the almanac of one moment for a DR position: the zone and Greenwich date
and time, GHA Aries; the Sun's GHA, declination, semi-diameter, meridian passage,
equation of time and amplitude; the Moon's GHA, declination, semi-diameter,
horizontal parallax and phase; the day's event times in zone time; the planets'
and the 57 navigational stars' SHA, GHA and declination (stars also with Hc and
Zn, in catalog order); and every body above the celestial horizon (Hc >= 0)
with its computed altitude Hc, true azimuth Zn and magnitude.

The moment, either in UT:
  --date YYYY-MM-DD   UT date (default: today's UT date)
  --time HH:MM:SS     UT time (default: now from the system's UTC clock, or
                      00:00:00 when --date is given without --time)
or in zone time:
  --zone-date YYYY-MM-DD  zone date (default: today's zone date)
  --zt HH:MM:SS       zone time (default: now, or 00:00:00 when --zone-date is
                      given without --zt)
and the zone description:
  --zd N              whole hours from -12 to +12, west positive: UT = ZT + ZD
                      (default: the nominal zone of the DR longitude, +5 at 75W)
Dates run from 1901-01-01 to 2099-12-31, in UT and in zone time alike. The
day's events (sunrise to moonset) are those of the zone date.

The position:
  --lat LAT           latitude (default 42N00.0)
  --lon LON           longitude (default 075W00.0)
  Degrees and minutes with the hemisphere letter between them
  (--lat 42N07.5 --lon 075W30.0), or decimal degrees followed by the letter
  (--lat 42.125N --lon 75.5W). Latitude takes N or S (at most 90 degrees),
  longitude W or E (at most 180). A position without a hemisphere letter is
  refused: a bare sign means east to some tools and west to the almanac.

The ephemeris:
  --precise           every report from the precise ephemeris (1901-2099, every
                      body within 0.02'); the time given is then UTC, and the
                      day's events are found by searching the altitude ("none"
                      for an event that falls on another day). The text's first
                      line and the JSON's "ephemeris", "dut1", "dut1Source" and
                      "deltaT" say which ephemeris made the numbers
  --dut1 SECONDS      with --precise: UT1 - UTC from -2 to +2 (as broadcast with
                      radio time signals) instead of the bundled IERS values

Output:
  --json              one JSON object with the same values unformatted, at
                      full precision: angles in degrees (longitudeWest is west
                      positive), semi-diameter and parallax in minutes of arc,
                      the equation of time in minutes, event times in UT hours
                      (null where the event does not occur; its zoneTime text
                      then says CP, NR, NC or none; a morning prime-vertical
                      crossing before 0h UT is a negative number)
  --chart FILE.png    instead of the text, draw the chart as the window shows
                      it (data block and sky) into a PNG image
  --width N, --height N  the image's size in pixels, 200 to 8000 (default
                      1280 x 800); as in the window, the disc fills the
                      height, so a width of 1.6 times the height or more
                      keeps the data block clear of it
  --pdf FILE.pdf      instead of the text, write the printed chart: one
                      landscape US Letter page, black on white (--chart and
                      --pdf may be given together); with --visible-bodies or
                      --almanac-page, the tables as the windows print them:
                      portrait US Letter pages of every row
  A file is written whole or not at all; one that cannot be written (a full
  disk, a missing folder) is named in a message and the program exits with
  status 1.
  --rotate            the chart turned through 180 degrees (south at the top)
  --flip              the chart mirrored east for west
  --bright            only first-magnitude bodies between 15 and 75 degrees
  --visible-bodies    instead of the page, the program's "Visible Bodies" list:
                      Daylight (the Sun at -0.8 degrees or higher), Twilight
                      (down to -12) or Night Time; the zone date and time, the
                      position and LHA Aries; then in daylight the Sun and the
                      Moon when above the horizon, otherwise the Moon and every
                      star and planet with Hc >= 0, sorted by Zn
  --almanac-page      instead of the page, the program's "Almanac" window:
                      Greenwich date, UT, position and GHA Aries; SHA,
                      declination and magnitude of the 57 stars (catalog
                      order) and of Venus, Mars, Jupiter and Saturn
                      (--visible-bodies and --almanac-page may be given
                      together; with --json they are the members
                      "visibleBodies" and "almanacPage" of one object)
  --decimal           the list's Hc and Zn in decimal degrees
  --gha               the almanac page's GHA (SHA + GHA Aries) instead of SHA
  --sort N            sort the list, or the almanac page's stars, by column N
                      as a click on its heading does: 0 name, 1 Hc or
                      SHA/GHA, 2 Zn or declination, 3 magnitude (by text, so
                      negative magnitudes come first, -0.3 before -1.5)

Star finder:
  --star-finder       instead of the page, the best bodies to shoot in the
                      zone date's twilights at the DR: stars and planets in
                      the altitude band and bright enough, the set with the
                      least HDOP (sqrt of the trace of the position block of
                      (AtA)^-1, rows cos Zn, sin Zn, 1: the position with an
                      unknown error common to all sights), ties to the
                      brighter set; each body's Hc, Zn, Hs (the sextant
                      altitude to preset) and magnitude, in shooting order
                      (east first); the DR is that of the moment given
  --morning, --evening  one twilight only (default: both); morning is
                      nautical to civil twilight, evening civil to nautical
  --at "YYYY-MM-DD HH:MM:SS"  the zone moment to use instead of the middle
                      of the twilight
  --band LOW-HIGH     the Hc band in degrees (default 15-70)
  --mag M             the magnitude limit, this or brighter (default 2.5)
  --count N           bodies in the set, 3 to 6 (default 3)
  --ic MIN            index correction, minutes of arc added to the sextant
                      reading (default 0)
  --eye M             height of eye in metres, 0 to 100 (default 0)
  --course DEG, --speed KN  carry the DR from the moment given to the
                      twilight (true course, 0 to 60 knots; default: no way)
  --precise           the precise ephemeris

Almanac pages for a passage:
  --almanac-pages     instead of the almanac of a moment, the daily pages of the
                      Nautical Almanac's layout for a passage, three Greenwich
                      days to an opening: hourly GHA Aries, the four planets'
                      GHA and Dec with v and d, the stars' SHA and Dec; the
                      Sun's GHA and Dec with d and SD, the Moon's GHA, v, Dec,
                      d and HP; twilights, sunrise, sunset, moonrise and
                      moonset at the latitudes 72N to 60S in local mean time;
                      equation of time, meridian passages, the Moon's age and
                      phase; a title page states the ephemeris, Delta T and
                      DUT1. As text (a form feed between pages), or:
  --from YYYY-MM-DD   the first Greenwich date (default: today's UT date)
  --days N            the passage's days, 1 to 366 (default 9); the last
                      opening is completed to three days
  --pdf FILE.pdf      the pages as a PDF: a title page and two portrait US
                      Letter pages per opening
  --json              the same values as one JSON object: angles in whole
                      tenths of a minute of arc, times in whole minutes, the
                      equation of time in seconds, an event that does not
                      happen as aboveAllDay, belowAllDay, twilightAllNight
                      or notThisDay (a Moon event falling on the next day)

Receiver check:
  --nmea-replay LOG   feed a recorded NMEA 0183 log through the same burst
                      reading, parsing and position step as a receiver on a
                      serial port: one line per accepted RMC fix (time,
                      position, ZD), then the counts of bursts, fixes and
                      rejected bursts; takes no other option but --burst
  --burst N           bytes per read, 1 to 1048576 (default 500)
  --gpsd HOST:PORT    the first fixes from gpsd (default port 2947), read as
                      its receiver's NMEA sentences through the same step,
                      printed as --nmea-replay prints them
  --nmea-tcp HOST:PORT
                      the same from NMEA 0183 over TCP (port 10110 usually)
  --nmea-udp PORT     the same from NMEA 0183 datagrams on this machine's port
  --fixes N           fixes to print, 1 to 1000000 (default 1)
  --timeout SECONDS   give up, exit 1, when they have not come (default 30)

Sight reduction:
  --reduce SIGHTS.csv reduce a sight log to lines of position and a fix: each
                      sight's dip, Ha, refraction, semi-diameter, parallax, Ho,
                      Hc, Zn and intercept, the shots of one body averaged (a
                      straight line through Hs against time, outliers named),
                      then the fix with its error ellipse and residuals. The
                      log's header line names its columns: utc (YYYY-MM-DD
                      HH:MM:SS), body (a catalog name: Sun, Moon, Venus,
                      Kochub...), limb (L, U or empty), hs (34 12.3 or
                      34.205), ic (minutes, added to Hs), eye (metres), and
                      optionally temp (deg C, default 10) and pressure (hPa,
                      default 1010). A bad row exits 2 naming its line and
                      column. Needs --lat and --lon: the DR at the fix time
  --dr-time "YYYY-MM-DD HH:MM:SS"
                      the UTC of the DR and of the fix (default: the last
                      sight's time)
  --course DEG, --speed KN
                      course and speed made good (default 0): each line of
                      position is moved to the fix time along them
  --precise           the precise ephemeris instead of the standard one
  --dut1 SECONDS      UT1 - UTC for the precise ephemeris, -1 to 1
  --gpx FILE          also write the fix, the lines, the DR and the run as GPX
  With --json the same values unformatted: degrees, corrections in minutes of
  arc, intercepts (toward positive), residuals and ellipse in nautical miles,
  longitudeWest west positive.

  -h, --help          this text
  Options may also be written --name=value.

Text is UTF-8 (the degree sign as U+00B0). Angles read degrees and minutes to
a tenth; Hc is the computed altitude above the celestial horizon (no
refraction, parallax or dip), Zn the azimuth from true north through east.
Event times: CP the body stays above the event's altitude all day, NR it stays
below, NC the Sun does not cross the prime vertical.

A malformed or out-of-range argument is named in a message and the program
exits with status 2.
)";
}

}  // namespace nocturna
