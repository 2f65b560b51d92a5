#pragma once
// Concise sight reduction tables: the navigational triangle split by a perpendicular from the
// zenith to the body's hour circle into two right triangles, each solved from one table entered
// with whole degrees. First entry (latitude, LHA) gives A, B and Z1; with F = B + Dec the second
// entry (A, F) gives H, P and Z2; the auxiliary table corrects H for the minutes of F and A.
// Angles in whole minutes of arc (A, B, H, P) and tenths of a degree (Z1, Z2) as printed.
#include <vector>

#include "almanacpages/page_sheet.h"
#include "almanacpages/value_table.h"

namespace nocturna {

inline constexpr int kConciseArguments = 91;  // 0 to 90 degrees, both arguments

// One entry for x (latitude, or A) and y (LHA, or F), whole degrees 0..90:
// sin a = cos x sin y, tan b = cos y / tan x, tan z = tan b / sin a.
struct ConciseEntry {
  long a = 0;  // minutes of arc
  long b = 0;  // minutes of arc
  long z = 0;  // tenths of a degree
};
ConciseEntry ConciseTableEntry(int x, int y);

// The part of `minutes` (tenths of arc-minute) that the auxiliary table gives for an angle in
// whole degrees: minutes cos(angle), tenths of arc-minute.
long AuxiliaryCorrection(int minutesTenths, int angleDegrees);

// Every entry, one row each (x, y, a, b, z), and the auxiliary table.
ValueTable ConciseReductionTable();
ValueTable AuxiliaryTable();

// The table's pages (six values of x a page, y 0-45 and 46-90), then the auxiliary table with
// the method's rules.
std::vector<Sheet> ConciseReductionSheets();

}  // namespace nocturna
