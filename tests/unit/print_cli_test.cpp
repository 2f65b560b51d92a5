// nocturna-almanac --chart and --pdf: the files written, their size and page, and the
// arguments refused.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/program_run.h"

namespace {

using nocturna::testing::ReadFile;

class PrintCliTest : public ::testing::Test {
 protected:
  std::string Scratch(const std::string& name) const { return nocturna::testing::ScratchPath(name); }

  // Runs the almanac (arguments single-quoted, no quotes inside); keeps stdout and stderr.
  int Run(const std::vector<std::string>& args) {
    const nocturna::testing::ProgramRun run = nocturna::testing::RunAlmanac(args);
    out = run.out;
    err = run.err;
    return run.exitCode;
  }

  void SkipWithoutPictures() {
    if (err.find("window library") != std::string::npos) GTEST_SKIP() << err;
  }

  std::string out;
  std::string err;
};

// Width and height from a PNG's header chunk (big-endian, after the signature and chunk head).
std::pair<unsigned, unsigned> PngSize(const std::string& png) {
  auto word = [&](std::size_t at) {
    unsigned value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(png[at + i]);
    return value;
  };
  if (png.size() < 24 || png.compare(1, 3, "PNG") != 0 || png.compare(12, 4, "IHDR") != 0) {
    return {0, 0};
  }
  return {word(16), word(20)};
}

TEST_F(PrintCliTest, WritesTheChartImageAndTheLandscapePageTogether) {
  const std::string image = Scratch("chart.png");
  const std::string pdf = Scratch("chart.pdf");
  const int status = Run({"--zone-date", "2026-12-14", "--zt", "19:00:00", "--lat", "42N00.0",
                          "--lon", "075W00.0", "--chart", image, "--pdf", pdf, "--rotate"});
  SkipWithoutPictures();
  ASSERT_EQ(status, 0) << err;
  EXPECT_TRUE(out.empty()) << out;
  EXPECT_TRUE(err.empty()) << err;
  EXPECT_EQ(PngSize(ReadFile(image)), std::make_pair(1280u, 800u));
  const std::string page = ReadFile(pdf);
  ASSERT_EQ(page.rfind("%PDF", 0), 0u) << "no PDF";
  EXPECT_NE(page.find("/Count 1"), std::string::npos);
  // US Letter turned to landscape: 11 x 8.5 inches of 72 points.
  EXPECT_NE(page.find("/MediaBox [0 0 792"), std::string::npos);
  std::remove(image.c_str());
  std::remove(pdf.c_str());

  ASSERT_EQ(Run({"--date", "2026-06-21", "--time", "12:00", "--chart", image, "--width", "640",
                 "--height", "480", "--flip", "--bright"}),
            0)
      << err;
  EXPECT_EQ(PngSize(ReadFile(image)), std::make_pair(640u, 480u));
  std::remove(image.c_str());
}

// --identify --chart draws the chart of the sight's moment: unchanged where nothing is named,
// ringed where Alphard (Hc 39.8, Zn 135 then) is.
TEST_F(PrintCliTest, IdentifyRingsTheNamedBodyOnTheChartOfItsMoment) {
  const std::vector<std::string> place = {"--date", "2024-03-20", "--lat", "30N", "--lon", "40W",
                                          "--width", "400", "--height", "250", "--chart"};
  const auto image = [&](std::vector<std::string> args, const char* time, const char* name) {
    args.insert(args.end(), {"--time", time});
    args.insert(args.end(), place.begin(), place.end());
    args.push_back(Scratch(name));
    EXPECT_EQ(Run(args), 0) << err;
    const std::string png = ReadFile(Scratch(name));
    std::remove(Scratch(name).c_str());
    return png;
  };
  const std::string plain = image({}, "22:00:00", "plain.png");
  SkipWithoutPictures();
  EXPECT_EQ(image({"--identify", "40", "--bearing", "250"}, "22:00:00", "nothing.png"), plain);
  const std::string ringed = image({"--identify", "40", "--bearing", "135"}, "22:00:00", "alphard.png");
  EXPECT_EQ(PngSize(ringed), std::make_pair(400u, 250u));
  EXPECT_NE(ringed, plain);
  // By day the Sun is named, and ringed like any star.
  EXPECT_NE(image({"--identify", "49.5", "--bearing", "135"}, "13:00:00", "sun.png"), image({}, "13:00:00", "day.png"));
}

TEST_F(PrintCliTest, RefusesWhatItCannotDrawOrWrite) {
  const std::string image = Scratch("refused.png");
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* message;
  } const cases[] = {
      {{"--chart", image, "--width", "199"}, 2, "--width '199': expected whole pixels from 200"},
      {{"--chart", image, "--height", "8001"}, 2, "--height '8001'"},
      {{"--chart", image, "--width", "12x"}, 2, "--width '12x'"},
      {{"--chart", image, "--width", "-640"}, 2, "--width '-640'"},
      {{"--chart", image, "--json"}, 2, "--json prints the almanac"},
      {{"--chart="}, 2, "--chart needs a file name"},
      {{"--rotate"}, 2, "--chart or --pdf"},
      {{"--pdf", Scratch("x.pdf"), "--width", "640"}, 2, "give --chart"},
      {{"--chart", "/nonexistent-folder/chart.png"}, 1, "cannot write the image"},
      {{"--pdf", "/nonexistent-folder/chart.pdf"}, 1, "cannot write the PDF"},
  };
  for (const Case& c : cases) {
    std::string line;
    for (const std::string& arg : c.args) line += arg + " ";
    SCOPED_TRACE(line);
    const int status = Run(c.args);
    if (c.status == 1) SkipWithoutPictures();
    EXPECT_EQ(status, c.status) << err;
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(ReadFile(image), "");
  }
}

