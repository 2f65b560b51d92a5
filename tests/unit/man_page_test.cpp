// The manual page of nocturna-almanac stays in step with the program: every option its --help
// lists has an entry, every entry is an option it takes, and every example it shows runs.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/program_run.h"

namespace {

using Outcome = nocturna::testing::ProgramRun;
using nocturna::testing::RunCommand;

// The page's lines with the roff escapes that matter here undone: \- is a hyphen, \e a
// backslash, font changes vanish.
std::vector<std::string> ManPageLines() {
  std::ifstream file(NOCTURNA_MAN_PAGE);
  std::stringstream text;
  text << file.rdbuf();
  std::string plain = std::regex_replace(text.str(), std::regex(R"(\\f[BIRP])"), "");
  plain = std::regex_replace(plain, std::regex(R"(\\-)"), "-");
  plain = std::regex_replace(plain, std::regex(R"(\\e)"), "\\");
  std::vector<std::string> lines;
  std::istringstream stream(plain);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::set<std::string> LongOptions(const std::string& text) {
  // "--name=value" in the help's prose is the spelling rule, not an option.
  static const std::regex option(R"((--[a-z][a-z-]*)(=?))");
  std::set<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), option), end; it != end; ++it) {
    if ((*it)[2].length() == 0) found.insert((*it)[1].str());
  }
  return found;
}

TEST(ManPage, HasTheSectionsOfAManualPage) {
  const std::vector<std::string> lines = ManPageLines();
  ASSERT_FALSE(lines.empty()) << "cannot read " << NOCTURNA_MAN_PAGE;
  EXPECT_EQ(lines.front().rfind(".TH NOCTURNA-ALMANAC 1 ", 0), 0u) << lines.front();
  for (const char* section : {"NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "EXAMPLES"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(".SH ") + section), lines.end())
        << "no section " << section;
  }
}

TEST(ManPage, EveryOptionOfHelpHasAnEntry) {
  const Outcome help = RunCommand(std::string(NOCTURNA_ALMANAC_BINARY) + " --help 2>&1");
  ASSERT_EQ(help.exitCode, 0) << help.out;
  const std::set<std::string> listed = LongOptions(help.out);
  ASSERT_GE(listed.size(), 20u) << help.out;
  // An entry is the tag line after .TP.
  std::string tags;
  const std::vector<std::string> lines = ManPageLines();
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i - 1] == ".TP") tags += lines[i] + '\n';
  }
  const std::set<std::string> documented = LongOptions(tags);
  for (const std::string& name : listed) {
    EXPECT_TRUE(documented.count(name)) << name << " is in --help but has no entry in " << NOCTURNA_MAN_PAGE;
  }
  // --help is made from the program's table of options: an entry it lacks is no option.
  for (const std::string& name : documented) {
    EXPECT_TRUE(listed.count(name)) << NOCTURNA_MAN_PAGE << " has an entry for " << name
                                    << ", which the program does not take";
  }
}

TEST(ManPage, EveryExampleRuns) {
  // Each example runs in a folder of its own, which holds the GPS log the replay example names,
  // the sight log the reduction example names and the IERS file the DUT1 example names.
  char folder[] = "/tmp/nocturna_man_examples_XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  std::ofstream(std::string(folder) + "/passage.log").close();
  {
    std::ifstream sights(NOCTURNA_TEST_DATA_DIR "/sights/evening_stars.csv");
    std::ofstream(std::string(folder) + "/sights.csv") << sights.rdbuf();
  }
  {
    std::ifstream finals(NOCTURNA_TEST_DATA_DIR "/iers/finals2000A_excerpt.data");
    std::ofstream(std::string(folder) + "/finals2000A.data") << finals.rdbuf();
  }
  const std::vector<std::string> lines = ManPageLines();
  int examples = 0;
  bool inExample = false;
  std::string command;
  for (const std::string& line : lines) {
    if (line == ".EX" || line == ".EE") {
      inExample = line == ".EX";
      continue;
    }
    if (!inExample) continue;
    command += line;
    if (!command.empty() && command.back() == '\\') {
      command.pop_back();
      continue;
    }
    if (command.rfind("nocturna-almanac ", 0) == 0) {
      ++examples;
      const Outcome run = RunCommand("cd " + std::string(folder) + " && " + NOCTURNA_ALMANAC_BINARY +
                                   command.substr(command.find(' ')) + " 2>&1 >/dev/null");
      const bool withoutPictures = run.out.find("need the window library") != std::string::npos;
      EXPECT_TRUE(run.exitCode == 0 || withoutPictures) << command << "\nexit " << run.exitCode << ": " << run.out;
    }
    command.clear();
  }
  EXPECT_GE(examples, 5);
  RunCommand(std::string("rm -rf ") + folder);
}

}  // namespace
