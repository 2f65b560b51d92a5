#include "platform/user_data_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace nocturna {

std::string UserDataFilePath(const std::string& name) {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/nocturna/" + name;
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : "/tmp";
  }
  return std::string(home) + "/.local/share/nocturna/" + name;
}

}  // namespace nocturna
