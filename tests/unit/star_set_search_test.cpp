// The set search against an independent reckoning: (AᵀA)⁻¹ by cofactors over every set.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "starfinder/lop_geometry.h"
#include "starfinder/set_search.h"
#include "unit/star_set_reference.h"

namespace nocturna {
namespace {

TEST(LopGeometry, HorizontalDopOfKnownGeometries) {
  const double kInfinite = std::numeric_limits<double>::infinity();
  struct Case {
    std::vector<double> azimuths;
    double hdop;
  };
  const Case cases[] = {
      {{0, 120, 240}, 2 / std::sqrt(3.0)},   // the best three can do
      {{45, 165, 285}, 2 / std::sqrt(3.0)},  // turning the set changes nothing
      {{0, 90, 180, 270}, 1.0},              // 2/sqrt(n) for a spread set
      {{10, 10, 130}, kInfinite},            // two lines alike and the common error: no fix
      {{0, 180}, kInfinite},                 // two bodies cannot fix with a common error
      {{0, 180, 90}, std::sqrt(2.0)},        // three in half the sky still fix, less well
  };
  for (const Case& c : cases) {
    LopSums sums;
    for (double zn : c.azimuths) sums.Add(zn);
    const double hdop = HorizontalDop(sums);
    EXPECT_TRUE(std::isinf(c.hdop) ? std::isinf(hdop) : std::fabs(hdop - c.hdop) < 1e-9)
        << "azimuths " << c.azimuths[0] << "...: " << hdop << " for " << c.hdop;
  }
}

TEST(LopGeometry, AgreesWithTheFullInverseOnRandomSets) {
  std::mt19937 random(16);
  std::uniform_real_distribution<double> azimuth(0, 360);
  for (int trial = 0; trial < 200; ++trial) {
    std::vector<SetCandidate> set(3 + trial % 4);
    LopSums sums;
    for (SetCandidate& body : set) sums.Add(body.azimuth = azimuth(random));
    EXPECT_NEAR(HorizontalDop(sums), ReferenceHdop(set), 1e-7 * ReferenceHdop(set));
  }
}

TEST(StarSetSearch, ChoosesTheBestSetOfEverySize) {
  std::mt19937 random(57);
  std::uniform_real_distribution<double> azimuth(0, 360);
  std::uniform_real_distribution<double> magnitude(-1.5, 2.5);
  for (int trial = 0; trial < 20; ++trial) {
    std::vector<SetCandidate> candidates(8 + trial % 10);
    for (SetCandidate& body : candidates) body = {azimuth(random), magnitude(random)};
    for (int size = kMinSetSize; size <= kMaxSetSize; ++size) {
      const ChosenSet chosen = ChooseBestSet(candidates, size);
      ASSERT_EQ(chosen.size, size);
      EXPECT_EQ(chosen.method, SetSearchMethod::exhaustive);  // few enough sets to score all
      EXPECT_NEAR(chosen.hdop, ReferenceBestHdop(candidates, size), 1e-9)
          << candidates.size() << " candidates, set of " << size;
    }
  }
}

TEST(StarSetSearch, GreedyPlusSwapStaysWithinHalfAPercentOfTheBestWhereSetsAreTooMany) {
  std::mt19937 random(61);
  std::uniform_real_distribution<double> azimuth(0, 360);
  for (int trial = 0; trial < 6; ++trial) {
    std::vector<SetCandidate> candidates(30);
    for (SetCandidate& body : candidates) body = {azimuth(random), 1.0};
    for (int size : {5, 6}) {
      const ChosenSet chosen = ChooseBestSet(candidates, size);
      ASSERT_EQ(chosen.method, SetSearchMethod::greedyPlusSwap);
      const double best = ChooseBestSetExhaustively(candidates, size).hdop;
      EXPECT_LE(chosen.hdop, best * 1.005) << "trial " << trial << ", set of " << size;
    }
  }
}

TEST(StarSetSearch, EqualGeometryGoesToTheBrighterSetAndTooFewGiveNone) {
  const std::vector<SetCandidate> candidates = {{0, 2.0},  {120, 2.0}, {240, 2.0},
                                                {60, 0.5}, {180, 0.5}, {300, 0.5}};
  const ChosenSet chosen = ChooseBestSet(candidates, 3);
  ASSERT_EQ(chosen.size, 3);
  EXPECT_EQ((std::vector<int>(chosen.members.begin(), chosen.members.begin() + 3)),
            (std::vector<int>{3, 4, 5}));
  EXPECT_DOUBLE_EQ(chosen.magnitudeSum, 1.5);
  EXPECT_EQ(
      ChooseBestSet(std::vector<SetCandidate>(candidates.begin(), candidates.begin() + 2), 3).size,
      0);
  EXPECT_EQ(ChooseBestSet(std::vector<SetCandidate>{{10, 1}, {10, 1}, {10, 1}}, 3).size, 0);
}

}  // namespace
}  // namespace nocturna
