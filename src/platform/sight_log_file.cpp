#include "platform/sight_log_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace nocturna {
namespace {

// A log larger than this is not a sight log (a year of sights is a few hundred kilobytes).
constexpr std::size_t kLargestSightLogBytes = 16u << 20;

std::string Failed(const std::string& step, const std::string& path, int error) {
  return step + " " + path + ": " + std::strerror(error);
}

std::string ParentFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool MakeFolders(const std::string& folder, std::string& problem) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      problem = Failed("cannot create the folder", part, errno);
      return false;
    }
    if (slash == std::string::npos) return true;
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Keeps the file at target under a free ".damaged" name (a hard link, so the old name stays
// until the new file replaces it; a rename where links are refused).
bool SetAside(const std::string& target, std::string& copy, std::string& problem) {
  if (::access(target.c_str(), F_OK) != 0) return true;
  for (int n = 1; n < 100; ++n) {
    const std::string name = target + (n == 1 ? ".damaged" : ".damaged-" + std::to_string(n));
    if (::link(target.c_str(), name.c_str()) == 0 ||
        (errno != EEXIST && ::access(name.c_str(), F_OK) != 0 &&
         ::rename(target.c_str(), name.c_str()) == 0)) {
      copy = name;
      return true;
    }
  }
  problem = "cannot keep the damaged sight log beside " + target;
  return false;
}

}  // namespace

std::string DefaultSightLogPath() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/nocturna/sights.csv";
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : "/tmp";
  }
  return std::string(home) + "/.local/share/nocturna/sights.csv";
}

SightLogLoad LoadSightLog(const std::string& path) {
  SightLogLoad load;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return load;
    load.state = SightLogFileState::Unreadable;
    load.problem = Failed("cannot open", path, errno);
    return load;
  }
  struct stat info{};
  std::string text;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    load.state = SightLogFileState::Unreadable;
    load.problem = path + " is not a regular file";
  } else {
    char buffer[8192];
    for (;;) {
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        load.state = SightLogFileState::Unreadable;
        load.problem = Failed("cannot read", path, errno);
        break;
      }
      if (got == 0) break;
      text.append(buffer, static_cast<std::size_t>(got));
      if (text.size() > kLargestSightLogBytes) {
        load.state = SightLogFileState::Damaged;
        load.problem = path + " is too large to be a sight log";
        break;
      }
    }
  }
  ::close(fd);
  if (load.state != SightLogFileState::Absent) return load;
  SightLogParse parse = ParseSightLog(text);
  if (parse.error) {
    load.state = SightLogFileState::Damaged;
    load.problem = path + ": " + parse.error->Message();
    return load;
  }
  load.state = SightLogFileState::Loaded;
  load.sights = std::move(parse.sights);
  return load;
}

SightLogSave SaveSightLog(const std::string& path, const std::vector<SightRecord>& sights,
                          bool setAsideDamaged) {
  SightLogSave save;
  const std::string folder = ParentFolder(path);
  if (!MakeFolders(folder, save.problem)) return save;
  if (setAsideDamaged && !SetAside(path, save.damagedCopy, save.problem)) return save;
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    save.problem = Failed("cannot create a file in", folder, errno);
    return save;
  }
  const char* step = nullptr;
  const std::string* where = &temporary;
  int error = 0;
  if (!WriteAll(fd, FormatSightLog(sights))) {
    step = "cannot write";
    error = errno;
  } else if (::fsync(fd) != 0) {
    step = "cannot flush to the disk";
    error = errno;
  }
  if (::close(fd) != 0 && step == nullptr) {
    step = "cannot write";
    error = errno;
  }
  if (step == nullptr && ::rename(temporary.c_str(), path.c_str()) != 0) {
    step = "cannot replace";
    where = &path;
    error = errno;
  }
  if (step != nullptr) {
    ::unlink(temporary.c_str());
    save.problem = Failed(step, *where, error);
    return save;
  }
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    ::fsync(folderFd);
    ::close(folderFd);
  }
  save.ok = true;
  return save;
}

}  // namespace nocturna
