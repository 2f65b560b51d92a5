#include "platform/saved_file_steps.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace nocturna {
namespace {

constexpr char kTemporarySuffix[] = ".XXXXXX";
constexpr std::size_t kRandomLetters = 6;

std::string Failed(const std::string& step, const std::string& path, int error) {
  return step + " " + path + ": " + std::strerror(error);
}

std::string DamagedName(const std::string& path, int n) {
  return path + (n == 1 ? ".damaged" : ".damaged-" + std::to_string(n));
}

bool IsTemporaryName(const std::string& name, const std::string& targetName) {
  if (name.size() != targetName.size() + 1 + kRandomLetters || name.compare(0, targetName.size(), targetName) != 0 ||
      name[targetName.size()] != '.') {
    return false;
  }
  return std::all_of(name.end() - kRandomLetters, name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Removes the file at path when it is a regular file no save holds locked (its writer is dead)
// whose bytes begin as contentsStart does. The lock is held through the unlink, so a save that
// has just made this name finds it gone and takes another.
void RemoveWhenStale(const std::string& path, std::string_view contentsStart) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  struct stat opened{}, named{};
  std::string start(contentsStart.size(), '\0');
  if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
    const ssize_t got = ::read(fd, start.data(), start.size());
    if (got >= 0 && contentsStart.substr(0, static_cast<std::size_t>(got)) == start.substr(0, got) &&
        ::lstat(path.c_str(), &named) == 0 && SameFile(opened, named)) {
      ::unlink(path.c_str());
    }
  }
  ::close(fd);
}

}  // namespace

std::string ParentFolder(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
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

bool SetAside(const std::string& path, std::string& copy, std::string& problem) {
  struct stat info{};
  if (::lstat(path.c_str(), &info) != 0) return true;  // nothing to keep
  const bool keepName = S_ISREG(info.st_mode);
  for (int n = 1; n < 100; ++n) {
    const std::string name = DamagedName(path, n);
    if (keepName && ::link(path.c_str(), name.c_str()) == 0) {
      copy = name;
      return true;
    }
    if (keepName && errno == EEXIST) continue;
    struct stat taken{};
    if (::lstat(name.c_str(), &taken) == 0) continue;
    if (::rename(path.c_str(), name.c_str()) == 0) {
      copy = name;
      return true;
    }
    problem = Failed("cannot keep the damaged file as", name, errno);
    return false;
  }
  problem = "cannot keep the damaged file: too many damaged copies beside " + path;
  return false;
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

std::string FileBehindLink(const std::string& path) {
  struct stat info{};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

std::string TemporaryNameTemplate(const std::string& target) { return target + kTemporarySuffix; }

void RemoveStaleTemporaries(const std::string& target, std::string_view contentsStart) {
  const std::string folder = ParentFolder(target);
  const std::string targetName = target.substr(target.rfind('/') + 1);
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    if (IsTemporaryName(entry->d_name, targetName)) RemoveWhenStale(folder + "/" + entry->d_name, contentsStart);
  }
  ::closedir(dir);
}

}  // namespace nocturna
