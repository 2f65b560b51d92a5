#include "almanacpages/altitude_correction_tables.h"

#include <algorithm>
#include <cmath>

#include "sights/sight_corrections.h"

namespace nocturna {
namespace {

constexpr double kSunHorizontalParallax = 8.794 / 60.0;  // minutes of arc
constexpr int kTenDegrees = 600;                          // minutes of arc
constexpr int kNinetyDegrees = 5400;

// Ho - Ha in tenths of arc-minute for a sight taken with no index error, no dip and the
// standard atmosphere.
ArcTenths CorrectionOf(double altitudeMinutes, const BodyDisc& disc) {
  const AltitudeCorrections c = CorrectSextantAltitude(altitudeMinutes / 60.0, SightConditions{}, disc);
  return RoundArcMinutes((c.observedAltitudeDegrees - c.apparentAltitudeDegrees) * 60.0);
}

Limb LimbOf(TableLimb limb) { return limb == TableLimb::lower ? Limb::lower : Limb::upper; }

// The rows of a critical table over the arguments from..to by step: each argument at which a
// rounded value changes, then the values that hold from it up to the next row's argument.
template <typename Values>
std::vector<std::vector<long>> CriticalRows(int from, int to, int step, Values values) {
  std::vector<std::vector<long>> rows;
  for (int argument = from; argument <= to; argument += step) {
    std::vector<long> row{argument};
    for (const long value : values(argument)) row.push_back(value);
    if (rows.empty() || !std::equal(row.begin() + 1, row.end(), rows.back().begin() + 1)) {
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

ValueTable SunTable(const char* name, double semiDiameter) {
  return {name,
          {{"from_apparent_altitude", "arcmin"}, {"lower_limb", "0.1 arcmin"}, {"upper_limb", "0.1 arcmin"}},
          CriticalRows(kTenDegrees, kNinetyDegrees, 1, [semiDiameter](int minutes) {
            return std::vector<long>{SunAltitudeCorrection(minutes, semiDiameter, TableLimb::lower),
                                     SunAltitudeCorrection(minutes, semiDiameter, TableLimb::upper)};
          })};
}

ValueTable StarTable() {
  return {"stars and planets",
          {{"from_apparent_altitude", "arcmin"}, {"correction", "0.1 arcmin"}},
          CriticalRows(kTenDegrees, kNinetyDegrees, 1, [](int minutes) {
            return std::vector<long>{StarAltitudeCorrection(minutes)};
          })};
}

ValueTable DipTable() {
  constexpr int kLowestHeight = 10;    // 1.0 m
  constexpr int kHighestHeight = 300;  // 30.0 m
  return {"dip",
          {{"from_height_of_eye", "0.1 m"}, {"dip", "0.1 arcmin"}},
          CriticalRows(kLowestHeight, kHighestHeight, 1, [](int height) {
            return std::vector<long>{-DipCorrection(height)};
          })};
}

// 0 deg to 3 deg 30' every 5', then to 10 deg every 10'.
std::vector<int> LowAltitudes() {
  std::vector<int> minutes;
  for (int m = 0; m < 210; m += 5) minutes.push_back(m);
  for (int m = 210; m <= kTenDegrees; m += 10) minutes.push_back(m);
  return minutes;
}

ValueTable LowAltitudeTable() {
  ValueTable table{"low altitudes",
                   {{"apparent_altitude", "arcmin"},
                    {"sun_october_march_lower_limb", "0.1 arcmin"},
                    {"sun_october_march_upper_limb", "0.1 arcmin"},
                    {"sun_april_september_lower_limb", "0.1 arcmin"},
                    {"sun_april_september_upper_limb", "0.1 arcmin"},
                    {"stars_and_planets", "0.1 arcmin"}},
                   {}};
  for (const int m : LowAltitudes()) {
    table.rows.push_back({m, SunAltitudeCorrection(m, kWinterSunSemiDiameter, TableLimb::lower),
                          SunAltitudeCorrection(m, kWinterSunSemiDiameter, TableLimb::upper),
                          SunAltitudeCorrection(m, kSummerSunSemiDiameter, TableLimb::lower),
                          SunAltitudeCorrection(m, kSummerSunSemiDiameter, TableLimb::upper),
                          StarAltitudeCorrection(m)});
  }
  return table;
}

}  // namespace

ArcTenths SunAltitudeCorrection(double altitudeMinutes, double semiDiameter, TableLimb limb) {
  return CorrectionOf(altitudeMinutes, BodyDisc{LimbOf(limb), semiDiameter, kSunHorizontalParallax, false});
}

ArcTenths StarAltitudeCorrection(double altitudeMinutes) {
  return CorrectionOf(altitudeMinutes, BodyDisc{});
}

ArcTenths MoonAltitudeCorrection(double altitudeMinutes, double horizontalParallax, TableLimb limb) {
  return CorrectionOf(altitudeMinutes, BodyDisc{LimbOf(limb), kMoonRadiusRatio * horizontalParallax,
                                                horizontalParallax, true});
}

ArcTenths DipCorrection(int heightTenthsOfMetre) {
  return RoundArcMinutes(DipMinutes(heightTenthsOfMetre / 10.0));
}

int RefractionFactorHundredths(int temperatureCelsius, int pressureHectopascals) {
  return static_cast<int>(std::lround(100.0 * RefractionScale(temperatureCelsius, pressureHectopascals)));
}

ArcTenths AdditionalRefraction(double altitudeMinutes, int factorHundredths) {
  // The refraction is subtracted, so a denser air's larger refraction is a negative correction.
  return RoundArcMinutes(-(factorHundredths / 100.0 - 1.0) * StandardRefractionMinutes(altitudeMinutes / 60.0));
}

std::vector<ValueTable> AltitudeCorrectionTables() {
  std::vector<ValueTable> tables{SunTable("sun october-march", kWinterSunSemiDiameter),
                                 SunTable("sun april-september", kSummerSunSemiDiameter), StarTable(),
                                 DipTable(), LowAltitudeTable()};
  for (ValueTable& table : RefractionAndMoonTables()) tables.push_back(std::move(table));
  return tables;
}

}  // namespace nocturna
