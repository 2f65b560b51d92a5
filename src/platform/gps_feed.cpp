#include "platform/gps_feed.h"

#include <cmath>

namespace nocturna {

bool GpsFeed::ParseRmc() {
  const bool burstEnded = burstLength_ < sentenceBuffer.size();
  return burstReader_.Scan(sentenceBuffer.data(), burstLength_, burstEnded, rmc) == BurstRmc::Parsed;
}

std::optional<DateTime> GpsFeed::GpsTimeOfDay() const {
  const double x = rmc.utcTime;
  const double h = std::trunc(x * 0.0001);
  const double m = std::trunc((x - 10000.0 * h) * 0.01);
  const double s = std::trunc(x - 10000.0 * h - 100.0 * m);
  if (!(h >= 0.0 && h < 24.0 && m >= 0.0 && m < 60.0 && s >= 0.0 && s < 60.0)) return std::nullopt;
  return (3600.0 * h + 60.0 * m + s) / 86400.0;
}

}  // namespace nocturna
