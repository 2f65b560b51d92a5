#pragma once
// Where the user's own data files live: $XDG_DATA_HOME/nocturna/, with $HOME/.local/share
// standing in for an unset or relative XDG_DATA_HOME (the account's home folder for an unset
// HOME).
#include <string>

namespace nocturna {

// The path of the data file `name` in that folder, looked up at each call.
std::string UserDataFilePath(const std::string& name);

}  // namespace nocturna
