#include "almanacpages/polaris_tables.h"

#include <cmath>

#include "almanacpages/printed_values.h"
#include "ephemeris/precise/apparent_frame.h"
#include "ephemeris/precise/polaris_catalog.h"
#include "ephemeris/precise/precise_stars.h"
#include "ephemeris/precise/precise_time.h"
#include "foundations/angles.h"

namespace nocturna {
namespace {

constexpr double kReferenceLatitude = 50.0;
// Constants that keep every a0, a1 and a2 positive; they add up to the 1 deg taken from Ho.
constexpr double kA1Constant = 0.6;  // minutes of arc
constexpr double kA2Constant = 0.6;
constexpr double kA0Constant = 60.0 - kA1Constant - kA2Constant;
constexpr int kA1Latitudes[] = {0, 10, 20, 30, 40, 45, 50, 55, 60, 62, 64, 66, 68};
constexpr int kAzimuthLatitudes[] = {0, 20, 40, 50, 55, 60, 65};
constexpr int kMonthDay = 15;  // a2 is for the middle of the month

double ColumnMiddle(int column) { return 10.0 * column + 5.0; }

ValueTable ColumnTable(const char* name, const char* argument, const char* argumentUnit, const char* unit) {
  ValueTable table{name, {{argument, argumentUnit}}, {}};
  for (int c = 0; c < kPolarisColumns; ++c) {
    table.columns.push_back({"lha_aries_" + std::to_string(10 * c) + "_" + std::to_string(10 * c + 9), unit});
  }
  return table;
}

}  // namespace

PolarisPlace PolarisPlaceOn(const CalendarDate& date) {
  const PreciseInstantOutcome outcome = PreciseInstantOf(date, 0.0, std::nullopt);
  const ApparentPlace place = ApparentStarOf(MakeApparentFrame(outcome.instant), kPolarisCatalogRow);
  return {place.rightAscension, place.declination};
}

double PolarisCorrection(const PolarisPlace& place, double lhaAries, double latitude) {
  const double lha = DegToRad(lhaAries - place.rightAscension);
  const double phi = DegToRad(latitude);
  const double delta = DegToRad(place.declination);
  const double altitude = std::asin(std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(lha));
  return 60.0 * (latitude - RadToDeg(altitude));
}

double PolarisAzimuth(const PolarisPlace& place, double lhaAries, double latitude) {
  const double lha = DegToRad(lhaAries - place.rightAscension);
  const double phi = DegToRad(latitude);
  const double delta = DegToRad(place.declination);
  const double azimuth = RadToDeg(std::atan2(-std::cos(delta) * std::sin(lha),
                                             std::cos(phi) * std::sin(delta) -
                                                 std::sin(phi) * std::cos(delta) * std::cos(lha)));
  return azimuth < 0.0 ? azimuth + 360.0 : azimuth;
}

PolarisTables ComputePolarisTables(int year) {
  const PolarisPlace middle = PolarisPlaceOn(CalendarDate{7, 2, static_cast<std::uint16_t>(year)});
  PolarisTables tables{year,
                       {"polaris a0", {{"lha_aries", "deg"}, {"a0", "0.1 arcmin"}}, {}},
                       ColumnTable("polaris a1", "latitude", "deg", "0.1 arcmin"),
                       ColumnTable("polaris a2", "month", "1-12", "0.1 arcmin"),
                       ColumnTable("polaris azimuth", "latitude", "deg", "0.1 deg")};
  for (int lha = 0; lha < 360; ++lha) {
    tables.a0.rows.push_back(
        {lha, RoundArcMinutes(PolarisCorrection(middle, lha, kReferenceLatitude) + kA0Constant)});
  }
  for (const int latitude : kA1Latitudes) {
    std::vector<long> row{latitude};
    for (int c = 0; c < kPolarisColumns; ++c) {
      const double lha = ColumnMiddle(c);
      row.push_back(RoundArcMinutes(PolarisCorrection(middle, lha, latitude) -
                                    PolarisCorrection(middle, lha, kReferenceLatitude) + kA1Constant));
    }
    tables.a1.rows.push_back(std::move(row));
  }
  for (int month = 1; month <= 12; ++month) {
    const PolarisPlace place = PolarisPlaceOn(
        CalendarDate{static_cast<std::uint16_t>(month), kMonthDay, static_cast<std::uint16_t>(year)});
    std::vector<long> row{month};
    for (int c = 0; c < kPolarisColumns; ++c) {
      const double lha = ColumnMiddle(c);
      row.push_back(RoundArcMinutes(PolarisCorrection(place, lha, kReferenceLatitude) -
                                    PolarisCorrection(middle, lha, kReferenceLatitude) + kA2Constant));
    }
    tables.a2.rows.push_back(std::move(row));
  }
  for (const int latitude : kAzimuthLatitudes) {
    std::vector<long> row{latitude};
    for (int c = 0; c < kPolarisColumns; ++c) {
      row.push_back(std::lround(10.0 * PolarisAzimuth(middle, ColumnMiddle(c), latitude)) % 3600);
    }
    tables.azimuth.rows.push_back(std::move(row));
  }
  return tables;
}

}  // namespace nocturna
