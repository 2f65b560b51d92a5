#pragma once
// A full disk made on purpose: a child process gets a private mount namespace with a small
// tmpfs over a folder and runs the check there (programs it starts see the same disk); the
// parent sees neither. Needs the right to mount (root, or a user namespace): without it the
// check is not run and the caller skips, saying why.
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace nocturna::testing {

inline constexpr int kCannotMount = 77;

// The check's exit status (0: passed), or nothing when no private disk could be mounted.
inline std::optional<int> OnSmallDisk(const std::string& folder, int kilobytes,
                                      const std::function<int()>& check) {
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    const std::string size = "size=" + std::to_string(kilobytes) + "k";
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("nocturna-test", folder.c_str(), "tmpfs", 0, size.c_str()) != 0) {
      ::_exit(kCannotMount);
    }
    ::_exit(check());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  if (WEXITSTATUS(status) == kCannotMount) return std::nullopt;
  return WEXITSTATUS(status);
}

}  // namespace nocturna::testing
