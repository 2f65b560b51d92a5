#pragma once
// The sight log's file: where it lives, reading its bytes, and replacing it atomically (a
// temporary file in the same folder, flushed, renamed over the old one), so that a crash or a
// full disk leaves the previous log whole. A damaged log is kept aside, never overwritten.
// What the bytes say is the sights library's business (sights/sight_log_csv.h).
#include <string>

#include "platform/atomic_file.h"

namespace nocturna {

// $XDG_DATA_HOME/nocturna/sights.csv, with $HOME/.local/share standing in for an unset or
// relative XDG_DATA_HOME.
std::string DefaultSightLogPath();

enum class SightLogFileState {
  Absent,      // no file yet
  Loaded,      // read whole
  Damaged,     // there, but too large to be a sight log
  Unreadable,  // there, but a folder, not a regular file, or the system refused to read it
};

struct SightLogLoad {
  SightLogFileState state = SightLogFileState::Absent;
  std::string text;  // the file's bytes, when loaded
  std::string problem;
};

SightLogLoad LoadSightLog(const std::string& path);

using SightLogSave = UserFileSave;

// Writes the log's text through the one atomic writer (see SaveUserFile). With
// setAsideDamaged what is now at path (a damaged log, a folder, a pipe, a symbolic link) is first
// kept under path + ".damaged" (".damaged-2", ... when taken) and never written into. On failure
// the file at path is as it was and no temporary file is left.
SightLogSave SaveSightLog(const std::string& path, const std::string& text, bool setAsideDamaged);

}  // namespace nocturna
