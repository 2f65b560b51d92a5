#include "platform/saved_file_steps.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cerrno>
#include <cstring>

namespace nocturna {
namespace {

std::string Failed(const std::string& step, const std::string& path, int error) {
  return step + " " + path + ": " + std::strerror(error);
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

bool SetAside(const std::string& target, std::string& copy, std::string& problem) {
  if (::access(target.c_str(), F_OK) != 0) return true;  // nothing to keep
  for (int n = 1; n < 100; ++n) {
    const std::string name = target + (n == 1 ? ".damaged" : ".damaged-" + std::to_string(n));
    if (::link(target.c_str(), name.c_str()) == 0) {
      copy = name;
      return true;
    }
    if (errno == EEXIST) continue;
    struct stat info{};
    if (::lstat(name.c_str(), &info) == 0) continue;
    if (::rename(target.c_str(), name.c_str()) == 0) {
      copy = name;
      return true;
    }
    problem = Failed("cannot keep the damaged file as", name, errno);
    return false;
  }
  problem = "cannot keep the damaged file: too many damaged copies beside " + target;
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

}  // namespace nocturna
