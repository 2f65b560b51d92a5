// Serial bytes from a receiver, in bursts of varying length, through the burst reader and the
// position step exactly as the GPS port and its window step use them; then the same bytes as a
// replayed log. Input: byte 0 picks the burst length, byte 1 which bursts end in a pause.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "foundations/dr_position.h"
#include "fuzz_check.h"
#include "navigation/gps_fix_step.h"
#include "navigation/nmea_burst_reader.h"
#include "navigation/nmea_replay.h"
#include "navigation/nmea_sentence.h"

namespace {

using namespace nocturna;

void CheckFix(const GpsFixResult& result) {
  FUZZ_CHECK(std::isfinite(result.position.latitude) && std::isfinite(result.position.longitude));
  FUZZ_CHECK(std::fabs(result.position.latitude) <= 90.0);
  FUZZ_CHECK(std::fabs(result.position.longitude) <= 180.0);
  FUZZ_CHECK(result.zoneDescription >= -12 && result.zoneDescription <= 12);
}

void CheckParsedFields(const RmcFields& fields) {
  FUZZ_CHECK(fields.sentenceId.size() == 5);
  FUZZ_CHECK(IsSatelliteTalker(std::string_view(fields.sentenceId).substr(0, 2)));
  FUZZ_CHECK(fields.sentenceId.compare(2, 3, "RMC") == 0);
  if (fields.status != 'A') return;
  FUZZ_CHECK(fields.utcTime >= 0.0f && fields.utcTime < 240000.0f);
  FUZZ_CHECK(fields.latHemisphere == 'N' || fields.latHemisphere == 'S');
  FUZZ_CHECK(fields.lonHemisphere == 'E' || fields.lonHemisphere == 'W');
  FUZZ_CHECK(fields.latitude >= 0.0 && fields.latitude <= 9000.0);
  FUZZ_CHECK(fields.longitude >= 0.0 && fields.longitude <= 18000.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t burstLength = 1 + data[0] % 128;
  const unsigned pauses = data[1];
  const char* bytes = reinterpret_cast<const char*>(data + 2);
  const std::size_t count = size - 2;

  NmeaBurstReader reader;
  RmcFields fields;
  int poorFixCount = 0;
  unsigned burst = 0;
  for (std::size_t offset = 0; offset < count; offset += burstLength, ++burst) {
    const std::size_t length = count - offset < burstLength ? count - offset : burstLength;
    const bool burstEnded = ((pauses >> (burst % 8)) & 1u) != 0 || offset + length == count;
    const BurstRmc found = reader.Scan(bytes + offset, length, burstEnded, fields);
    if (found == BurstRmc::Parsed) CheckParsedFields(fields);
    const GpsFixResult result = GpsFixStep(found == BurstRmc::Parsed, fields, poorFixCount);
    FUZZ_CHECK(poorFixCount >= 0 && poorFixCount < kPoorFixLimit);
    if (result.kind == GpsFixResult::Kind::Fix) CheckFix(result);
  }

  // The probe's test and the whole input read as one sentence.
  ContainsSatelliteTalker(bytes, count);
  const std::string_view whole(bytes, count);
  if (NmeaChecksumOk(whole) && ParseRmcSentence(whole, fields)) CheckParsedFields(fields);

  const NmeaReplayReport report = ReplayNmeaLog(whole, burstLength);
  FUZZ_CHECK(report.bursts == static_cast<int>(report.fixes.size()) + report.rejectedBursts);
  FUZZ_CHECK(report.poorCoverageMessages <= report.rejectedBursts);
  for (const NmeaReplayFix& fix : report.fixes) {
    FUZZ_CHECK(std::fabs(fix.position.latitude) <= 90.0 && std::fabs(fix.position.longitude) <= 180.0);
    FUZZ_CHECK(!fix.line.empty());
  }
  FormatReplaySummary(report);
  return 0;
}
