#include "header_report.h"

#include "foundations/text_forms.h"

namespace nocturna {

std::string HeaderReport(const CalendarDate& utDate, const ClockTime& utTime,
                         const DrPosition& position, double ghaAries) {
  return "GD=" + FormatLongDate(utDate.month, utDate.day, utDate.year) +
         "  UT=" + FormatClockTime(utTime.hour, utTime.minute, utTime.second) + "\n" +
         "Position: DRL=" + FormatLatitude(position.latitude) +
         ";  DRLo=" + FormatLongitude(position.longitude) + "\n" +
         "GHA Aries=" + FormatAngle360(ghaAries) + "\n";
}

}  // namespace nocturna
