#pragma once
// Concise sight reduction tables: the navigational triangle split by a perpendicular from the
// zenith to the body's hour circle into two right triangles, each solved from one table entered
// with whole degrees. The first entry (latitude, LHA) gives A, B and Z1; with F = B + Dec the
// second entry (A, F, each to the nearest degree) gives H, P and Z2; the auxiliary table gives
// the corrections to H for the minutes of F and of A. Angles in whole minutes of arc (A, B, H, P)
// and tenths of a degree (Z1, Z2) as printed.
#include <vector>

#include "almanacpages/page_sheet.h"
#include "almanacpages/value_table.h"

namespace nocturna {

inline constexpr int kConciseLatitudes = 90;  // Lat (or A) 0 to 89 degrees
inline constexpr int kConciseRows = 91;       // LHA (or F) 0 to 90 degrees

// One entry for x (latitude, or A) and y (LHA, or F), whole degrees:
// sin a = cos x sin y, tan b = cos y / tan x, tan z = tan b / sin a; all three as magnitudes.
struct ConciseEntry {
  long a = 0;  // minutes of arc
  long b = 0;  // minutes of arc
  long z = 0;  // tenths of a degree
};
ConciseEntry ConciseTableEntry(int x, int y);

// The auxiliary table: `minutes` (0 to 30) times the cosine of `degrees` (0 to 90), to the
// nearest minute of arc. Entered with Z2 for corr2, with 90 - P for corr1.
long AuxiliaryCorrection(int minutes, int degrees);

// A sight worked from the tables by their rules, every figure a navigator writes down.
// Minutes of arc unless named otherwise; signed as the rules sign them.
struct ConciseWorking {
  int latitude = 0;          // assumed, whole degrees, its name's side positive
  int lha = 0;               // whole degrees, 0 to 359
  long declinationTenths = 0;  // as given, tenths of arc-minute, north positive
  long declination = 0;      // nearest minute, minus when contrary to the latitude
  long a = 0, b = 0;         // first entry (b minus for LHA 90-270)
  long z1 = 0;               // tenths of a degree, the sign of b
  long f = 0;                // b + declination
  int aDegrees = 0, aMinutes = 0;  // A to the nearest degree, and the minutes of A (0-59)
  int fDegrees = 0, fMinutes = 0;
  long h = 0, p = 0;         // second entry (p minus for F over 90)
  long z2Entry = 0;          // tenths, minus for F over 90, as the second entry gives it
  long z2 = 0;               // the same interpolated for F' and A'
  int pDegrees = 0, z2Degrees = 0;  // |P| and |Z2| to the nearest degree
  long corr1 = 0, corr2 = 0;
  long hc = 0;
  long z = 0;                // tenths of a degree from the elevated pole
  long zn = 0;               // tenths of a degree, true
  bool belowHorizon = false; // F below 0
};
// `declinationTenths` in tenths of arc-minute, north positive; `latitude` north positive.
ConciseWorking WorkConciseSight(int latitude, int lha, long declinationTenths);

// The example the pages work: Lat 38 N, LHA 302, Dec N 16 07.3.
ConciseWorking ConciseExample();

// Every entry, one row each (x, y, a, b, z), the auxiliary table, and the example's figures.
ValueTable ConciseReductionTable();
ValueTable AuxiliaryTable();
ValueTable ConciseExampleTable();

// The rules with a worked example, the table's pages (six values of x a page, y 0-45 and
// 46-90), then the auxiliary table.
std::vector<Sheet> ConciseReductionSheets();

}  // namespace nocturna
