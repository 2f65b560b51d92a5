#include "almanacpages/printed_values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace nocturna {
namespace {

constexpr double kTenthsPerDegree = 600.0;
constexpr ArcTenths kTenthsPerTurn = 360 * 600;

template <typename... Numbers>
std::string Printf(const char* format, Numbers... numbers) {
  char text[32];
  std::snprintf(text, sizeof text, format, numbers...);
  return text;
}

}  // namespace

ArcTenths RoundHourAngle(double degrees) {
  const double turn = std::fmod(degrees, 360.0);
  ArcTenths tenths = static_cast<ArcTenths>(std::lround((turn < 0 ? turn + 360.0 : turn) *
                                                        kTenthsPerDegree));
  return tenths >= kTenthsPerTurn ? tenths - kTenthsPerTurn : tenths;
}

ArcTenths RoundSignedAngle(double degrees) {
  return static_cast<ArcTenths>(std::lround(degrees * kTenthsPerDegree));
}

ArcTenths RoundArcMinutes(double minutes) {
  return static_cast<ArcTenths>(std::lround(minutes * 10.0));
}

std::string FormatHourAngle(ArcTenths value) {
  return Printf("%03d %02d.%d", value / 600, value % 600 / 10, value % 10);
}

std::string FormatDeclination(ArcTenths value) {
  const int size = std::abs(value);
  const std::string text = Printf("%2d %02d.%d", size / 600, size % 600 / 10, size % 10);
  return (value < 0 ? "S" : "N") + text;
}

std::string FormatTenths(ArcTenths value) {
  const int size = std::abs(value);
  return (value < 0 ? "-" : "") + Printf("%d.%d", size / 10, size % 10);
}

std::string FormatHourMinute(int minutes) {
  return Printf("%02d %02d", minutes / 60, minutes % 60);
}

}  // namespace nocturna
