#pragma once
// Replays a receiver's log through the burst reading and the position step, as a serial
// port would deliver it, so a receiver can be checked before a passage.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundations/dr_position.h"
#include "navigation/nmea_burst_reader.h"
#include "navigation/nmea_sentence.h"

namespace nocturna {

inline constexpr std::size_t kDefaultReplayBurst = 500;

struct NmeaReplayFix {
  double utcTime = 0.0;  // RMC time, hhmmss.ss UTC
  DrPosition position;   // degrees, north and WEST positive
  int zoneDescription = 0;
  std::string line;      // "hhmmss.ss  48°07.0'N  011°31.0'E  ZD -1" (Windows-1252)
};

struct NmeaReplayReport {
  std::vector<NmeaReplayFix> fixes;
  long bursts = 0;  // counts wide enough for an endless stream
  long acceptedFixes = 0;
  long rejectedBursts = 0;  // bursts without a valid fix
  long poorCoverageMessages = 0;
};

// The replay one burst at a time, so a log of any length, or an endless stream, is read in
// bounded memory: the fixes are handed out as they come and only the counts are kept.
class NmeaBurstReplay {
 public:
  // One burst of count bytes; lastBurst when no bytes follow it (a sentence cut at its end is
  // then complete as it stands). The fix the burst gives, if any.
  std::optional<NmeaReplayFix> Feed(const char* bytes, std::size_t count, bool lastBurst);
  // The counts so far; its fixes stay empty.
  const NmeaReplayReport& Counts() const { return counts_; }

 private:
  NmeaBurstReader reader_;
  RmcFields fields_;
  int poorFixCount_ = 0;
  NmeaReplayReport counts_;
};

// Feeds log in consecutive bursts of burstSize bytes (the last may be shorter; a size of 0
// is taken as 1). Every burst but the last fills the port's buffer, so a sentence cut at
// a burst's end is finished by the next.
NmeaReplayReport ReplayNmeaLog(std::string_view log, std::size_t burstSize);

// The summary line: "bursts 31, fixes 25, rejected 6".
std::string FormatReplaySummary(const NmeaReplayReport& report);

}  // namespace nocturna
