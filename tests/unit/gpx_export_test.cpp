// The sights as GPX: written by --reduce --gpx through the atomic writer, checked for GPX 1.1's
// shape, and read back by gpsbabel (Debian gpsbabel), an independent GPX reader, with the same
// coordinates.
#include "sights/gpx_document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gpx_file.h"
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

// A written GPX and gpsbabel's reading of it hold the same points, in the same order.
void ExpectGpsbabelReadsTheSamePoints(const std::string& path) {
  const std::vector<GpxPoint> written = PointsOf(ReadAll(path));
  const std::vector<GpxPoint> readBack = PointsOf(ThroughGpsbabel(path));
  ASSERT_EQ(readBack.size(), written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    EXPECT_EQ(readBack[i].tag, written[i].tag) << i;
    EXPECT_NEAR(readBack[i].latitude, written[i].latitude, 1e-6) << i;
    EXPECT_NEAR(readBack[i].longitude, written[i].longitude, 1e-6) << i;
  }
}

// No XSD of GPX 1.1 ships in a Debian package, so the schema's shape is checked here: a
// well-formed document (xmllint) whose root is GPX 1.1 and whose top-level elements come in the
// schema's order (metadata, wpt, rte, trk).
void ExpectGpx11Structure(const std::string& path) {
  const testing::ProgramRun lint = testing::RunCommand("xmllint --noout '" + path + "' 2>&1");
  EXPECT_EQ(lint.exitCode, 0) << lint.out;
  const std::string gpx = ReadAll(path);
  EXPECT_NE(gpx.find("<gpx version=\"1.1\" creator=\"Nocturna\" xmlns=\"http://www.topografix.com/GPX/1/1\">"),
            std::string::npos);
  const std::vector<std::string> order = {"metadata", "wpt", "rte", "trk"};
  std::size_t rank = 0;
  const std::regex topLevel(R"(\n  <(\w+))");
  for (auto it = std::sregex_iterator(gpx.begin(), gpx.end(), topLevel); it != std::sregex_iterator(); ++it) {
    const auto found = std::find(order.begin() + static_cast<long>(rank), order.end(), (*it)[1].str());
    ASSERT_NE(found, order.end()) << (*it)[1] << " out of the schema's order";
    rank = static_cast<std::size_t>(found - order.begin());
  }
}

class GpxExport : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::access("/usr/bin/gpsbabel", X_OK) != 0) GTEST_SKIP() << "gpsbabel is not installed (Debian gpsbabel)";
    ASSERT_NE(::mkdtemp(folder_), nullptr);
    path_ = std::string(folder_) + "/sights.gpx";
  }
  void TearDown() override {
    std::remove(path_.c_str());
    ::rmdir(folder_);
  }
  char folder_[32] = "/tmp/nocturna-gpx-XXXXXX";
  std::string path_;
};

// One line 6 miles north of the DR, square to the azimuth 000: its foot is 0.1 degree north of
// the DR, its ends 10 miles west (Zn - 90) and east (Zn + 90) of the foot.
TEST_F(GpxExport, TheFixTheLineAndTheDrReadBackWhereTheyAre) {
  const DateTime utc = EncodeDateTime(2026, 12, 9, 18, 50, 0);
  SightLogReduction reduction;
  SightLine line;
  line.utc = utc;
  line.dr = {10.0, 20.0};  // 10°N 20°W
  line.znDegrees = 0.0;
  line.interceptMiles = 6.0;
  reduction.lines = {line};
  reduction.fix.found = true;
  reduction.fix.position = {10.1, 20.0};
  reduction.fix.utc = utc;
  ASSERT_EQ(WriteGpxFile(path_, GpxDocument({&reduction, line.dr, utc})), "");
  const std::string babel = ThroughGpsbabel(path_);
  EXPECT_NE(babel.find("<time>2026-12-09T18:50:00Z</time>\n    <name>Fix 18:50</name>"), std::string::npos) << babel;
  EXPECT_NE(babel.find("error ellipse"), std::string::npos);
  const std::vector<GpxPoint> points = PointsOf(babel);
  ASSERT_EQ(points.size(), 6u);  // fix, DR, two line ends, the run's two points
  const double endMiles = 10.0 / (60.0 * std::cos(10.1 * M_PI / 180.0));
  const GpxPoint expected[] = {{"wpt", 10.1, -20.0}, {"wpt", 10.0, -20.0}, {"rtept", 10.1, -20.0 - endMiles},
                               {"rtept", 10.1, -20.0 + endMiles}, {"trkpt", 10.0, -20.0}, {"trkpt", 10.0, -20.0}};
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i].tag, expected[i].tag) << i;
    EXPECT_NEAR(points[i].latitude, expected[i].latitude, 1e-6) << i;
    EXPECT_NEAR(points[i].longitude, expected[i].longitude, 1e-6) << i;
  }
}

TEST_F(GpxExport, ReduceWritesTheGpxThatGpsbabelReads) {
  const std::string reduce = std::string(NOCTURNA_ALMANAC_BINARY) + " --reduce " + kEveningStars +
                             " --lat 39N10.0 --lon 023W30.0 --gpx ";
  const testing::ProgramRun run = testing::RunCommand(reduce + path_ + " 2>&1");
  ASSERT_EQ(run.exitCode, 0) << run.out;
  ExpectGpx11Structure(path_);
  ExpectGpsbabelReadsTheSamePoints(path_);
  EXPECT_EQ(PointsOf(ReadAll(path_)).front().tag, "wpt");

  const testing::ProgramRun refused = testing::RunCommand(reduce + folder_ + "/no/such/folder/sights.gpx 2>&1");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.out.rfind("nocturna-almanac: cannot write the GPX file ", 0), 0u) << refused.out;
}

}  // namespace
}  // namespace nocturna
