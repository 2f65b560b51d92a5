#include "sights/watch_log.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace nocturna {
namespace {

constexpr double kDay = 1.0;
constexpr double kSecond = 1.0 / 86400.0;
constexpr DateTime kStart = 46000.0;  // 2025-12-09

// A watch 3 s fast at the start gaining 0.8 s a day, read every half day with +-0.3 s of reading.
std::vector<WatchComparison> GainingWatch(int count) {
  std::vector<WatchComparison> log;
  for (int i = 0; i < count; ++i) {
    const DateTime utc = kStart + 0.5 * kDay * i;
    const double reading = (i % 2 == 0 ? 0.3 : -0.3);
    log.push_back({utc + (3.0 + 0.8 * 0.5 * i + reading) * kSecond, utc});
  }
  return log;
}

TEST(WatchLog, FitsErrorAndRateAndPredictsAhead) {
  const std::vector<WatchComparison> log = GainingWatch(9);
  const WatchErrorFit fit = *FitWatchError(log);
  EXPECT_NEAR(fit.rateSecondsPerDay, 0.8, 0.1);
  const WatchErrorPrediction atLast = PredictWatchError(fit, kStart + 4 * kDay);
  EXPECT_NEAR(atLast.fastSeconds, 3.0 + 3.2, 0.3);
  EXPECT_DOUBLE_EQ(atLast.daysSinceComparison, 0.0);
  // Ten days unchecked: the gain carries on and the doubt grows with it.
  const WatchErrorPrediction later = PredictWatchError(fit, kStart + 14 * kDay);
  EXPECT_NEAR(later.fastSeconds, 3.0 + 0.8 * 14, 1.0);
  EXPECT_NEAR(later.daysSinceComparison, 10.0, 1e-9);
  EXPECT_GT(later.uncertaintySeconds, atLast.uncertaintySeconds + 1.5);
}

TEST(WatchLog, OneComparisonOrAShortSpanLeavesTheRateUnknown) {
  const WatchComparison close[] = {{kStart + 5 * kSecond, kStart}, {kStart + 600 * kSecond + 5.4 * kSecond,
                                                                     kStart + 600 * kSecond}};
  for (std::size_t count : {1u, 2u}) {
    const WatchErrorFit fit = *FitWatchError(std::span(close, count));
    EXPECT_EQ(fit.rateSecondsPerDay, 0.0);
    const WatchErrorPrediction week = PredictWatchError(fit, kStart + 7 * kDay);
    EXPECT_NEAR(week.fastSeconds, count == 1 ? 5.0 : 5.2, 1e-6);
    EXPECT_GT(week.uncertaintySeconds, 7.0 * kUnknownWatchRateSecondsPerDay);
  }
}

TEST(WatchLog, UnusableComparisonsGiveNoFit) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const WatchComparison bad[] = {{nan, kStart}, {kStart, std::numeric_limits<double>::infinity()}};
  EXPECT_FALSE(FitWatchError(bad).has_value());
  EXPECT_FALSE(FitWatchError({}).has_value());
}

}  // namespace
}  // namespace nocturna
