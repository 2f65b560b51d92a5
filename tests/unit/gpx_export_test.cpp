// The sights as GPX: written by --reduce --gpx through the atomic writer, and read back by
// gpsbabel (Debian gpsbabel), an independent GPX reader, with the same coordinates.
#include "platform/gpx_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"
#include "support/program_run.h"

namespace nocturna {
namespace {

const std::string kEveningStars = std::string(NOCTURNA_TEST_DATA_DIR) + "/sights/evening_stars.csv";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

struct GpxPoint {
  std::string tag;  // wpt, rtept or trkpt
  double latitude = 0.0;
  double longitude = 0.0;  // east positive
};

// Every point of a GPX text with its coordinates, in order.
std::vector<GpxPoint> PointsOf(const std::string& gpx) {
  std::vector<GpxPoint> points;
  const std::regex point(R"re(<(wpt|rtept|trkpt) lat="([-0-9.]+)" lon="([-0-9.]+)")re");
  for (auto it = std::sregex_iterator(gpx.begin(), gpx.end(), point); it != std::sregex_iterator(); ++it) {
    points.push_back({(*it)[1], std::stod((*it)[2]), std::stod((*it)[3])});
  }
  return points;
}

// The file as gpsbabel reads it, written back out by gpsbabel.
std::string ThroughGpsbabel(const std::string& gpx) {
  const std::string out = gpx + ".gpsbabel.gpx";
  const testing::ProgramRun run =
      testing::RunCommand("gpsbabel -w -r -t -i gpx -f '" + gpx + "' -o gpx,gpxver=1.1 -F '" + out + "' 2>&1");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  const std::string text = ReadAll(out);
  std::remove(out.c_str());
  return text;
}

TEST(GpxExport, TheFixTheLinesAndTheDrReadBackWithTheirCoordinates) {
  if (::access("/usr/bin/gpsbabel", X_OK) != 0) GTEST_SKIP() << "gpsbabel is not installed (Debian gpsbabel)";
  const SightLogParse parse = ParseSightLog(ReadAll(kEveningStars));
  ASSERT_FALSE(parse.sights.empty());
  DateTime drTime = parse.sights.front().utc;
  for (const SightRecord& sight : parse.sights) drTime = std::max(drTime, sight.utc);
  const DrPosition dr{39.0 + 10.0 / 60.0, 23.5};  // 39°10.0'N 023°30.0'W
  const SightLogReduction reduction = ReduceSightLog(parse.sights, dr, drTime, {}, {});
  ASSERT_TRUE(reduction.fix.found);

  char folder[] = "/tmp/nocturna-gpx-XXXXXX";
  ASSERT_NE(::mkdtemp(folder), nullptr);
  const std::string path = std::string(folder) + "/sights.gpx";
  const testing::ProgramRun run = testing::RunCommand(std::string(NOCTURNA_ALMANAC_BINARY) + " --reduce " +
                                                      kEveningStars + " --lat 39N10.0 --lon 023W30.0 --gpx " + path);
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(ReadAll(path), GpxDocument({&reduction, dr, drTime}));

  const std::vector<GpxPoint> written = PointsOf(ReadAll(path));
  const std::string babel = ThroughGpsbabel(path);
  const std::vector<GpxPoint> readBack = PointsOf(babel);
  EXPECT_NE(babel.find("<time>2026-12-09T18:50:00Z</time>\n    <name>Fix 18:50</name>"), std::string::npos) << babel;
  EXPECT_NE(babel.find("error ellipse"), std::string::npos);
  // The fix and the DR, two points a line, and the run's points (the DR at each line's time and
  // at the fix time).
  ASSERT_EQ(written.size(), 2 + 2 * reduction.lines.size() + reduction.lines.size() + 1);
  ASSERT_EQ(readBack.size(), written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    EXPECT_EQ(readBack[i].tag, written[i].tag) << i;
    EXPECT_NEAR(readBack[i].latitude, written[i].latitude, 1e-6) << i;
    EXPECT_NEAR(readBack[i].longitude, written[i].longitude, 1e-6) << i;
  }
  EXPECT_NEAR(readBack[0].latitude, reduction.fix.position.latitude, 1e-6);
  EXPECT_NEAR(readBack[0].longitude, -reduction.fix.position.longitude, 1e-6);
  EXPECT_NEAR(readBack[1].latitude, dr.latitude, 1e-6);
  EXPECT_NEAR(readBack[1].longitude, -dr.longitude, 1e-6);

  const testing::ProgramRun refused = testing::RunCommand(std::string(NOCTURNA_ALMANAC_BINARY) + " --reduce " +
                                                          kEveningStars + " --lat 39N10.0 --lon 023W30.0 --gpx " +
                                                          folder + "/no/such/folder/sights.gpx 2>&1");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.out.rfind("nocturna-almanac: cannot write the GPX file ", 0), 0u) << refused.out;
  std::remove(path.c_str());
  ::rmdir(folder);
}

}  // namespace
}  // namespace nocturna