TEST_F(PrintCliTest, TheTableWindowsPrintAsPortraitPagesOfEveryRow) {
  const std::string pdf = Scratch("tables.pdf");
  const std::vector<std::string> night = {"--zone-date", "2026-12-14", "--zt", "19:00:00"};
  struct Case {
    std::vector<std::string> tables;
    const char* pages;
  } const cases[] = {
      {{"--almanac-page"}, "/Count 2"},  // 57 stars and 4 planets
      {{"--visible-bodies", "--decimal"}, "/Count 1"},
      {{"--visible-bodies", "--almanac-page", "--gha"}, "/Count 3"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = night;
    args.insert(args.end(), c.tables.begin(), c.tables.end());
    args.insert(args.end(), {"--pdf", pdf});
    SCOPED_TRACE(c.tables[0]);
    const int status = Run(args);
    SkipWithoutPictures();
    ASSERT_EQ(status, 0) << err;
    EXPECT_TRUE(out.empty() && err.empty()) << out << err;
    const std::string page = ReadFile(pdf);
    ASSERT_EQ(page.rfind("%PDF", 0), 0u) << "no PDF";
    EXPECT_NE(page.find(c.pages), std::string::npos);
    EXPECT_NE(page.find("/MediaBox [0 0 612"), std::string::npos) << "not portrait Letter";
    std::remove(pdf.c_str());
  }
  EXPECT_EQ(Run({"--visible-bodies", "--chart", Scratch("list.png")}), 2);
  EXPECT_NE(err.find("do not go with --chart"), std::string::npos) << err;
}

TEST_F(PrintCliTest, AFileOrAnOutputThatCannotTakeItAllIsAFailureWithAMessage) {
  const int status = Run({"--date", "2015-06-01", "--pdf", "/dev/full"});
  SkipWithoutPictures();
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find("cannot write the PDF /dev/full: No space left on device"), std::string::npos)
      << err;
  struct stat device{};
  ASSERT_EQ(::stat("/dev/full", &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode));

  const std::string errPath = Scratch("err.txt");
  const std::string command =
      std::string(NOCTURNA_ALMANAC_BINARY) + " --date 2015-06-01 >/dev/full 2>" + errPath;
  const int textStatus = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(textStatus) ? WEXITSTATUS(textStatus) : -1, 1);
  EXPECT_NE(ReadFile(errPath).find("cannot write the output: No space left on device"),
            std::string::npos)
      << ReadFile(errPath);
  std::remove(errPath.c_str());
}

}  // namespace
