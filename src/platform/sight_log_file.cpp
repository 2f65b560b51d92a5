#include "platform/sight_log_file.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/atomic_file.h"
#include "platform/bounded_file_reader.h"

namespace nocturna {

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
  const FileRead read = ReadBoundedFile(path, FileKinds::RegularOnly);
  if (read.outcome == FileReadOutcome::Absent) return load;
  if (read.outcome != FileReadOutcome::Read) {
    // Too large is a damaged log, kept aside on a save like any other.
    load.state = read.outcome == FileReadOutcome::TooLarge ? SightLogFileState::Damaged
                                                          : SightLogFileState::Unreadable;
    load.problem = read.problem;
    return load;
  }
  SightLogParse parse = ParseSightLog(read.bytes);
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
  return SaveUserFile(path, FormatSightLog(sights), "the sight log", setAsideDamaged);
}

}  // namespace nocturna
