#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/saved_file_steps.h"

namespace nocturna {

namespace {

struct Target {
  const std::string& path;  // as given, for messages
  const std::string& what;
};

std::string Failed(const Target& target, int error) {
  return "cannot write " + target.what + " " + target.path + ": " + std::strerror(error);
}

// A device or a pipe takes the bytes as they come; O_NONBLOCK makes opening a pipe that nobody
// reads fail at once (ENXIO) instead of waiting for ever.
std::string WriteDirectly(const Target& named, const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Failed(named, errno);
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  int error = WriteAll(fd, bytes) ? 0 : errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error == 0 ? std::string() : Failed(named, error);
}

// The permissions a new file gets: those of the file it replaces, else 0666 less the umask.
mode_t ModeFor(const struct stat* existing) {
  if (existing != nullptr) return existing->st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                const std::string& what) {
  const Target named{path, what};
  if (path.empty()) return "cannot write " + what + " without a file name";
  const std::string target = FileBehindLink(path);
  struct stat info{};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) return Failed(named, EISDIR);
  if (exists && !S_ISREG(info.st_mode)) return WriteDirectly(named, target, bytes);

  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return Failed(named, errno);
  int error = 0;
  if (::fchmod(fd, ModeFor(exists ? &info : nullptr)) != 0 || !WriteAll(fd, bytes) ||
      ::fsync(fd) != 0) {
    error = errno;
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Failed(named, error);
  }
  // The new name lasts through a power cut once the folder is flushed too.
  const int folder = ::open(ParentFolder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return {};
}

}  // namespace nocturna
