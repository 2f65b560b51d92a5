// The window program on a machine without a display: --help and --version answer, anything
// else is told plainly and ends with 1, never the toolkit's abort.
#include <gtest/gtest.h>

#include <string>

#include "support/program_run.h"

#ifdef NOCTURNA_BINARY
namespace {

using nocturna::testing::ProgramRun;

ProgramRun WithoutDisplay(const std::string& arguments) {
  return nocturna::testing::RunCommand(std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                                       NOCTURNA_BINARY + " " + arguments + " 2>&1");
}

TEST(StartWithoutDisplay, HelpAndVersionNeedNoDisplayAndTheWindowSaysWhyNot) {
  const ProgramRun help = WithoutDisplay("--help");
  EXPECT_EQ(help.exitCode, 0) << help.out;
  EXPECT_EQ(help.out.rfind("Usage: ", 0), 0u) << help.out;
  EXPECT_NE(help.out.find("--zone-time <moment>"), std::string::npos) << help.out;

  const ProgramRun version = WithoutDisplay("--version");
  EXPECT_EQ(version.exitCode, 0) << version.out;
  EXPECT_EQ(version.out.rfind("nocturna ", 0), 0u) << version.out;

  for (const char* arguments : {"", "--zone-time \"2026-06-01 12:00:00\""}) {
    const ProgramRun window = WithoutDisplay(arguments);
    EXPECT_EQ(window.exitCode, 1) << arguments << ": " << window.out;
    EXPECT_EQ(window.out.rfind("nocturna: no display to open the window on", 0), 0u) << window.out;
  }
}

}  // namespace
#endif
