// The tables for a non-standard atmosphere and the Moon's table.
#include <string>

#include "almanacpages/altitude_correction_tables.h"

namespace nocturna {
namespace {

constexpr int kFirstTemperature = -30;  // degC, every 5
constexpr int kLastTemperature = 45;
constexpr int kFirstPressure = 960;     // hPa, every 10
constexpr int kLastPressure = 1050;
constexpr int kFirstFactor = 80;        // hundredths, every 5
constexpr int kLastFactor = 120;
constexpr int kFirstParallax = 54;      // minutes of arc, every 1
constexpr int kLastParallax = 61;

// Apparent altitudes of the additional correction, minutes of arc.
constexpr int kAdditionalAltitudes[] = {0,   30,  60,  90,  120, 150,  180,  240,  300,  360,  420, 480,
                                        540, 600, 720, 900, 1200, 1500, 1800, 2400, 3000, 3600, 5400};

ValueTable FactorTable() {
  ValueTable table{"refraction factor", {{"temperature", "degC"}}, {}};
  for (int p = kFirstPressure; p <= kLastPressure; p += 10) {
    table.columns.push_back({"pressure_" + std::to_string(p) + "_hPa", "0.01"});
  }
  for (int t = kFirstTemperature; t <= kLastTemperature; t += 5) {
    std::vector<long> row{t};
    for (int p = kFirstPressure; p <= kLastPressure; p += 10) row.push_back(RefractionFactorHundredths(t, p));
    table.rows.push_back(std::move(row));
  }
  return table;
}

ValueTable AdditionalTable() {
  ValueTable table{"additional refraction", {{"apparent_altitude", "arcmin"}}, {}};
  for (int f = kFirstFactor; f <= kLastFactor; f += 5) {
    table.columns.push_back({"factor_" + std::to_string(f), "0.1 arcmin"});
  }
  for (const int altitude : kAdditionalAltitudes) {
    std::vector<long> row{altitude};
    for (int f = kFirstFactor; f <= kLastFactor; f += 5) row.push_back(AdditionalRefraction(altitude, f));
    table.rows.push_back(std::move(row));
  }
  return table;
}

ValueTable MoonTable() {
  ValueTable table{"moon", {{"apparent_altitude", "deg"}}, {}};
  for (int hp = kFirstParallax; hp <= kLastParallax; ++hp) {
    table.columns.push_back({"hp_" + std::to_string(hp) + "_lower_limb", "0.1 arcmin"});
    table.columns.push_back({"hp_" + std::to_string(hp) + "_upper_limb", "0.1 arcmin"});
  }
  for (int degrees = 0; degrees <= 90; ++degrees) {
    std::vector<long> row{degrees};
    for (int hp = kFirstParallax; hp <= kLastParallax; ++hp) {
      row.push_back(MoonAltitudeCorrection(60.0 * degrees, hp, TableLimb::lower));
      row.push_back(MoonAltitudeCorrection(60.0 * degrees, hp, TableLimb::upper));
    }
    table.rows.push_back(std::move(row));
  }
  return table;
}

}  // namespace

std::vector<ValueTable> RefractionAndMoonTables() { return {FactorTable(), AdditionalTable(), MoonTable()}; }

}  // namespace nocturna
