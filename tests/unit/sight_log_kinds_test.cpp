// The log's other kinds reduced through the whole log against independent places: the Sun by
// ERFA's Earth ephemeris and Polaris by ERFA's own chain from its catalogue place, for a ship
// lying still at 30 N 40 W, each row's Hs made from the reference's altitude.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ephemeris/precise/polaris_catalog.h"
#include "foundations/angles.h"
#include "sights/sight_log_reduction.h"
#include "support/erfa_observed.h"
#include "support/erfa_sun.h"

namespace nocturna {
namespace {

constexpr double kHoursPerDay = 24.0;
const DrPosition kShip{30.0, 40.0};
const EphemerisChoice kPrecise{EphemerisKind::precise, 0.0};
const DateTime kMorning = EncodeDateTime(2026, 3, 20, 9, 0, 0, 0);

AltitudeAzimuth ReferenceSun(DateTime utc) {
  const reference::SunPlace sun = reference::ErfaSun(utc);
  return ComputedAltitudeAzimuth(sun.gha, sun.declination, kShip);
}

// The moment in [low, high] where `f` changes sign, to a hundredth of a second.
template <typename F>
DateTime Root(F f, DateTime low, DateTime high) {
  const bool rising = f(low) < 0.0;
  for (int i = 0; i < 40; ++i) {
    const DateTime mid = 0.5 * (low + high);
    ((f(mid) < 0.0) == rising ? low : high) = mid;
  }
  return std::round(0.5 * (low + high) * 86400.0) / 86400.0;
}

SightRecord Row(SightKind kind, const char* body, DateTime utc, double hs) {
  SightRecord row;
  row.kind = kind;
  row.body = body;
  row.utc = utc;
  row.hsDegrees = hs;
  return row;
}

// Hs of the Sun's centre or a star for a true altitude, eye at the sea.
double SextantFor(double ho, double horizontalParallaxMinutes) {
  return *SextantAltitudeFor(ho, SightConditions{}, BodyDisc{Limb::centre, 16.0, horizontalParallaxMinutes, false});
}

double StepOf(const RowReduction& row, const char* key) {
  const RowStep* step = row.Step(key);
  return step ? step->value : std::nan("");
}

TEST(SightLogKinds, NoonPolarisAndCompassRowsAgreeWithTheReferences) {
  const DateTime noon = Root([](DateTime t) { return std::remainder(reference::ErfaSun(t).gha - kShip.longitude, 360.0); },
                             kMorning, kMorning + 6.0 / kHoursPerDay);
  const DateTime evening = EncodeDateTime(2026, 3, 20, 23, 0, 0, 0);
  const AltitudeAzimuth polaris = reference::ErfaObservedStar(kPolarisCatalogRow, evening, kShip);
  const DateTime setting = Root([](DateTime t) { return ReferenceSun(t).hcDegrees; }, noon, noon + 10.0 / kHoursPerDay);
  const double morningZn = ReferenceSun(kMorning).znDegrees, settingZn = ReferenceSun(setting).znDegrees;
  std::vector<SightRecord> log = {
      Row(SightKind::noon, "Sun", noon, SextantFor(ReferenceSun(noon).hcDegrees, 0.147)),
      Row(SightKind::polaris, "Polaris", evening, SextantFor(polaris.hcDegrees, 0.0)),
      Row(SightKind::azimuth, "Sun", kMorning, 0.0),
      Row(SightKind::amplitude, "Sun", setting, 0.0),
      Row(SightKind::azimuth, "Polaris", evening, 0.0),
      Row(SightKind::identify, "?", kMorning, SextantFor(ReferenceSun(kMorning).hcDegrees + 0.3, 0.147)),
      Row(SightKind::identify, "?", evening, SextantFor(polaris.hcDegrees - 0.3, 0.0)),
  };
  log[2].bearingDegrees = morningZn - 3.0;  // the compass reads 3 deg low: 3 E
  log[2].variationDegrees = -5.0;           // 5 W: deviation 8 E
  log[3].bearingDegrees = settingZn + 2.0;  // 2 W
  log[3].limb = Limb::lower;                // the centre on the celestial horizon
  log[4].bearingDegrees = polaris.znDegrees + 1.0;
  log[5].bearingDegrees = morningZn + 4.0;  // the morning Sun, 0.3 deg high and 4 deg off in bearing
  log[6].bearingDegrees = polaris.znDegrees - 4.0;
  for (int k : {-3, -2, -1, 1, 2, 3}) {  // with the first, a run every four minutes around noon
    const DateTime at = noon + 4.0 * k / 1440.0;
    log.push_back(Row(SightKind::noon, "Sun", at, SextantFor(ReferenceSun(at).hcDegrees, 0.147)));
  }
  const SightLogReduction reduced = ReduceSightLog(log, DeadReckoning{kShip, noon, 0.0, 0.0}, noon, kPrecise);
  for (const RowReduction& row : reduced.rows) EXPECT_EQ(row.note, "") << SightKindName(row.kind);
  EXPECT_NEAR(60.0 * (StepOf(reduced.rows[0], "latitude") - kShip.latitude), 0.0, 0.1);
  EXPECT_NEAR(60.0 * (StepOf(reduced.rows[1], "latitude") - kShip.latitude), 0.0, 0.1);
  EXPECT_NEAR(60.0 * (StepOf(reduced.rows[1], "tablesLatitude") - kShip.latitude), 0.0, 0.5);
  EXPECT_NEAR(StepOf(reduced.rows[1], "azimuth"), polaris.znDegrees, 0.1);
  EXPECT_NEAR(StepOf(reduced.rows[2], "compassError"), 3.0, 0.1);
  EXPECT_NEAR(StepOf(reduced.rows[2], "deviation"), 8.0, 0.1);
  EXPECT_NEAR(StepOf(reduced.rows[3], "compassError"), -2.0, 0.1);
  EXPECT_NEAR(StepOf(reduced.rows[4], "compassError"), -1.0, 0.1);
  EXPECT_EQ(reduced.rows[5].result, "The body was Sun.");
  EXPECT_EQ(reduced.rows[6].result, "The body was Polaris.");
  EXPECT_EQ(reduced.rows[5].namedBodies, std::vector<int>{kSunIndex});
  ASSERT_EQ(reduced.noonRuns.size(), 1u);
  EXPECT_EQ(reduced.noonRuns[0].rows.size(), 7u);
  const RowReduction& run = reduced.noonRunSteps[0];
  EXPECT_NEAR((StepOf(run, "noonUtc") - noon) * 86400.0, 0.0, 30.0);
  EXPECT_NEAR(60.0 * (StepOf(run, "latitude") - kShip.latitude), 0.0, 0.1);
  EXPECT_NEAR(60.0 * (StepOf(run, "longitudeWest") - kShip.longitude), 0.0, 7.5);
  // The run's maximum and Polaris are lines of position too; the compass checks are not.
  EXPECT_EQ(reduced.lines.size(), 2u);
}

// Azimuths of the Sun on eight headings with a known deviation give the card back: coefficients
// to 0.1 deg (synthetic checks, the Sun placed by ERFA).
TEST(SightLogKinds, ChecksOnEightHeadingsGiveTheDeviationCard) {
  const double a = 1.0, b = 3.0, c = -2.0, d = 0.5, e = -0.4;
  std::vector<SightRecord> log;
  for (int k = 0; k < 8; ++k) {
    const double heading = 45.0 * k, h = heading * kDegreesToRadians;
    const DateTime at = kMorning + 3.0 * k / 1440.0;
    const double deviation = a + b * std::sin(h) + c * std::cos(h) + d * std::sin(2 * h) + e * std::cos(2 * h);
    log.push_back(Row(SightKind::azimuth, "Sun", at, 0.0));
    log.back().headingDegrees = heading;
    log.back().variationDegrees = 4.0;
    log.back().bearingDegrees = ReferenceSun(at).znDegrees - 4.0 - deviation;
  }
  const SightLogReduction reduced = ReduceSightLog(log, DeadReckoning{kShip, kMorning, 0.0, 0.0}, kMorning, kPrecise);
  ASSERT_TRUE(reduced.deviationCard.has_value());
  const DeviationCard& card = reduced.deviationCard->card;
  ASSERT_EQ(card.refusal, nullptr);
  const double fitted[] = {card.a, card.b, card.c, card.d, card.e}, truth[] = {a, b, c, d, e};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(fitted[i], truth[i], 0.1) << i;
  log.resize(4);  // headings 0 to 135 only
  EXPECT_NE(ReduceSightLog(log, DeadReckoning{kShip, kMorning, 0.0, 0.0}, kMorning, kPrecise).deviationCard->card.refusal,
            nullptr);
}

// A run of the morning Sun judged against its own curve: the shots made from ERFA's altitudes
// scatter by nothing and leave no slope however the altitude bends, a shot 3' off is named;
// the observers' biases come from the fix's residuals.
TEST(SightLogKinds, ARunIsJudgedAgainstTheBodysOwnCurve) {
  std::vector<SightRecord> log;
  for (int k = 0; k < 7; ++k) {
    const DateTime at = kMorning + 1.5 * k / 1440.0;
    log.push_back(Row(SightKind::altitude, "Sun", at, SextantFor(ReferenceSun(at).hcDegrees + (k == 4 ? 0.05 : 0.0), 0.147)));
  }
  const SightLogReduction reduced = ReduceSightLog(log, DeadReckoning{kShip, kMorning, 0.0, 0.0}, kMorning, kPrecise);
  ASSERT_EQ(reduced.runs.size(), 1u);
  const RunAnalysis& run = reduced.runs[0];
  EXPECT_LT(run.scatterMinutes, 0.05);
  EXPECT_NEAR(run.slopeMinutesPerMinute, 0.0, 0.01);
  EXPECT_EQ(run.outliers, std::vector<std::size_t>{4});

  std::vector<SightRecord> observed(5);
  std::vector<ShotAverage> groups(5);
  for (std::size_t g = 0; g < 5; ++g) {
    observed[g].observer = g < 3 ? "Ann" : "Bo";
    groups[g].shots = {g};
  }
  const std::vector<ObserverBias> biases = ObserverBiases(observed, groups, {0, 1, 2, 3, 4}, {1.0, 1.2, 0.8, -0.5, 0.5});
  ASSERT_EQ(biases.size(), 1u);  // Bo has too few lines to say
  EXPECT_EQ(biases[0].observer, "Ann");
  EXPECT_NEAR(biases[0].biasMinutes, 1.0, 1e-12);
  EXPECT_NEAR(biases[0].uncertaintyMinutes, 0.2 / std::sqrt(3.0), 1e-12);
}

// What each kind cannot reduce is named in its note and gives no number.
TEST(SightLogKinds, RowsThatCannotGiveTheirResultSayWhy) {
  const DateTime evening = EncodeDateTime(2026, 3, 20, 23, 0, 0, 0);
  std::vector<SightRecord> log = {
      Row(SightKind::noon, "Sun", kMorning, SextantFor(ReferenceSun(kMorning).hcDegrees, 0.147)),
      Row(SightKind::polaris, "Polaris", evening, 8.0),
      Row(SightKind::azimuth, "Sun", kMorning, 0.0),
      Row(SightKind::amplitude, "Sun", kMorning, 0.0),
      Row(SightKind::amplitude, "Vega", evening, 0.0),
  };
  log[3].bearingDegrees = log[4].bearingDegrees = 90.0;
  const SightLogReduction reduced = ReduceSightLog(log, DeadReckoning{kShip, kMorning, 0.0, 0.0}, kMorning, kPrecise);
  const char* said[] = {"too far from meridian passage", "between 10 and 70 degrees", "needs the body's bearing",
                        "too far from the horizon", "of the Sun or the Moon"};
  for (std::size_t i = 0; i < log.size(); ++i) {
    EXPECT_NE(reduced.notes[i].find(said[i]), std::string::npos) << i << ": " << reduced.notes[i];
    EXPECT_EQ(reduced.rows[i].result, "") << i;
    EXPECT_EQ(reduced.rows[i].Step("latitude"), nullptr);
    EXPECT_EQ(reduced.rows[i].Step("compassError"), nullptr);
  }
}

}  // namespace
}  // namespace nocturna
