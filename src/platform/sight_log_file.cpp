#include "platform/sight_log_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/atomic_file.h"
#include "platform/saved_file_steps.h"
#include "platform/user_data_path.h"

namespace nocturna {
namespace {

// A log larger than this is not a sight log (a year of sights is a few hundred kilobytes).
constexpr std::size_t kLargestSightLogBytes = 16u << 20;

std::string Failed(const std::string& step, const std::string& path, int error) {
  return step + " " + path + ": " + std::strerror(error);
}

}  // namespace

std::string DefaultSightLogPath() { return UserDataFilePath("sights.csv"); }

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
  save.problem = WriteFileAtomically(path, FormatSightLog(sights), "the sight log");
  save.ok = save.problem.empty();
  return save;
}

}  // namespace nocturna
