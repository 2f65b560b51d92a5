#pragma once
// Runs a shell command line and keeps what it printed (stdout and, redirected, stderr) and its
// exit status: how the tests drive the programs from outside.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace nocturna::testing {

struct ProgramRun {
  int exitCode = -1;  // -1: it did not start or did not exit by itself
  std::string out;
};

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

}  // namespace nocturna::testing
