#pragma once
// Reproducible random moments and places for the property tests: one fixed seed, a
// generator whose numbers are the same with every standard library, and a share of the
// places that matter most (the poles, the equator, the Greenwich meridian, the date line).
#include <cstdint>
#include <iterator>
#include <random>
#include <string>

#include "ephemeris/astro_moment.h"
#include "foundations/dr_position.h"

namespace nocturna::property {

inline constexpr std::uint64_t kSeed = 0x4E6F6374u;

class RandomPicker {
 public:
  explicit RandomPicker(std::uint64_t seed = kSeed) : engine_(seed) {}

  // Uniform in [low, high).
  double Real(double low, double high) {
    return low + (high - low) * static_cast<double>(engine_() >> 11) * 0x1.0p-53;
  }

  // Uniform in [low, high].
  int Integer(int low, int high) {
    return low + static_cast<int>(engine_() % static_cast<std::uint64_t>(high - low + 1));
  }

  // A day of the years 1901..2099 (Gregorian calendar).
  CalendarDate Date() {
    const int year = Integer(1901, 2099);
    const int month = Integer(1, 12);
    return CalendarDate{static_cast<std::uint16_t>(month),
                        static_cast<std::uint16_t>(Integer(1, DaysInMonth(year, month))),
                        static_cast<std::uint16_t>(year)};
  }

  ClockTime Time() {
    return ClockTime{static_cast<std::uint16_t>(Integer(0, 23)),
                     static_cast<std::uint16_t>(Integer(0, 59)),
                     static_cast<std::uint16_t>(Integer(0, 59))};
  }

  // Degrees north and WEST positive; one place in four on a pole, the equator, the prime
  // meridian or the date line (either side of it), the rest anywhere on the globe.
  DrPosition Position() {
    static constexpr double kLatitudes[] = {90.0, -90.0, 89.9999, -89.9999, 0.0, 66.56, -66.56};
    static constexpr double kLongitudes[] = {180.0, -180.0, 179.9999, -179.9999, 0.0, -0.0001};
    DrPosition position{Real(-90.0, 90.0), Real(-180.0, 180.0)};
    if (Integer(0, 7) == 0) position.latitude = kLatitudes[Integer(0, std::size(kLatitudes) - 1)];
    if (Integer(0, 7) == 0) position.longitude = kLongitudes[Integer(0, std::size(kLongitudes) - 1)];
    return position;
  }

 private:
  static int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
  }

  std::mt19937_64 engine_;
};

// "1987-03-05 04:05:06 at 42.5, -75.25" for failure messages.
inline std::string Describe(const CalendarDate& date, const ClockTime& time,
                            const DrPosition& position) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
         std::to_string(date.day) + " " + std::to_string(time.hour) + ":" +
         std::to_string(time.minute) + ":" + std::to_string(time.second) + " UT at lat " +
         std::to_string(position.latitude) + " lon(W+) " + std::to_string(position.longitude);
}

}  // namespace nocturna::property
