// The window program on a machine without a display: --help and --version answer, anything
// else is told plainly and ends with 1, never the toolkit's abort.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#ifdef NOCTURNA_BINARY
namespace {

struct ProgramRun {
  int exitCode = -1;
  std::string out;
};

ProgramRun WithoutDisplay(const std::string& arguments) {
  ProgramRun run;
  const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                              NOCTURNA_BINARY + " " + arguments + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
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
