#pragma once
// Reading UT1 - UTC from an IERS Earth-orientation file, as the IERS publishes it as text:
//
// finals2000A.data, finals2000A.all, finals.all (fixed columns, 1-based, one line a day):
//   1-2 year of the century (19xx up to MJD 51543, 20xx after), 3-4 month, 5-6 day,
//   8-15 MJD of 0h UTC (F8.2), 58 UT1-UTC flag ("I" IERS value, "P" prediction),
//   59-68 UT1-UTC in seconds (F10.7). The other columns (polar motion, LOD, nutation,
//   Bulletin B) are not read. Rows past the last prediction have column 58 blank: they end
//   the table.
// Bulletin A (ser7): the rows under the combined values' heading "MJD x error y error
//   UT1-UTC error" ("YY MM DD MJD x error y error UT1-UTC error") and under the predictions'
//   heading "MJD x(arcsec) y(arcsec) UT1-UTC(sec)" ("YYYY MM DD MJD x y UT1-UTC"); a combined
//   value wins over a prediction of the same day.
//
// A file is taken whole or not at all: a row that does not read, a day missing between two
// rows, a value beyond +-0.9 s, a jump of UT1 - UTC without a leap second, or no row at all
// refuses it with the line and the reason.
#include <string>
#include <string_view>

#include "ephemeris/precise/dut1_table.h"

namespace nocturna {

struct IersFileParse {
  Dut1Table table;    // empty when refused
  std::string error;  // "line 12: ...", or the reason for the whole file; empty when taken
};

IersFileParse ParseIersFile(std::string_view text);

}  // namespace nocturna
