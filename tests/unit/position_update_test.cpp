#include "navigation/position_update.h"

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "navigation/almanac_snapshot.h"
#include "navigation/body_catalog.h"
#include "navigation/precise_position_update.h"
#include "navigation/sight_reduction.h"

// Counts every allocation of the test program, so that one repaint's computation can be
// checked to allocate nothing. The replacement forwards to malloc and free.
namespace {
std::atomic<long> allocationCount{0};
}  // namespace

void* operator new(std::size_t size) {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
// The no-throw forms too, so that every allocation pairs with the free below (std::stable_sort
// takes its buffer with one; under AddressSanitizer an unreplaced one is its own allocator's).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace nocturna {
namespace {

TEST(PositionUpdate, EntriesCarryTheEphemerisResults) {
  BodyCatalog catalog = BuildCatalog();
  const CalendarDate date{3, 14, 2021};
  const ClockTime time{19, 47, 12};
  const double ghaAries = ComputePositions(catalog, date, time);
  EXPECT_EQ(ghaAries, catalog.gha[kAriesIndex]);
  EXPECT_STREQ(catalog.entries[kAriesIndex].name, "~Aries");

  const char* planetNames[] = {"Venus", "Mars", "Jupiter", "Saturn"};
  for (int i = 0; i < 4; ++i) {
    const CelestialBody& entry = catalog.entries[kVenusIndex + i];
    const BodyEphemeris& record = catalog.sunPlanetRecords[kVenusRecord + i];
    EXPECT_STREQ(entry.name, planetNames[i]);
    EXPECT_EQ(entry.displayCode, 119);
    EXPECT_EQ(entry.magnitude, record.magnitude);
    EXPECT_EQ(entry.sha, record.sha);
    EXPECT_EQ(entry.declination, record.declination);
  }
  // Magnitude 6 - semi-diameter in minutes of arc: the Sun's 15.7' to 16.3', the Moon's
  // 14.7' to 16.8'.
  const struct {
    int index;
    const char* name;
    const BodyEphemeris& record;
    double faintest, brightest;
  } discs[] = {{kSunIndex, "Sun", catalog.sunPlanetRecords[kSunRecord], -9.7, -10.3},
               {kMoonIndex, "Moon", catalog.moonRecord, -8.7, -10.8}};
  for (const auto& disc : discs) {
    const CelestialBody& entry = catalog.entries[disc.index];
    EXPECT_STREQ(entry.name, disc.name);
    EXPECT_EQ(entry.displayCode, 121);
    EXPECT_LE(entry.magnitude, disc.faintest) << disc.name;
    EXPECT_GE(entry.magnitude, disc.brightest) << disc.name;
    EXPECT_EQ(entry.sha, disc.record.sha);
    EXPECT_EQ(entry.declination, disc.record.declination);
  }
  EXPECT_NEAR(catalog.entries[kMoonIndex].magnitude, 6.0 - 60.0 * catalog.moonRecord.semiDiameter,
              1e-12);

  // Every body's GHA is its SHA plus GHA Aries, in [0, 360).
  for (int k = 0; k < kBodyCount; ++k) {
    const double expected = std::fmod(catalog.entries[k].sha + ghaAries + 720.0, 360.0);
    EXPECT_NEAR(std::remainder(catalog.gha[k] - expected, 360.0), 0.0, 1e-9) << k;
    EXPECT_GE(catalog.gha[k], 0.0);
    EXPECT_LT(catalog.gha[k], 360.0);
  }
}

TEST(PositionUpdate, SunDiscFollowsTheEarthDistance) {
  // Earth at perihelion (2024 January 3, R = 0.98331 AU) and aphelion (2024 July 5,
  // R = 1.01673 AU): semi-diameter 15.9938' / R.
  const struct {
    CalendarDate date;
    double semiDiameter;  // minutes of arc
  } cases[] = {{{1, 3, 2024}, 16.265}, {{7, 5, 2024}, 15.731}};
  for (const auto& c : cases) {
    BodyCatalog catalog = BuildCatalog();
    ComputePositions(catalog, c.date, ClockTime{0, 0, 0});
    EXPECT_NEAR(6.0 - catalog.entries[kSunIndex].magnitude, c.semiDiameter, 0.003)
        << "month " << c.date.month;
    EXPECT_EQ(SunSemiDiameterMinutes(catalog.sunPlanetRecords[kSunRecord].radiusVector),
              6.0 - catalog.entries[kSunIndex].magnitude);
  }
}

TEST(PositionUpdate, RepaintComputationAllocatesNothing) {
  BodyCatalog catalog = BuildCatalog();
  ComputePositions(catalog, CalendarDate{11, 2, 2030}, ClockTime{5, 6, 7});
  const long before = allocationCount.load();
  ComputePositions(catalog, CalendarDate{11, 2, 2030}, ClockTime{5, 6, 8});
  ReduceSights(catalog, 42.0, 75.0);
  EXPECT_EQ(allocationCount.load() - before, 0);
}

TEST(PositionUpdate, PreciseComputationAllocatesNothing) {
  BodyCatalog catalog = BuildCatalog();
  const PreciseInstant first{2462808.5, 0.2132, 2462808.5, 0.2140, 0.0, 69.184};
  ComputePrecisePositions(catalog, first);
  const long before = allocationCount.load();
  ComputePrecisePositions(catalog, PreciseInstant{2462808.5, 0.2133, 2462808.5, 0.2141, 0.0, 69.184});
  ReduceSights(catalog, 42.0, 75.0);
  EXPECT_EQ(allocationCount.load() - before, 0);
}

}  // namespace
}  // namespace nocturna

namespace nocturna {
namespace {

TEST(PositionUpdate, PreciseMomentAndDailyRunAllocateNothing) {
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  const EphemerisChoice precise{EphemerisKind::precise, 0.1};
  ComputeMomentPositions(catalog, CalendarDate{11, 2, 2030}, ClockTime{5, 6, 7}, DrPosition{42, 75}, precise);
  const long before = allocationCount.load();
  ComputeMomentPositions(catalog, CalendarDate{11, 2, 2030}, ClockTime{5, 6, 8}, DrPosition{42, 75}, precise);
  RunDailyEphemeris(events, CalendarDate{11, 2, 2030}, DrPosition{42, 75}, precise);
  EXPECT_EQ(allocationCount.load() - before, 0);
}

}  // namespace
}  // namespace nocturna
