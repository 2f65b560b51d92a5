#include "platform/dut1_table_file.h"

#include "ephemeris/precise/iers_file.h"
#include "platform/atomic_file.h"
#include "platform/bounded_file_reader.h"
#include "platform/user_data_path.h"

namespace nocturna {

std::string DefaultDut1TablePath() { return UserDataFilePath("iers-dut1.txt"); }

Dut1TableLoad LoadDut1TableFile(const std::string& path) {
  Dut1TableLoad load;
  FileRead read = ReadBoundedFile(path, FileKinds::StreamsToo);
  if (read.outcome != FileReadOutcome::Read) {
    load.absent = read.outcome == FileReadOutcome::Absent;
    load.problem = read.problem;
    return load;
  }
  IersFileParse parse = ParseIersFile(read.bytes);
  if (!parse.error.empty()) {
    load.problem = path + ": " + parse.error;
    return load;
  }
  load.table = std::make_shared<const Dut1Table>(std::move(parse.table));
  load.bytes = std::move(read.bytes);
  return load;
}

std::string SaveDut1TableFile(const std::string& path, std::string_view bytes) {
  return SaveUserFile(path, bytes, "the IERS table", false).problem;
}

Dut1TableLoad ImportDut1TableFile(const std::string& from, const std::string& keptAt) {
  Dut1TableLoad load = LoadDut1TableFile(from);
  if (!load.table) return load;
  load.problem = SaveDut1TableFile(keptAt, load.bytes);
  if (!load.problem.empty()) load.table = nullptr;
  return load;
}

}  // namespace nocturna
