#include "navigation/nmea_replay.h"

#include <algorithm>
#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/gps_fix_step.h"

namespace nocturna {
namespace {

// hhmmss.ss with the seconds rounded to hundredths; a rounding up to second 60 carries into
// the minute, hour and day (23:59:59.999 shows 000000.00). A second 60 as sent (a leap
// second) stays.
std::string FormatRmcTime(double utcTime) {
  long hours = static_cast<long>(std::floor(utcTime / 10000.0));
  long minutes = static_cast<long>(std::floor((utcTime - 10000.0 * hours) / 100.0));
  const double seconds = utcTime - 10000.0 * hours - 100.0 * minutes;
  long centiseconds = std::lround(seconds * 100.0);
  if (seconds < 60.0 && centiseconds >= 6000) {
    centiseconds -= 6000;
    if (++minutes == 60) {
      minutes = 0;
      if (++hours == 24) hours = 0;
    }
  }
  return PrintfText("%02ld%02ld%02ld.%02ld", hours, minutes, centiseconds / 100, centiseconds % 100);
}

}  // namespace

std::optional<NmeaReplayFix> NmeaBurstReplay::Feed(const char* bytes, std::size_t count, bool lastBurst) {
  const bool parsed = reader_.Scan(bytes, count, lastBurst, fields_) == BurstRmc::Parsed;
  const GpsFixResult result = GpsFixStep(parsed, fields_, poorFixCount_);
  ++counts_.bursts;
  if (result.kind != GpsFixResult::Kind::Fix) {
    ++counts_.rejectedBursts;
    if (result.kind == GpsFixResult::Kind::PoorCoverage) ++counts_.poorCoverageMessages;
    return std::nullopt;
  }
  ++counts_.acceptedFixes;
  return NmeaReplayFix{fields_.utcTime, result.position, result.zoneDescription,
                       PrintfText("%s  %s  %s  ZD %+d", FormatRmcTime(fields_.utcTime).c_str(),
                                  FormatLatitude(result.position.latitude).c_str(),
                                  FormatLongitude(result.position.longitude).c_str(), result.zoneDescription)};
}

NmeaReplayReport ReplayNmeaLog(std::string_view log, std::size_t burstSize) {
  burstSize = std::max<std::size_t>(burstSize, 1);
  NmeaBurstReplay replay;
  std::vector<NmeaReplayFix> fixes;
  for (std::size_t offset = 0; offset < log.size(); offset += burstSize) {
    const std::size_t count = std::min(burstSize, log.size() - offset);
    if (auto fix = replay.Feed(log.data() + offset, count, offset + count == log.size())) {
      fixes.push_back(std::move(*fix));
    }
  }
  NmeaReplayReport report = replay.Counts();
  report.fixes = std::move(fixes);
  return report;
}

std::string FormatReplaySummary(const NmeaReplayReport& report) {
  return PrintfText("bursts %ld, fixes %ld, rejected %ld", report.bursts, report.acceptedFixes,
                    report.rejectedBursts);
}

}  // namespace nocturna
