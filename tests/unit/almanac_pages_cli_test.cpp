// nocturna-almanac --almanac-pages: the text, JSON and PDF of a passage, and the arguments
// refused with their messages.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef NOCTURNA_HAVE_QPDF
#include <qpdf/qpdf-c.h>
#endif

#include "support/iers_excerpts.h"
#include "support/json_report.h"
#include "support/program_run.h"

namespace {

using nocturna::testing::ReadFile;

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class AlmanacPagesCliTest : public ::testing::Test {
 protected:
  std::string Scratch(const std::string& name) const { return nocturna::testing::ScratchPath(name); }

  // Runs the almanac (arguments single-quoted, no quotes inside); keeps stdout and stderr.
  int Run(const std::vector<std::string>& args) {
    const nocturna::testing::ProgramRun run = nocturna::testing::RunAlmanac(args);
    out = run.out;
    err = run.err;
    return run.exitCode;
  }

  std::string out;
  std::string err;
};

TEST_F(AlmanacPagesCliTest, TextAndJsonHoldTheSameOpenings) {
  ASSERT_EQ(Run({"--almanac-pages", "--from", "2026-12-30", "--days", "4"}), 0) << err;
  EXPECT_EQ(Count(out, "\f"), 4) << "a title page and two pages for each of two openings";
  EXPECT_NE(out.find("2026 DECEMBER 30, 31, 2027 JANUARY 1 (WED., THU., FRI.)"), std::string::npos);
  EXPECT_NE(out.find("30 December 2026 to 2 January 2027"), std::string::npos);
  EXPECT_NE(out.find("Sirius"), std::string::npos);

  ASSERT_EQ(Run({"--almanac-pages", "--from=2026-12-30", "--days=4", "--json"}), 0) << err;
  nocturna::testing::JsonDocument json = nocturna::testing::ReadJsonReport(out);
  EXPECT_EQ(json["from"], "2026-12-30");
  EXPECT_EQ(json["days"], 4);
  EXPECT_EQ(json["ephemeris"]["asked"], "precise");
  EXPECT_EQ(json["ephemeris"]["kind"], "precise");
  EXPECT_TRUE(json["ephemeris"]["deltaTSeconds"].is_number());
  nocturna::testing::JsonDocument& openings = json["openings"];
  ASSERT_EQ(openings.size(), 2u);
  for (nocturna::testing::JsonDocument& opening : openings) {
    EXPECT_TRUE(opening["ariesMeridianPassageTenthsOfMinute"].is_number_integer());
    EXPECT_EQ(opening["hours"].size(), 72u);
    ASSERT_EQ(opening["events"].size(), 4u);
    for (nocturna::testing::JsonDocument& day : opening["events"]) EXPECT_EQ(day["latitudes"].size(), 31u);
  }
  // GHA Aries at 2026-12-30 0h UT from the mean sidereal time (Meeus, Astronomical Algorithms,
  // 12.4): 98.45085 deg; the apparent value differs by the equation of the equinoxes, under 0.3'.
  nocturna::testing::JsonDocument& first = openings[0]["hours"][0];
  EXPECT_EQ(first["date"], "2026-12-30");
  EXPECT_NEAR(first["ghaAriesTenthsOfArcMinute"].get<double>(), 98.45085 * 600, 3);
}

#ifdef NOCTURNA_HAVE_QPDF
// The outline as "title@page" (pages from 1), a month indented under its section.
std::vector<std::string> Bookmarks(const std::string& file) {
  qpdf_data pdf = qpdf_init();
  std::vector<std::string> bookmarks;
  if ((qpdf_read_memory(pdf, "pages", file.data(), file.size(), nullptr) & QPDF_ERRORS) == 0) {
    const auto pageOf = [pdf](qpdf_oh item) {
      const int id = qpdf_oh_get_object_id(pdf, qpdf_oh_get_array_item(pdf, qpdf_oh_get_key(pdf, item, "/Dest"), 0));
      for (int i = 0; i < qpdf_get_num_pages(pdf); ++i) {
        if (qpdf_oh_get_object_id(pdf, qpdf_get_page_n(pdf, i)) == id) return std::to_string(i + 1);
      }
      return std::string("?");
    };
    const auto walk = [&](qpdf_oh parent, const std::string& indent, const auto& self) -> void {
      for (qpdf_oh item = qpdf_oh_get_key(pdf, parent, "/First"); !qpdf_oh_is_null(pdf, item);
           item = qpdf_oh_get_key(pdf, item, "/Next")) {
        bookmarks.push_back(indent + qpdf_oh_get_utf8_value(pdf, qpdf_oh_get_key(pdf, item, "/Title")) + "@" + pageOf(item));
        self(item, indent + "  ", self);
      }
    };
    walk(qpdf_oh_get_key(pdf, qpdf_get_root(pdf), "/Outlines"), "", walk);
  }
  qpdf_cleanup(&pdf);
  return bookmarks;
}
#endif

TEST_F(AlmanacPagesCliTest, PdfHasATitlePageTwoPagesAnOpeningAndBookmarks) {
  const std::string pdf = Scratch("pages.pdf");
  const int status = Run({"--almanac-pages", "--from", "2026-06-26", "--days", "7", "--sections", "daily,polaris",
                          "--pdf", pdf});
  if (err.find("window library") != std::string::npos) GTEST_SKIP() << err;
  ASSERT_EQ(status, 0) << err;
  EXPECT_TRUE(out.empty());
  const std::string file = ReadFile(pdf);
  std::remove(pdf.c_str());
#ifdef NOCTURNA_HAVE_QPDF
  EXPECT_EQ(Bookmarks(file), (std::vector<std::string>{"Daily pages@3", "  June 2026@3", "  July 2026@7",
                                                        "Polaris tables@9"}))
      << "title, index, three openings from 26 June, then Polaris";
#endif
  EXPECT_EQ(file.rfind("%PDF", 0), 0u);
  EXPECT_EQ(Count(file, "/Type /Page\n") + Count(file, "/Type /Page\r") + Count(file, "/Type /Page>>") +
                Count(file, "/Type /Page /") + Count(file, "/Type /Page >>"),
            1 + 1 + 2 * 3 + 3);
  EXPECT_TRUE(ReadFile(pdf + ".partial").empty()) << "the partial file is renamed or removed";
}

TEST_F(AlmanacPagesCliTest, SectionsAddTheTablesWithAnIndex) {
  ASSERT_EQ(Run({"--almanac-pages", "--from", "2026-12-30", "--days", "1", "--sections", "polaris,increments"}), 0) << err;
  EXPECT_EQ(out.rfind("                                NOCTURNA ALMANAC BOOKLET: INDEX", 0), 0u) << out.substr(0, 200);
  EXPECT_EQ(Count(out, "\f"), 30 + 3) << "the index, 30 pages of increments, 3 of Polaris";
  EXPECT_NE(out.find("POLARIS (POLE STAR) TABLES 2026"), std::string::npos);
  ASSERT_EQ(Run({"--almanac-pages", "--from", "2026-12-30", "--days", "1", "--sections", "altitude", "--json"}), 0) << err;
  EXPECT_NE(out.find("\"sections\":[\"altitude\"],\"tables\":[{\"name\":\"sun october-march\",\"columns\":["
                     "{\"name\":\"from_apparent_altitude\",\"unit\":\"arcmin\"},"
                     "{\"name\":\"lower_limb\",\"unit\":\"0.1 arcmin\"}"),
            std::string::npos) << out.substr(0, 400);
  EXPECT_EQ(Count(out, "\"name\":\"moon\""), 1);
  // A day's lunar distances: the JSON's whole tenths are the page's figures.
  ASSERT_EQ(Run({"--almanac-pages", "--from", "2026-12-30", "--days", "1", "--sections", "lunar", "--json"}), 0) << err;
  nocturna::testing::JsonDocument json = nocturna::testing::ReadJsonReport(out);
  const auto& lunar = json["tables"][0];
  EXPECT_EQ(lunar["name"], "lunar distances 2026-12-30");
  EXPECT_EQ(lunar["columns"][1]["name"], "Sun");
  const long sunAt21h = lunar["rows"][7][1].get<long>();
  char printed[32];
  std::snprintf(printed, sizeof printed, "%ld %02ld.%ld", sunAt21h / 600, sunAt21h % 600 / 10, sunAt21h % 10);
  ASSERT_EQ(Run({"--almanac-pages", "--from", "2026-12-30", "--days", "1", "--sections", "lunar"}), 0) << err;
  const std::size_t sunRow = out.find("Sun ");
  ASSERT_NE(sunRow, std::string::npos);
  EXPECT_NE(out.substr(sunRow, out.find('\n', sunRow) - sunRow).find(printed), std::string::npos) << printed;
}

TEST_F(AlmanacPagesCliTest, EveryPageStatesTheDut1GivenOrImported) {
  const std::string bulletin = nocturna::testing::IersExcerptPath(nocturna::testing::kBulletinExcerpt);
  ASSERT_EQ(Run({"--almanac-pages", "--from", "2023-09-14", "--days", "3", "--iers", bulletin}), 0) << err;
  // The title page's statement and DUT1 line, and the foot of both pages.
  EXPECT_EQ(Count(out, "DUT1 +0.11 s (Bulletin A to 2023-09-16)"), 3) << out.substr(0, 800);
  EXPECT_EQ(Count(out, "DUT1 (UT1 - UTC):   +0.11 s (Bulletin A to 2023-09-16)"), 1);

  ASSERT_EQ(Run({"--almanac-pages", "--from", "2023-09-14", "--days", "3", "--dut1", "-0.4", "--json"}), 0) << err;
  nocturna::testing::JsonDocument given = nocturna::testing::ReadJsonReport(out);
  EXPECT_EQ(given["ephemeris"]["dut1Seconds"], -0.4);
  EXPECT_EQ(given["ephemeris"]["dut1Table"], nullptr);
  ASSERT_EQ(Run({"--almanac-pages", "--from", "2023-09-14", "--days", "3", "--json"}), 0) << err;
  nocturna::testing::JsonDocument bundled = nocturna::testing::ReadJsonReport(out);
  EXPECT_EQ(bundled["ephemeris"]["dut1Table"], "bundled IERS");
  EXPECT_EQ(bundled["ephemeris"]["dut1TableLastDay"], "2023-09-12");
  // 0.505 s less UT1 (from the held +0.105 s) is 7.6" less GHA Aries: 1.3 tenths of a minute.
  const double lessAries = bundled["openings"][0]["hours"][0]["ghaAriesTenthsOfArcMinute"].get<double>() -
                           given["openings"][0]["hours"][0]["ghaAriesTenthsOfArcMinute"].get<double>();
  EXPECT_GE(lessAries, 1);
  EXPECT_LE(lessAries, 2);
}

TEST_F(AlmanacPagesCliTest, BadPassagesAreRefusedByName) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--almanac-pages", "--days", "0"}, "--days '0': expected a whole number of days from 1 to 366"},
      {{"--almanac-pages", "--days", "367"}, "--days '367': expected a whole number of days from 1 to 366"},
      {{"--almanac-pages", "--days", "1e3"}, "--days '1e3'"},
      {{"--almanac-pages", "--days", "99999999999999999999"}, "--days '99999999999999999999'"},
      {{"--almanac-pages", "--from", "2026-02-30"}, "--from '2026-02-30': expected the first Greenwich date"},
      {{"--almanac-pages", "--from", "2099-12-30", "--days", "3"}, "the passage must lie in the years 1901 to 2099"},
      {{"--from", "2026-12-10"}, "give --almanac-pages"},
      {{"--almanac-pages", "--date", "2026-12-10"}, "not a moment"},
      {{"--almanac-pages", "--chart", "x.png"}, "does not go with the chart's, the tables' or the star finder's options"},
      {{"--almanac-pages", "--json", "--pdf", "x.pdf"}, "does not go with --chart or --pdf"},
      {{"--almanac-pages", "--sections", "daily,tides"}, "--sections 'daily,tides': unknown section 'tides'"},
      {{"--sections", "all"}, "give --almanac-pages"},
      {{"--almanac-pages", "--iers", "/nonexistent/finals.all"}, "--iers: cannot open /nonexistent/finals.all"},
      {{"--almanac-pages", "--dut1", "0.1", "--iers", nocturna::testing::IersExcerptPath(nocturna::testing::kFinalsExcerpt)},
       "give UT1 - UTC either with --dut1 or from --iers, not both"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.args), 2) << c.message;
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_TRUE(out.empty()) << c.message;
  }
}

}  // namespace
