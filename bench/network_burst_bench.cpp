// One burst's work on the window thread for each position source (the source's burst parsed
// by the one GpsFeed step, the position step and the two position texts), beside the serial
// burst's step in gps_burst_bench.cpp. The reading itself runs on the reader thread.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "foundations/text_forms.h"
#include "navigation/gps_fix_step.h"
#include "platform/gps_feed.h"

namespace {

const char kRmc[] = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";

// What each source's burst holds: gpsd its JSON reports beside the receiver's sentences, a
// TCP multiplexer a full buffer of mixed traffic, UDP one datagram per sentence gathered.
std::string SourceBurst(int source) {
  std::string burst;
  if (source == 0) {
    burst = "{\"class\":\"TPV\",\"device\":\"/dev/ttyUSB0\",\"mode\":3,\"lat\":48.1173,\"lon\":11.5166}\r\n"
            "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
  } else if (source == 1) {
    burst = "!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24\r\n$IIMWV,045.0,R,12.5,N,A*2B\r\n"
            "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n"
            "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\r\n";
  } else {
    burst = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
  }
  return burst + kRmc;
}

// A source whose every read is the same burst: the window thread's share alone.
class RepeatingFeed : public nocturna::GpsFeed {
 public:
  explicit RepeatingFeed(const std::string& burst) {
    burstLength_ = std::min(burst.size(), sentenceBuffer.size());
    std::copy_n(burst.begin(), burstLength_, sentenceBuffer.begin());
  }
  void StartRead(nocturna::OverlappedRead&) override {}
  nocturna::PortResult CloseFeed() override { return {}; }
  std::string SourceName() const override { return "bench"; }
};

void BM_SourceBurstStep(benchmark::State& state) {
  RepeatingFeed feed(SourceBurst(static_cast<int>(state.range(0))));
  int poorFixCount = 0;
  for (auto _ : state) {
    const bool parsed = feed.BurstLength() > 0 && feed.ParseRmc();
    const nocturna::GpsFixResult result = nocturna::GpsFixStep(parsed, feed.rmc, poorFixCount);
    benchmark::DoNotOptimize(nocturna::FormatLatitude(result.position.latitude));
    benchmark::DoNotOptimize(nocturna::FormatLongitude(result.position.longitude));
  }
  state.SetLabel(state.range(0) == 0 ? "gpsd" : state.range(0) == 1 ? "NMEA TCP" : "NMEA UDP");
}
BENCHMARK(BM_SourceBurstStep)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
