#pragma once
// The sight log's file: where it lives, reading it, and replacing it atomically (a temporary
// file in the same folder, flushed, renamed over the old one), so that a crash or a full disk
// leaves the previous log whole. A damaged log is kept aside, never overwritten.
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "sights/sight_log_csv.h"

namespace nocturna {

// $XDG_DATA_HOME/nocturna/sights.csv, with $HOME/.local/share standing in for an unset or
// relative XDG_DATA_HOME.
std::string DefaultSightLogPath();

enum class SightLogFileState {
  Absent,      // no file yet
  Loaded,      // read and valid
  Damaged,     // there, but not a valid sight log (problem says why, with its line and column)
  Unreadable,  // there, but a folder, not a regular file, or the system refused to read it
};

struct SightLogLoad {
  SightLogFileState state = SightLogFileState::Absent;
  std::vector<SightRecord> sights;
  std::string problem;
};

SightLogLoad LoadSightLog(const std::string& path);

using SightLogSave = UserFileSave;

// Writes the sights in the log's CSV form through the one atomic writer (see SaveUserFile). With
// setAsideDamaged what is now at path (a damaged log, a folder, a pipe, a symbolic link) is first
// kept under path + ".damaged" (".damaged-2", ... when taken) and never written into. On failure
// the file at path is as it was and no temporary file is left.
SightLogSave SaveSightLog(const std::string& path, const std::vector<SightRecord>& sights,
                          bool setAsideDamaged);

}  // namespace nocturna
