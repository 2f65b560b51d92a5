#pragma once
// Runs a shell command line and keeps what it printed and its exit status: how the tests drive
// the programs from outside.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/file_text.h"

namespace nocturna::testing {

struct ProgramRun {
  int exitCode = -1;  // -1: it did not start or did not exit by itself
  std::string out;
  std::string err;  // standard error, where the run keeps it apart
};

// Standard output only; the command line redirects standard error as it wishes.
inline ProgramRun RunCommand(const std::string& command) {
  ProgramRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// A file name of the running test's own in the temporary folder: tests may run side by side,
// in one process or in several.
inline std::string ScratchPath(const std::string& name) {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string path = ::testing::TempDir() + std::to_string(::getpid()) + "_" +
                     test->test_suite_name() + "_" + test->name() + "_" + name;
  for (std::size_t slash = path.find('/', ::testing::TempDir().size()); slash != std::string::npos;
       slash = path.find('/', slash)) {
    path[slash] = '_';  // a parameterised test's name holds slashes
  }
  return path;
}

#ifdef NOCTURNA_ALMANAC_BINARY
// Runs nocturna-almanac with the arguments (each single-quoted for the shell, so none may hold a
// quote), keeping standard output and standard error apart.
inline ProgramRun RunAlmanac(const std::vector<std::string>& args) {
  const std::string errPath = ScratchPath("stderr.txt");
  std::string command = NOCTURNA_ALMANAC_BINARY;
  for (const std::string& arg : args) command += " '" + arg + "'";
  ProgramRun run = RunCommand(command + " 2>" + errPath);
  run.err = ReadFile(errPath);
  std::remove(errPath.c_str());
  return run;
}
#endif

}  // namespace nocturna::testing
