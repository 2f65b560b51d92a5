#include "platform/registry_hive_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/saved_file_steps.h"

namespace nocturna {

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

std::string Failed(const std::string& step, const std::string& path, int error) {
  return step + " " + path + ": " + SystemReason(error);
}

// A save's temporary file is the target's name, a dot and mkstemp's six letters or digits.
bool IsTemporaryName(const std::string& name, const std::string& targetName) {
  constexpr std::size_t kRandomLetters = 6;
  if (name.size() != targetName.size() + 1 + kRandomLetters || name.compare(0, targetName.size(), targetName) != 0 ||
      name[targetName.size()] != '.') {
    return false;
  }
  return std::all_of(name.end() - kRandomLetters, name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Removes the temporary files that earlier saves, killed before their rename, left beside
// target: regular files of the temporary naming that are empty or begin as a hive does.
void RemoveOrphanTemporaries(const std::string& target) {
  const std::string folder = ParentFolder(target);
  const std::string targetName = target.substr(target.rfind('/') + 1);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (!IsTemporaryName(name, targetName)) continue;
    const std::string path = entry.path().string();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info{};
    char start[32];
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    const ssize_t got = regular ? ::read(fd, start, sizeof start) : -1;
    ::close(fd);
    if (got >= 0 && IsHiveTextStart(std::string_view(start, static_cast<std::size_t>(got)))) ::unlink(path.c_str());
  }
}

}  // namespace

std::string DefaultHivePath() {
  std::string config;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    config = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
      const passwd* user = ::getpwuid(::getuid());
      home = user != nullptr ? user->pw_dir : "/tmp";
    }
    config = std::string(home) + "/.config";
  }
  return config + "/nocturna/registry.hive";
}

HiveLoad LoadHive(const std::string& path) {
  HiveLoad load;
  // Without blocking: a named pipe put in the file's place must not hold up the start.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return load;
    load.state = HiveFileState::Unreadable;
    load.problem = Failed("cannot open", path, errno);
    return load;
  }
  struct stat info{};
  std::string text;
  if (::fstat(fd, &info) != 0) {
    load.state = HiveFileState::Unreadable;
    load.problem = Failed("cannot examine", path, errno);
  } else if (S_ISDIR(info.st_mode)) {
    load.state = HiveFileState::Unreadable;
    load.problem = path + " is not a regular file";
  } else if (!S_ISREG(info.st_mode)) {  // a pipe, a socket or a device: never a saved hive
    ::close(fd);
    load.state = HiveFileState::Damaged;
    load.problem = "it is not a regular file";
    return load;
  } else {
    char buffer[8192];
    while (text.size() <= kHiveMaxFileBytes) {
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        load.state = HiveFileState::Unreadable;
        load.problem = Failed("cannot read", path, errno);
        break;
      }
      if (got == 0) break;
      text.append(buffer, static_cast<std::size_t>(got));
    }
  }
  ::close(fd);
  if (load.state == HiveFileState::Unreadable) return load;
  HiveParse parse = ParseHive(text);
  if (!parse.ok) {
    load.state = HiveFileState::Damaged;
    load.problem = parse.problem;
    return load;
  }
  load.state = HiveFileState::Loaded;
  load.hive = std::move(parse.hive);
  return load;
}

HiveSave SaveHive(const std::string& path, const Hive& hive, bool setAsideDamaged,
                  const HiveFileOps& ops) {
  HiveSave save;
  const std::string text = SerializeHive(hive);
  if (text.empty()) {
    save.problem = "a key, a value name or a value cannot be kept in the settings file";
    return save;
  }
  const std::string target = FileBehindLink(path);
  const std::string folder = ParentFolder(target);
  if (!MakeFolders(folder, save.problem)) return save;
  if (setAsideDamaged && !SetAside(target, save.damagedCopy, save.problem)) return save;
  RemoveOrphanTemporaries(target);

  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    save.problem = Failed("cannot create a file in", folder, errno);
    return save;
  }
  auto fsyncCall = ops.fsync != nullptr ? ops.fsync : ::fsync;
  const char* step = nullptr;
  int error = 0;
  if (!WriteAll(fd, text)) {
    step = "cannot write";
    error = errno;
  } else if (fsyncCall(fd) != 0) {
    step = "cannot flush to the disk";
    error = errno;
  }
  if (::close(fd) != 0 && step == nullptr) {
    step = "cannot write";
    error = errno;
  }
  if (step != nullptr) {
    ::unlink(temporary.c_str());
    save.problem = Failed(step, temporary, error);
    return save;
  }
  auto renameCall = ops.rename != nullptr ? ops.rename : ::rename;
  if (renameCall(temporary.c_str(), target.c_str()) != 0) {
    error = errno;
    ::unlink(temporary.c_str());
    save.problem = Failed("cannot replace", target, error);
    return save;
  }
  // The rename is done; flushing the folder makes the new name last through a power cut.
  // Should that flush fail, either the old or the new file survives, each whole.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsyncCall(folderFd);
    ::close(folderFd);
  }
  save.ok = true;
  return save;
}

}  // namespace nocturna
