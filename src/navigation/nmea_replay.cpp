#include "navigation/nmea_replay.h"

#include <algorithm>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/gps_fix_step.h"
#include "navigation/nmea_burst_reader.h"

namespace nocturna {

NmeaReplayReport ReplayNmeaLog(std::string_view log, std::size_t burstSize) {
  burstSize = std::max<std::size_t>(burstSize, 1);
  NmeaReplayReport report;
  NmeaBurstReader reader;
  RmcFields fields;
  int poorFixCount = 0;
  for (std::size_t offset = 0; offset < log.size(); offset += burstSize) {
    const std::size_t count = std::min(burstSize, log.size() - offset);
    const bool lastBurst = offset + count == log.size();
    const bool parsed = reader.Scan(log.data() + offset, count, lastBurst, fields) == BurstRmc::Parsed;
    const GpsFixResult result = GpsFixStep(parsed, fields, poorFixCount);
    ++report.bursts;
    if (result.kind == GpsFixResult::Kind::Fix) {
      report.fixes.push_back(
          {fields.utcTime, result.position, result.zoneDescription,
           PrintfText("%09.2f  %s  %s  ZD %+d", fields.utcTime,
                      FormatLatitude(result.position.latitude).c_str(),
                      FormatLongitude(result.position.longitude).c_str(), result.zoneDescription)});
    } else {
      ++report.rejectedBursts;
      if (result.kind == GpsFixResult::Kind::PoorCoverage) ++report.poorCoverageMessages;
    }
  }
  return report;
}

std::string FormatReplaySummary(const NmeaReplayReport& report) {
  return PrintfText("bursts %d, fixes %zu, rejected %d", report.bursts, report.fixes.size(),
                    report.rejectedBursts);
}

}  // namespace nocturna
