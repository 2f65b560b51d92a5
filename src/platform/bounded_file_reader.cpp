#include "platform/bounded_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace nocturna {
namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

FileRead Refused(FileReadOutcome outcome, std::string problem) {
  FileRead read;
  read.outcome = outcome;
  read.problem = std::move(problem);
  return read;
}

std::string SizeText(std::size_t bytes) {
  constexpr double kMegabyte = 1024.0 * 1024.0;
  if (bytes < kMegabyte) return std::to_string(bytes) + " bytes";
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / kMegabyte);
  return text;
}

FileRead TooLarge(const std::string& path, const std::string& size, std::size_t limit) {
  return Refused(FileReadOutcome::TooLarge, path + " is too large (" + size + "; at most " +
                                                SizeText(limit) + " is read)");
}

// Reads to the end, or to one byte past the limit, which tells a file that is too large.
FileRead ReadToEnd(int fd, const std::string& path, std::size_t limit, std::size_t expected) {
  FileRead read;
  read.bytes.reserve(std::min(expected, limit) + kChunkBytes);
  std::size_t wanted = limit + 1;
  while (wanted > 0) {
    const std::size_t before = read.bytes.size();
    read.bytes.resize(before + std::min(wanted, kChunkBytes));
    const ssize_t got = ::read(fd, read.bytes.data() + before, read.bytes.size() - before);
    read.bytes.resize(before + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Refused(FileReadOutcome::Refused, "cannot read " + path + ": " + std::strerror(errno));
    if (got == 0) return read;
    wanted -= static_cast<std::size_t>(got);
  }
  return TooLarge(path, "more than " + SizeText(limit), limit);
}

FileRead ReadOpened(int fd, const std::string& path, FileKinds kinds, std::size_t limit) {
  struct stat info{};
  if (::fstat(fd, &info) != 0) return Refused(FileReadOutcome::Refused, "cannot examine " + path + ": " + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return Refused(FileReadOutcome::Refused, path + " is a directory");
  const bool regular = S_ISREG(info.st_mode);
  const bool stream = S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode);
  if (!regular && !(stream && kinds == FileKinds::StreamsToo)) {
    return Refused(FileReadOutcome::Refused, path + " is not a regular file");
  }
  if (regular && static_cast<std::size_t>(info.st_size) > limit) {
    return TooLarge(path, SizeText(static_cast<std::size_t>(info.st_size)), limit);
  }
  // Opened without blocking so that a pipe answers at once; read with blocking, so that a pipe
  // whose writer is there gives all it writes.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  // A stream's size is unknown: room for the bound at once (pages untouched cost nothing), so the
  // buffer is never copied to grow.
  return ReadToEnd(fd, path, limit, regular ? static_cast<std::size_t>(info.st_size) : limit);
}

}  // namespace

FileRead ReadBoundedFile(const std::string& path, FileKinds kinds, std::size_t limit) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    return Refused(error == ENOENT ? FileReadOutcome::Absent : FileReadOutcome::Refused,
                   "cannot open " + path + ": " + std::strerror(error));
  }
  FileRead read = ReadOpened(fd, path, kinds, limit);
  ::close(fd);
  return read;
}

}  // namespace nocturna
