#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct RunResult {
  int exitCode = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

std::string ReadFile(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    std::fclose(file);
  }
  return text;
}

// Runs the almanac with the arguments (single-quoted for the shell, no quotes inside).
RunResult RunAlmanac(const std::vector<std::string>& args) {
  // One file per test and process: CTest may run these tests side by side.
  const std::string errPath = ::testing::TempDir() + "almanac_cli_" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                              "_" + std::to_string(getpid()) + ".txt";
  std::string command = NOCTURNA_ALMANAC_BINARY;
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " 2>" + errPath;
  RunResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadFile(errPath);
  std::remove(errPath.c_str());
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(AlmanacCli, PrintsTheStarPageInUtf8) {
  const RunResult run = RunAlmanac({"--date", "2015-06-01", "--time", "00:00:00"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u + 1 + 1 + 57) << run.out;
  EXPECT_EQ(lines[0], "GD=01 - June,2015  UT=00-00-00");
  EXPECT_EQ(lines[1], "Position: DRL=42\xC2\xB0" "00.0'N;  DRLo=075\xC2\xB0" "00.0'W");
  // Apparent sidereal time at 2015-06-01 0h UT is 249.1628 degrees.
  EXPECT_EQ(lines[2], "GHA Aries=249\xC2\xB0" "09.8'");
  EXPECT_EQ(lines[5].substr(0, 14), "  1  Alpheratz");
  EXPECT_EQ(lines[61].substr(0, 11), " 57  Markab");
  // Sirius: apparent SHA 258.5474 from its J2000 place; the model's declination.
  EXPECT_NE(lines[22].find("Sirius"), std::string::npos) << lines[22];
  EXPECT_NE(lines[22].find("258\xC2\xB0" "32.8'"), std::string::npos) << lines[22];
  EXPECT_NE(lines[22].find("16\xC2\xB0" "44.0'S"), std::string::npos) << lines[22];
  for (const std::string& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (static_cast<unsigned char>(line[i]) == 0xB0) {
        ASSERT_TRUE(i > 0 && static_cast<unsigned char>(line[i - 1]) == 0xC2) << line;
      }
    }
  }
}

TEST(AlmanacCli, PositionFormsAgree) {
  const std::vector<std::vector<std::string>> forms = {
      {"--lat", "42N07.5", "--lon", "075W30.0"},
      {"--lat", "42.125N", "--lon", "75.5W"},
      {"--lat=42n07.5", "--lon=75.5w"},
  };
  std::string first;
  for (const auto& form : forms) {
    std::vector<std::string> args = {"--date", "2020-03-20", "--time", "12:34:56"};
    args.insert(args.end(), form.begin(), form.end());
    const RunResult run = RunAlmanac(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("DRL=42\xC2\xB0" "07.5'N;  DRLo=075\xC2\xB0" "30.0'W"), std::string::npos);
    if (first.empty()) first = run.out;
    EXPECT_EQ(run.out, first) << form[0];
  }
  const RunResult southEast = RunAlmanac({"--date", "2020-03-20", "--lat", "33S52.0", "--lon", "151.2E"});
  ASSERT_EQ(southEast.exitCode, 0) << southEast.err;
  EXPECT_NE(southEast.out.find("DRL=33\xC2\xB0" "52.0'S;  DRLo=151\xC2\xB0" "12.0'E"), std::string::npos);
}

TEST(AlmanacCli, AcceptsTheEdgesOfItsRanges) {
  const std::vector<std::vector<std::string>> cases = {
      {"--date", "1901-01-01", "--lat", "90N", "--lon", "180E"},
      {"--date", "2099-12-31", "--time", "23:59:59", "--lat", "90S00.0", "--lon", "180W00.0"},
      {"--date", "2000-02-29", "--time", "06:30", "--lat", "0.0S", "--lon", "0E"},
  };
  for (const auto& args : cases) {
    const RunResult run = RunAlmanac(args);
    EXPECT_EQ(run.exitCode, 0) << args[1] << ": " << run.err;
    EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out;
  }
}

TEST(AlmanacCli, RefusesMalformedArgumentsNamingThem) {
  struct Case {
    std::vector<std::string> args;
    const char* named;
  };
  const Case cases[] = {
      {{"--lat", "42.5"}, "--lat '42.5': no hemisphere letter"},
      {{"--lat", "-42.5"}, "--lat '-42.5': no hemisphere letter"},
      {{"--lon", "75.5"}, "--lon '75.5': no hemisphere letter"},
      {{"--lon", "+75"}, "--lon '+75': no hemisphere letter"},
      {{"--lon", "-75W"}, "--lon '-75W'"},
      {{"--lat", "42E"}, "--lat '42E'"},
      {{"--lon", "75N"}, "--lon '75N'"},
      {{"--lat", "91N"}, "--lat '91N'"},
      {{"--lat", "90N00.1"}, "--lat '90N00.1'"},
      {{"--lat", "42N60.0"}, "--lat '42N60.0'"},
      {{"--lat", "42.5N07"}, "--lat '42.5N07'"},
      {{"--lat", "N42"}, "--lat 'N42'"},
      {{"--lat", "42N07.5x"}, "--lat '42N07.5x'"},
      {{"--lon", "181W"}, "--lon '181W'"},
      {{"--lon", "1e2W"}, "--lon '1e2W'"},
      {{"--lon", ""}, "--lon ''"},
      {{"--date", "2100-01-01"}, "--date '2100-01-01'"},
      {{"--date", "1900-12-31"}, "--date '1900-12-31'"},
      {{"--date", "2015-02-29"}, "--date '2015-02-29'"},
      {{"--date", "2015-6-1"}, "--date '2015-6-1'"},
      {{"--date", "2015-13-01"}, "--date '2015-13-01'"},
      {{"--time", "24:00:00"}, "--time '24:00:00'"},
      {{"--time", "12:60:00"}, "--time '12:60:00'"},
      {{"--time", "12:00:0"}, "--time '12:00:0'"},
      {{"--frobnicate"}, "'--frobnicate'"},
      {{"--date"}, "--date needs a value"},
      {{"stray"}, "'stray'"},
  };
  for (const Case& c : cases) {
    const RunResult run = RunAlmanac(c.args);
    const std::string what = c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : "");
    EXPECT_EQ(run.exitCode, 2) << what;
    EXPECT_TRUE(run.out.empty()) << what << " printed: " << run.out;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << what << " said: " << run.err;
  }
}

TEST(AlmanacCli, HelpExplainsTheOptions) {
  const RunResult run = RunAlmanac({"--help"});
  ASSERT_EQ(run.exitCode, 0);
  for (const char* word : {"--date", "--time", "--lat", "--lon", "42N07.5", "75.5W", "UTF-8",
                           "hemisphere letter"}) {
    EXPECT_NE(run.out.find(word), std::string::npos) << word;
  }
}

}  // namespace
