#include "moment/event_report.h"

#include "foundations/printf_text.h"
#include "navigation/event_times.h"

namespace nocturna {

std::string EventReport(const AlmanacSnapshot& snapshot) {
  const EventTimeTexts e = FormatEventTimes(snapshot.events, snapshot.zoneDescription);
  return "Nautical    Civil     Sunrise     PVC\n" +
         PrintfText("%6s%13s%10s%10s\n", e[4].c_str(), e[2].c_str(), e[0].c_str(), e[9].c_str()) +
         "Sunset      Civil    Nautical     PVC\n" +
         PrintfText("%6s%13s%10s%10s\n", e[1].c_str(), e[3].c_str(), e[5].c_str(), e[10].c_str()) +
         "Moonrise   Moonset\n" + PrintfText("%6s%16s\n", e[6].c_str(), e[7].c_str());
}

}  // namespace nocturna
