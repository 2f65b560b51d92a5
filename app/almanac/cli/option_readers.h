#pragma once
// How the options' values are read: one reader per kind of value, each naming its option when
// the value does not read. The star finder's own readers are in star_finder/.
#include <string>
#include <string_view>

#include "cli/almanac_options.h"

namespace nocturna {

// --star-finder and --almanac-pages: their report is chosen from the options given, and
// nothing else is read.
std::string ReadReportChoice(std::string_view name, std::string_view value,
                             AlmanacOptions& options);

// The options without a value: each sets its switch.
std::string ReadSwitch(std::string_view name, std::string_view value, AlmanacOptions& options);

// --date and --zone-date; --time and --zt; --zd.
std::string ReadMomentDate(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadMomentTime(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadZoneDescription(std::string_view name, std::string_view value,
                                AlmanacOptions& options);

// --lat and --lon in any of the forms ParseLatitude and ParseLongitude read.
std::string ReadPosition(std::string_view name, std::string_view value, AlmanacOptions& options);

// --dut1, --precise's UT1 - UTC; --iers, the IERS file it is read from.
std::string ReadDut1(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadIersFile(std::string_view name, std::string_view value, AlmanacOptions& options);

// --chart, --pdf, --reduce, --gpx and --nmea-replay: a file name, not empty.
std::string ReadFileName(std::string_view name, std::string_view value, AlmanacOptions& options);

// --width and --height; --sort.
std::string ReadChartSide(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadSortColumn(std::string_view name, std::string_view value, AlmanacOptions& options);

// --from and --days of the almanac pages.
std::string ReadPassageStart(std::string_view name, std::string_view value,
                             AlmanacOptions& options);
std::string ReadPassageDays(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadBookletSections(std::string_view name, std::string_view value, AlmanacOptions& options);

// --identify's sextant altitude and --bearing, the unknown body's rough true bearing.
std::string ReadIdentifyAltitude(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadIdentifyBearing(std::string_view name, std::string_view value, AlmanacOptions& options);

// --dr-time of the sight reduction; --burst of the NMEA replay.
std::string ReadDrTime(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadBurst(std::string_view name, std::string_view value, AlmanacOptions& options);

// --course and --speed: the DR's run, for the star finder and the sight reduction alike.
std::string ReadCourse(std::string_view name, std::string_view value, AlmanacOptions& options);
std::string ReadSpeed(std::string_view name, std::string_view value, AlmanacOptions& options);

// "--eye '150': the height of eye must be from 0 to 100 metres": a range message of the
// libraries ("The height of eye must be ...") put after the option and its value.
std::string OutOfRange(std::string_view name, std::string_view value, const std::string& problem);

}  // namespace nocturna
