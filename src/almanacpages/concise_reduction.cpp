#include "almanacpages/concise_reduction.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "foundations/angles.h"

namespace nocturna {
namespace {

// The table's row for an LHA, and the sign B and Z1 take there.
int RowOfHourAngle(int lha) {
  return lha <= 90 ? lha : lha <= 180 ? 180 - lha : lha <= 270 ? lha - 180 : 360 - lha;
}

// The second entry with A and F in whole degrees (F up to 180, entered as 180 - F past 90), its
// B and Z signed minus past 90.
ConciseEntry SecondEntry(int aDegrees, int fDegrees) {
  ConciseEntry entry = ConciseTableEntry(aDegrees, fDegrees <= 90 ? fDegrees : 180 - fDegrees);
  if (fDegrees > 90) {
    entry.b = -entry.b;
    entry.z = -entry.z;
  }
  return entry;
}

// Z2 interpolated for the minutes by which A and F lie from A and F whole, each towards the
// neighbouring entry on its side (tenths of a degree).
long InterpolatedZ2(const ConciseWorking& w) {
  const long fOffset = w.f - 60L * w.fDegrees;
  const long aOffset = w.a - 60L * w.aDegrees;
  const long z0 = w.z2Entry;
  const int fNext = w.fDegrees + (fOffset >= 0 ? 1 : -1);
  const int aNext = w.aDegrees + (aOffset >= 0 ? 1 : -1);
  const long zF = fNext >= 0 && fNext <= 180 ? SecondEntry(w.aDegrees, fNext).z : z0;
  const long zA = aNext >= 0 && aNext < kConciseLatitudes ? SecondEntry(aNext, w.fDegrees).z : z0;
  return z0 + std::lround((std::labs(fOffset) * (zF - z0) + std::labs(aOffset) * (zA - z0)) / 60.0);
}

// corr1 = F' sin P and corr2 = -A' cos Z2, with F' and A' the signed minutes from F and A whole:
// minutes of 30' and more are read as 60' less them, the other way.
void ApplyCorrections(ConciseWorking& w) {
  const int fMinutes = w.fMinutes < 30 ? w.fMinutes : 60 - w.fMinutes;
  w.corr1 = AuxiliaryCorrection(fMinutes, 90 - w.pDegrees);
  if ((w.fMinutes >= 30) != (w.p < 0)) w.corr1 = -w.corr1;
  const int aMinutes = w.aMinutes < 30 ? w.aMinutes : 60 - w.aMinutes;
  w.corr2 = AuxiliaryCorrection(aMinutes, w.z2Degrees);
  if (w.aMinutes < 30) w.corr2 = -w.corr2;
  w.hc = w.h + w.corr1 + w.corr2;
}

// Z from the elevated pole, then true: Zn = Z (north latitude, LHA over 180), 360 - Z (north,
// LHA under 180), 180 - Z (south, over 180), 180 + Z (south, under 180).
void ApplyAzimuth(ConciseWorking& w, bool south) {
  w.z = w.z1 + w.z2;
  if (w.z < 0) w.z += 1800;
  const bool west = w.lha < 180;
  const long zn = south ? (west ? 1800 + w.z : 1800 - w.z) : (west ? 3600 - w.z : w.z);
  w.zn = (zn % 3600 + 3600) % 3600;
}

}  // namespace

ConciseEntry ConciseTableEntry(int x, int y) {
  const double cx = std::cos(DegToRad(x));
  const double sx = std::sin(DegToRad(x));
  const double cy = std::cos(DegToRad(y));
  const double sy = std::sin(DegToRad(y));
  const double a = std::asin(std::min(1.0, cx * sy));
  const double b = std::atan2(cy * cx, sx);
  const double z = std::atan2(std::sin(b), std::cos(b) * std::sin(a));
  return {std::lround(60.0 * RadToDeg(a)), std::lround(60.0 * RadToDeg(std::fabs(b))),
          std::lround(10.0 * RadToDeg(std::fabs(z)))};
}

long AuxiliaryCorrection(int minutes, int degrees) {
  return std::lround(minutes * std::cos(DegToRad(degrees)));
}

ConciseWorking WorkConciseSight(int latitude, int lha, long declinationTenths) {
  ConciseWorking w;
  const bool south = latitude < 0;
  w.latitude = std::abs(latitude);
  w.lha = ((lha % 360) + 360) % 360;
  w.declinationTenths = declinationTenths;
  w.declination = std::lround((south ? -declinationTenths : declinationTenths) / 10.0);
  const ConciseEntry first = ConciseTableEntry(w.latitude, RowOfHourAngle(w.lha));
  const bool minus = w.lha > 90 && w.lha < 270;
  w.a = first.a;
  w.b = minus ? -first.b : first.b;
  w.z1 = minus ? -first.z : first.z;
  w.f = w.b + w.declination;
  w.belowHorizon = w.f < 0;
  if (w.belowHorizon) return w;
  w.aDegrees = std::min(static_cast<int>((w.a + 30) / 60), kConciseLatitudes - 1);
  w.aMinutes = static_cast<int>(w.a % 60);
  w.fDegrees = static_cast<int>((w.f + 30) / 60);
  w.fMinutes = static_cast<int>(w.f % 60);
  const ConciseEntry second = SecondEntry(w.aDegrees, w.fDegrees);
  w.h = second.a;
  w.p = second.b;
  w.z2Entry = second.z;
  w.z2 = InterpolatedZ2(w);
  w.pDegrees = static_cast<int>((std::labs(w.p) + 30) / 60);
  w.z2Degrees = static_cast<int>((std::labs(w.z2) + 5) / 10);
  ApplyCorrections(w);
  ApplyAzimuth(w, south);
  return w;
}

ConciseWorking ConciseExample() { return WorkConciseSight(38, 302, 16 * 600 + 73); }

ValueTable ConciseExampleTable() {
  const ConciseWorking w = ConciseExample();
  return {"concise reduction example",
          {{"latitude", "deg"}, {"lha", "deg"}, {"declination", "arcmin"}, {"a", "arcmin"}, {"b", "arcmin"},
           {"z1", "0.1 deg"}, {"f", "arcmin"}, {"a_degrees", "deg"}, {"a_minutes", "arcmin"}, {"f_degrees", "deg"},
           {"f_minutes", "arcmin"}, {"h", "arcmin"}, {"p", "arcmin"}, {"p_degrees", "deg"}, {"z2_entry", "0.1 deg"},
           {"z2", "0.1 deg"}, {"z2_degrees", "deg"}, {"corr1", "arcmin"}, {"corr2", "arcmin"}, {"hc", "arcmin"},
           {"z", "0.1 deg"}, {"zn", "0.1 deg"}},
          {{w.latitude, w.lha, w.declination, w.a, w.b, w.z1, w.f, w.aDegrees, w.aMinutes, w.fDegrees, w.fMinutes, w.h,
            w.p, w.pDegrees, w.z2Entry, w.z2, w.z2Degrees, w.corr1, w.corr2, w.hc, w.z, w.zn}}};
}

ValueTable ConciseReductionTable() {
  ValueTable table{"concise reduction",
                   {{"latitude_or_a", "deg"},
                    {"lha_or_f", "deg"},
                    {"a_or_h", "arcmin"},
                    {"b_or_p", "arcmin"},
                    {"z1_or_z2", "0.1 deg"}},
                   {}};
  for (int x = 0; x < kConciseLatitudes; ++x) {
    for (int y = 0; y < kConciseRows; ++y) {
      const ConciseEntry entry = ConciseTableEntry(x, y);
      table.rows.push_back({x, y, entry.a, entry.b, entry.z});
    }
  }
  return table;
}

ValueTable AuxiliaryTable() {
  ValueTable table{"auxiliary", {{"minutes", "arcmin"}}, {}};
  for (int degrees = 0; degrees <= 90; ++degrees) {
    table.columns.push_back({"z2_" + std::to_string(degrees) + "_p_" + std::to_string(90 - degrees), "arcmin"});
  }
  for (int minutes = 0; minutes <= 30; ++minutes) {
    std::vector<long> row{minutes};
    for (int degrees = 0; degrees <= 90; ++degrees) row.push_back(AuxiliaryCorrection(minutes, degrees));
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace nocturna
