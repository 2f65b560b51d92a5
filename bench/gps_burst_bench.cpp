// One GPS burst's work on the window thread (scan, RMC parse, position step, no repaint)
// beside a baseline of one plain pass over the same 500 bytes.
#include <benchmark/benchmark.h>

#include <string>

#include "navigation/gps_fix_step.h"
#include "navigation/nmea_burst_reader.h"

namespace {

// A receiver's second of output, cut to the port's 500-byte buffer, RMC near the end.
std::string Burst() {
  std::string burst =
      "$GPGSV,3,1,12,01,53,280,36,03,29,301,24,04,55,223,37,08,38,166,16*7C\r\n"
      "$GPGSV,3,2,12,11,40,245,29,12,05,034,,14,43,055,30,17,06,324,*74\r\n"
      "$GPGSV,3,3,12,22,24,112,25,23,08,249,,25,12,069,22,31,58,133,24*7A\r\n"
      "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
      "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n"
      "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
  burst.resize(500, ' ');
  return burst;
}

void BM_GpsBurstStep(benchmark::State& state) {
  const std::string burst = Burst();
  nocturna::NmeaBurstReader reader;
  nocturna::RmcFields fields;
  int poorFixCount = 0;
  for (auto _ : state) {
    const bool parsed = reader.Scan(burst.data(), burst.size(), true, fields) == nocturna::BurstRmc::Parsed;
    benchmark::DoNotOptimize(nocturna::GpsFixStep(parsed, fields, poorFixCount));
  }
}
BENCHMARK(BM_GpsBurstStep);

void BM_GpsBurstPlainPassBaseline(benchmark::State& state) {
  const std::string burst = Burst();
  for (auto _ : state) {
    unsigned sum = 0;
    for (const char c : burst) sum += static_cast<unsigned char>(c);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_GpsBurstPlainPassBaseline);

}  // namespace
