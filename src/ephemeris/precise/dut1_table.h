#pragma once
// UT1 - UTC as an imported IERS file tabulates it: one value a day at 0h UTC, kept as UT1 - TAI
// so that a leap second between two days does not bend the interpolation. The program owns one
// table and passes it down (EphemerisChoice); nothing here reads a file.
#include <optional>
#include <string>
#include <vector>

namespace nocturna {

struct Dut1Table {
  const char* kind = "";            // "Bulletin A" or "IERS finals"
  int firstMjd = 0;                 // Modified Julian Date of the first day (0h UTC)
  std::vector<double> ut1MinusTai;  // seconds, one a day from firstMjd
  bool Empty() const { return ut1MinusTai.empty(); }
  int LastMjd() const { return firstMjd + static_cast<int>(ut1MinusTai.size()) - 1; }
};

// TAI - UTC in seconds at 0h UTC of a Modified Julian Date from 1972 on (ERFA's leap seconds);
// none before 1972 or for a day ERFA cannot place.
std::optional<double> TaiMinusUtcOn(int mjd);

// UT1 - TAI in seconds at a UTC Modified Julian Date (day and fraction), linear between the
// days; none outside the table's first to last day.
std::optional<double> Ut1MinusTaiAt(const Dut1Table& table, double utcMjd);

// "2027-01-05", the calendar date of a Modified Julian Date.
std::string MjdDateText(int mjd);

}  // namespace nocturna
