#include "platform/sight_log_file.h"

#include "platform/atomic_file.h"
#include "platform/bounded_file_reader.h"
#include "platform/user_data_path.h"

namespace nocturna {

std::string DefaultSightLogPath() { return UserDataFilePath("sights.csv"); }

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
  load.state = SightLogFileState::Loaded;
  load.text = read.bytes;
  return load;
}

SightLogSave SaveSightLog(const std::string& path, const std::string& text, bool setAsideDamaged) {
  return SaveUserFile(path, text, "the sight log", setAsideDamaged);
}

}  // namespace nocturna
