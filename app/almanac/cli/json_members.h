#pragma once
// The JSON members the reports write alike for one body of the catalog (k its index) and for
// the rows of a table page.
#include <string>
#include <vector>

#include "ephemeris/astro_moment.h"

#include "cli/json_writer.h"
#include "navigation/body_catalog.h"
#include "navigation/table_rows.h"

namespace nocturna {

// "YYYY-MM-DD" and "HH:MM:SS", as the JSON reports write dates and clock times.
std::string IsoDate(const CalendarDate& date);
std::string IsoTime(const ClockTime& clock);

// "sha", "gha" and "declination", degrees.
void PlaceMembers(Json& object, const BodyCatalog& catalog, int k);
// "hc" and "zn", degrees, for the catalog's moment and DR position.
void HcZnMembers(Json& object, const BodyCatalog& catalog, int k);
// "magnitude"; null for the Sun and the Moon, whose magnitude the lists leave empty.
void MagnitudeMember(Json& object, const BodyCatalog& catalog, int k);

// An array with an object per row, in the rows' order: "index" in the catalog, "name" as the
// row shows it, the body's values as `values` adds them, "magnitude" and the row's "texts".
using BodyMembers = void (*)(Json& object, const BodyCatalog& catalog, int k);
Json TableRowsJson(const BodyCatalog& catalog, const std::vector<TableRow>& rows, BodyMembers values);

}  // namespace nocturna
