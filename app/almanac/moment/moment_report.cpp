#include "moment/moment_report.h"

#include "moment/ephemeris_report_text.h"
#include "foundations/text_forms.h"
#include "cli/report_lines.h"

namespace nocturna {

std::string MomentReport(const AlmanacSnapshot& snapshot) {
  const AlmanacMoment& m = snapshot.moment;
  return LabelLine("Ephemeris", EphemerisText(snapshot.ephemerisUsed)) +
         LabelLine("Date", FormatLongDate(m.zoneDate.month, m.zoneDate.day, m.zoneDate.year)) +
         LabelLine("ZT", FormatClockTime(m.zoneClock.hour, m.zoneClock.minute, m.zoneClock.second)) +
         LabelLine("ZD", std::to_string(snapshot.zoneDescription)) +
         LabelLine("UT", FormatClockTime(m.utClock.hour, m.utClock.minute, m.utClock.second)) +
         LabelLine("G\\D", FormatLongDate(m.utDate.month, m.utDate.day, m.utDate.year)) +
         LabelLine("DR L", FormatLatitude(snapshot.position.latitude)) +
         LabelLine("DR Lo", FormatLongitude(snapshot.position.longitude)) +
         LabelLine("GHA Aries", FormatAngle360(snapshot.ghaAries));
}

}  // namespace nocturna
