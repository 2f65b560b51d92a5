#include "ephemeris/event_estimate.h"

#include "ephemeris/julian.h"
#include "ephemeris/sidereal.h"

namespace nocturna {

double UtOfLocalSiderealTime(double lst, const CalendarDate& zoneDate, const DrPosition& position) {
  SiderealConverter converter{};
  converter.lst = lst;
  return ConvertSidereal(converter, zoneDate, position, -1);
}

AstroMoment MomentOfEstimate(const AstroMoment& date0, double ut, int zoneDescription) {
  AstroMoment moment = date0;
  const double zoneTime = ut - zoneDescription;
  if (zoneTime > 24) moment = AddDays(moment, -1);
  if (zoneTime < 0) moment = AddDays(moment, +1);
  return AddDays(moment, ut / 24);
}

}  // namespace nocturna
