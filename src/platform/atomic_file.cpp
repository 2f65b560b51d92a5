#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/saved_file_steps.h"

namespace nocturna {

namespace {

// How much of the new contents a stale temporary file must begin with to be taken for ours:
// enough for a PDF's, an image's or the settings' signature.
constexpr std::size_t kSignatureBytes = 8;
constexpr int kTemporaryAttempts = 8;
// A user's own data (settings, sights) is readable by the user alone, as XDG asks.
constexpr mode_t kPrivateFileMode = 0600;

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

// The permissions of a file that is not private: 0666 less the umask.
mode_t SharedFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A new temporary file beside target, locked for as long as it is open so that a save running
// beside this one sees it is alive and leaves it. Should such a save have swept the name away
// before the lock was taken, another name is made. -1 with errno set on failure.
int CreateLockedTemporary(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
    name = TemporaryNameTemplate(target);
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    ::flock(fd, LOCK_EX);
    struct stat opened{}, named{};
    if (::fstat(fd, &opened) == 0 && ::lstat(name.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
        opened.st_ino == named.st_ino) {
      return fd;
    }
    ::close(fd);
  }
  errno = EAGAIN;
  return -1;
}

void FlushFolder(const std::string& target, int (*fsyncCall)(int)) {
  const int folder = ::open(ParentFolder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return;
  fsyncCall(folder);
  ::close(folder);
}

std::string ReplaceRegularFile(const Target& named, const std::string& target, mode_t mode,
                               std::string_view bytes, const WriteCalls& calls) {
  RemoveStaleTemporaries(target, bytes.substr(0, std::min(bytes.size(), kSignatureBytes)));
  std::string temporary;
  const int fd = CreateLockedTemporary(target, temporary);
  if (fd < 0) return Failed(named, errno);
  const auto fsyncCall = calls.fsync != nullptr ? calls.fsync : ::fsync;
  const auto renameCall = calls.rename != nullptr ? calls.rename : ::rename;
  int error = 0;
  if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsyncCall(fd) != 0) error = errno;
  // Renamed while still open and locked, so no sweep takes it for a dead save's file.
  if (error == 0 && renameCall(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) return Failed(named, error);
  // The new name lasts through a power cut once the folder is flushed too.
  FlushFolder(target, fsyncCall);
  return {};
}

std::string WriteFile(const std::string& path, std::string_view bytes, const std::string& what,
                      const WriteCalls& calls, mode_t newFileMode) {
  const Target named{path, what};
  if (path.empty()) return "cannot write " + what + " without a file name";
  const std::string target = FileBehindLink(path);
  struct stat info{};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) return Failed(named, EISDIR);
  if (exists && !S_ISREG(info.st_mode)) return WriteDirectly(named, target, bytes);
  // A replaced file keeps its permissions, but its owner can always read back what was saved.
  const mode_t mode = exists ? (info.st_mode & 07777) | S_IRUSR | S_IWUSR : newFileMode;
  return ReplaceRegularFile(named, target, mode, bytes, calls);
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                const std::string& what, const WriteCalls& calls) {
  return WriteFile(path, bytes, what, calls, SharedFileMode());
}

UserFileSave SaveUserFile(const std::string& path, std::string_view bytes, const std::string& what,
                          bool setAsideDamaged, const WriteCalls& calls) {
  UserFileSave save;
  if (!MakeFolders(ParentFolder(path), save.problem)) return save;
  if (setAsideDamaged && !SetAside(path, save.damagedCopy, save.problem)) return save;
  save.problem = WriteFile(path, bytes, what, calls, kPrivateFileMode);
  save.ok = save.problem.empty();
  return save;
}

}  // namespace nocturna
