// Importing UT1 - UTC from IERS files: the finals and Bulletin A layouts, the refusals, and the
// precise engine reading the imported table (checked against ERFA's sidereal time at the same UT1).
#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ephemeris/precise/iers_file.h"
#include "ephemeris/precise/precise_time.h"
#include "navigation/almanac_snapshot.h"
#include "navigation/ephemeris_report.h"
#include "sights/polaris_sight.h"
#include "support/iers_excerpts.h"

namespace nocturna {
namespace {

using testing::IersExcerptTable;
using testing::IersExcerptText;
using testing::kBulletinExcerpt;
using testing::kFinalsExcerpt;

TEST(IersFile, ReadsTheFinalsAndBulletinALayouts) {
  const IersFileParse finals = ParseIersFile(IersExcerptText(kFinalsExcerpt));
  ASSERT_EQ(finals.error, "");
  EXPECT_STREQ(finals.table.kind, "IERS finals");
  EXPECT_EQ(finals.table.firstMjd, 57748);
  EXPECT_EQ(finals.table.LastMjd(), 57756);  // the two rows without UT1-UTC end it
  // 2016 December 31 (TAI - UTC 36 s) and 2017 January 1 (37 s): UT1 - TAI runs on smoothly.
  EXPECT_NEAR(*Ut1MinusTaiAt(finals.table, 57753), -0.4077601 - 36, 1e-9);
  EXPECT_NEAR(*Ut1MinusTaiAt(finals.table, 57754), 0.5912821 - 37, 1e-9);
  EXPECT_FALSE(Ut1MinusTaiAt(finals.table, 57756.5));

  const IersFileParse bulletin = ParseIersFile(IersExcerptText(kBulletinExcerpt));
  ASSERT_EQ(bulletin.error, "");
  EXPECT_STREQ(bulletin.table.kind, "Bulletin A");
  EXPECT_EQ(bulletin.table.firstMjd, 60190);
  EXPECT_EQ(bulletin.table.LastMjd(), 60203);
  EXPECT_NEAR(*Ut1MinusTaiAt(bulletin.table, 60196), 0.100901 - 37, 1e-9);  // the last combined value
  EXPECT_NEAR(*Ut1MinusTaiAt(bulletin.table, 60197), 0.10213 - 37, 1e-9);   // the first prediction
}

TEST(IersFile, RefusesADamagedFileWithTheLineAndReason) {
  const std::string finals = IersExcerptText(kFinalsExcerpt);
  const std::string bulletin = IersExcerptText(kBulletinExcerpt);
  const auto edited = [](std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    return at == std::string::npos ? std::string("(not found: ") + from + ")" : text.replace(at, from.size(), to);
  };
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {edited(finals, "161228 57750.00", "161228 57751.00"),
       "line 3: the date 2016-12-28 is MJD 57750, not 57751"},
      {edited(finals, "161229 57751.00                                          I-0.4060885\n", ""),
       "line 4: a gap in the dates: MJD 57752 follows MJD 57750"},
      {edited(finals, "I-0.4052850", "I-0.40x2850"), "line 3: UT1-UTC in columns 59-68 is not a number"},
      {edited(finals, "I-0.4052850", "X-0.4052850"), "line 3: column 58 holds 'X', not the UT1-UTC flag I or P"},
      {edited(finals, "I 0.5901752", "I 0.9501752"), "line 8: UT1-UTC 0.9501752 s is beyond +-0.9 s"},
      {edited(finals, "I-0.4052850", "I-0.3052850"),
       "line 3: UT1-UTC moves by 0.0992 s from the day before, with no leap second between"},
      {edited(finals, "17 1 1 57754.00                                          I", "17 1 1 57754.00"),
       "line 8: a UT1-UTC value after line 7, which has none"},
      {edited(bulletin, "  0.096903 0.000000", "  0.096903"), "line 10: a combined value row has 10 numbers, this line 9"},
      {edited(bulletin, "       2023  9 12  60199", "       2023  9 21  60199"),
       "line 22: the date 2023-09-21 is MJD 60208, not 60199"},
      {"", "no day with a UT1-UTC value: not an IERS Bulletin A or finals file"},
      {"<html>not found</html>\n", "line 1: not a finals row (the date in columns 1-6, the MJD of 0h UTC in columns 8-15)"},
  };
  for (const auto& c : cases) {
    const IersFileParse parse = ParseIersFile(c.text);
    EXPECT_EQ(parse.error, c.error);
    EXPECT_TRUE(parse.table.Empty()) << c.error;
  }
}

TEST(IersFile, ThePreciseEngineReadsTheImportedTableFirst) {
  const auto finals = IersExcerptTable(kFinalsExcerpt);
  // 2017 January 1, 06:00 UTC: a quarter of the way from January 1 to 2 in UT1 - TAI.
  const double expectedDut1 = 0.5912821 + 0.25 * (0.5901752 - 0.5912821);
  const PreciseInstantOutcome outcome = PreciseInstantOf({1, 1, 2017}, ClockTime{6, 0, 0}, std::nullopt, finals.get());
  ASSERT_EQ(outcome.error, nullptr);
  EXPECT_EQ(outcome.dut1Source, Dut1Source::importedTable);
  EXPECT_NEAR(outcome.instant.dut1Seconds, expectedDut1, 1e-9);

  // GHA Aries is ERFA's IAU 2006/2000A sidereal time at UT1 = UTC + that DUT1 (TT from 37 s + 32.184 s).
  BodyCatalog catalog = BuildCatalog();
  const EphemerisChoice imported{EphemerisKind::precise, std::nullopt, finals};
  const double gha = ComputeMomentPositions(catalog, {1, 1, 2017}, ClockTime{6, 0, 0}, DrPosition{0, 0}, imported);
  const double utc = 2457754.5 - 2400000.5 + 0.25;
  const double gast = eraGst06a(2400000.5, utc + expectedDut1 / 86400.0, 2400000.5, utc + 69.184 / 86400.0);
  EXPECT_NEAR(std::remainder(gha - gast * ERFA_DR2D, 360.0) * 3600.0, 0.0, 0.01);  // arcseconds
  // And it moves by 15.04" a second of DUT1 from the hand-given 0.
  const EphemerisChoice zero{EphemerisKind::precise, 0.0, nullptr};
  const double ghaAtZero = ComputeMomentPositions(catalog, {1, 1, 2017}, ClockTime{6, 0, 0}, DrPosition{0, 0}, zero);
  EXPECT_NEAR(std::remainder(gha - ghaAtZero, 360.0) * 3600.0, 15.0411 * expectedDut1, 0.001);
  // A sight's one body and a Polaris sight read the same table.
  const double oneBody = ComputeMomentBody(catalog, {1, 1, 2017}, ClockTime{6, 0, 0}, kSunIndex, imported);
  EXPECT_NEAR(std::remainder(oneBody - gast * ERFA_DR2D, 360.0) * 3600.0, 0.0, 0.01);
  const DateTime moment = EncodeDateTime(2017, 1, 1, 6, 0, 0);
  const double polarisShift = PolarisPlaceAt(moment, imported)->ghaDegrees - PolarisPlaceAt(moment, zero)->ghaDegrees;
  EXPECT_NEAR(std::remainder(polarisShift, 360.0) * 3600.0, 15.0411 * expectedDut1, 0.01);
}

TEST(IersFile, TheReportsStateTheTableAndItsLastDay) {
  const auto bulletin = IersExcerptTable(kBulletinExcerpt);
  const struct {
    CalendarDate date;
    const Dut1Table* table;
    Dut1Source source;
    double dut1;
    std::string text;
  } cases[] = {
      {{9, 14, 2023}, bulletin.get(), Dut1Source::importedTable, 0.10571, "Bulletin A to 2023-09-16"},
      {{10, 1, 2023}, bulletin.get(), Dut1Source::heldAfterTable, 0.10644, "Bulletin A to 2023-09-16, held"},
      {{6, 1, 2022}, bulletin.get(), Dut1Source::iersTable, -0.0956, "bundled IERS to 2023-09-12"},
      {{10, 1, 2023}, nullptr, Dut1Source::heldAfterTable, 0.105, "bundled IERS to 2023-09-12, held"},
  };
  for (const auto& c : cases) {
    const EphemerisReport report =
        ReportEphemeris(EphemerisChoice{EphemerisKind::precise, std::nullopt,
                                        c.table ? bulletin : nullptr},
                        c.date, ClockTime{0, 0, 0});
    EXPECT_EQ(report.dut1Source, c.source) << c.text;
    EXPECT_NEAR(report.dut1Seconds, c.dut1, 0.001) << c.text;
    EXPECT_EQ(Dut1SourceText(report), c.text);
  }
}

}  // namespace
}  // namespace nocturna
