#include "platform/dut1_table_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "ephemeris/precise/iers_file.h"
#include "platform/atomic_file.h"
#include "platform/saved_file_steps.h"
#include "platform/user_data_path.h"

namespace nocturna {
namespace {

// finals2000A.all, every day since 1973, is under 4 MiB.
constexpr off_t kLargestIersFileBytes = off_t{16} << 20;

}  // namespace

std::string DefaultDut1TablePath() { return UserDataFilePath("iers-dut1.txt"); }

Dut1TableLoad LoadDut1TableFile(const std::string& path) {
  Dut1TableLoad load;
  struct stat info{};
  if (::stat(path.c_str(), &info) != 0) {
    load.absent = errno == ENOENT;
    load.problem = "cannot read " + path + ": " + std::strerror(errno);
    return load;
  }
  if (!S_ISREG(info.st_mode)) {
    load.problem = path + " is not a regular file";
    return load;
  }
  if (info.st_size > kLargestIersFileBytes) {
    load.problem = path + " is too large to be an IERS file";
    return load;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  if (!(in && bytes << in.rdbuf()) && info.st_size > 0) {
    load.problem = "cannot read " + path;
    return load;
  }
  IersFileParse parse = ParseIersFile(bytes.str());
  if (!parse.error.empty()) {
    load.problem = path + ": " + parse.error;
    return load;
  }
  load.table = std::make_shared<const Dut1Table>(std::move(parse.table));
  load.bytes = bytes.str();
  return load;
}

std::string SaveDut1TableFile(const std::string& path, std::string_view bytes) {
  std::string problem;
  if (!MakeFolders(ParentFolder(path), problem)) return problem;
  return WriteFileAtomically(path, bytes, "the IERS table");
}

Dut1TableLoad ImportDut1TableFile(const std::string& from, const std::string& keptAt) {
  Dut1TableLoad load = LoadDut1TableFile(from);
  if (!load.table) return load;
  load.problem = SaveDut1TableFile(keptAt, load.bytes);
  if (!load.problem.empty()) load.table = nullptr;
  return load;
}

}  // namespace nocturna
