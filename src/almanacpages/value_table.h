#pragma once
// A printed table's values as plain numbers, for the command line's JSON: named columns with
// their units, and rows of whole numbers in those units (angles in tenths of a minute of arc,
// the printed precision).
#include <string>
#include <vector>

namespace nocturna {

struct ValueColumn {
  std::string name;  // "sun_planets", "height_of_eye"
  std::string unit;  // "0.1 arcmin", "0.1 m", "s", "deg"
};

struct ValueTable {
  std::string name;  // "increments 4m", "dip"
  std::vector<ValueColumn> columns;
  std::vector<std::vector<long>> rows;  // one value per column
};

}  // namespace nocturna
