#include "platform/registry_hive_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace nocturna {

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

std::string Failed(const std::string& step, const std::string& path, int error) {
  return step + " " + path + ": " + SystemReason(error);
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
  const std::string text = SerializeHive(hive);
  if (text.empty()) {
    HiveSave save;
    save.problem = "a key, a value name or a value cannot be kept in the settings file";
    return save;
  }
  return SaveUserFile(path, text, "the settings file", setAsideDamaged, ops);
}

}  // namespace nocturna
