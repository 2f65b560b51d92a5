#pragma once
// IERS files on disk: one the user names (--iers, the window's import) and the copy the window
// keeps of the last one imported, $XDG_DATA_HOME/nocturna/iers-dut1.txt, read at each start.
#include <memory>
#include <string>
#include <string_view>

#include "ephemeris/precise/dut1_table.h"

namespace nocturna {

// $XDG_DATA_HOME/nocturna/iers-dut1.txt (see UserDataFilePath).
std::string DefaultDut1TablePath();

struct Dut1TableLoad {
  std::shared_ptr<const Dut1Table> table;  // null when absent or refused
  std::string bytes;                       // the file as read, when taken
  bool absent = false;                     // nothing at the path
  std::string problem;  // "<path>: line 12: ..." or the system's reason; empty when taken
};

// Reads and parses an IERS Bulletin A or finals file (a regular file of at most 16 MiB).
Dut1TableLoad LoadDut1TableFile(const std::string& path);

// Keeps the bytes of an imported file at path, making its folder, through the atomic writer.
// Returns an empty text, or what went wrong; the previous copy is then as it was.
std::string SaveDut1TableFile(const std::string& path, std::string_view bytes);

// Imports the IERS file at `from`: read and parsed, then its bytes kept at keptAt for the next
// start. On any problem (the file refused, the copy not written) the table is null, the problem
// says why, and the copy kept before is as it was.
Dut1TableLoad ImportDut1TableFile(const std::string& from, const std::string& keptAt);

}  // namespace nocturna
