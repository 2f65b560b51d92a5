#pragma once
// The hive's file: where it lives, reading it with every byte checked, and replacing it
// atomically, so that a crash, a full disk or a folder that refuses the write leaves the
// previous file whole.
#include <string>

#include "platform/atomic_file.h"
#include "platform/registry_hive.h"

namespace nocturna {

// The hive file of the current user: $XDG_CONFIG_HOME/nocturna/registry.hive, with
// $HOME/.config standing in for an unset or relative XDG_CONFIG_HOME.
std::string DefaultHivePath();

enum class HiveFileState {
  Absent,      // no file: nothing was ever saved
  Loaded,      // read and valid
  Damaged,     // there, but not a valid hive, or a pipe, socket or device (problem says why)
  Unreadable,  // there, but a folder, or the system refused to read it (problem says why)
};

struct HiveLoad {
  HiveFileState state = HiveFileState::Absent;
  Hive hive;
  std::string problem;
};

// Opens without blocking, so whatever stands at path answers at once.
HiveLoad LoadHive(const std::string& path);

// The system calls a save makes that a test may make fail; the defaults are the system's.
using HiveFileOps = WriteCalls;
using HiveSave = UserFileSave;

// Writes the hive through the one atomic writer (see SaveUserFile): a temporary file in the same
// folder (created when missing), flushed, renamed over path, the folder flushed. With
// setAsideDamaged what is now at path is first kept under path + ".damaged" (".damaged-2", ...
// when that is taken). On any failure the file at path is as it was and no temporary file is
// left. Temporary files that earlier saves left behind (killed before their rename) are removed.
HiveSave SaveHive(const std::string& path, const Hive& hive, bool setAsideDamaged,
                  const HiveFileOps& ops = {});

}  // namespace nocturna
