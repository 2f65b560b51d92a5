#include "ephemeris/precise/dut1_table.h"

#include <erfa.h>

#include <cmath>
#include <cstdio>

namespace nocturna {
namespace {

constexpr double kMjdZero = 2400000.5;

}  // namespace

std::optional<double> TaiMinusUtcOn(int mjd) {
  int year = 0, month = 0, day = 0;
  double fraction = 0, taiMinusUtc = 0;
  if (eraJd2cal(kMjdZero, mjd, &year, &month, &day, &fraction) != 0 || year < 1972) return std::nullopt;
  if (eraDat(year, month, day, 0.0, &taiMinusUtc) < 0) return std::nullopt;
  return taiMinusUtc;
}

std::optional<double> Ut1MinusTaiAt(const Dut1Table& table, double utcMjd) {
  if (table.Empty() || !(utcMjd >= table.firstMjd && utcMjd <= table.LastMjd())) return std::nullopt;
  const double days = utcMjd - table.firstMjd;
  const auto i = static_cast<std::size_t>(std::floor(days));
  if (i + 1 >= table.ut1MinusTai.size()) return table.ut1MinusTai.back();
  const double part = days - static_cast<double>(i);
  return table.ut1MinusTai[i] + part * (table.ut1MinusTai[i + 1] - table.ut1MinusTai[i]);
}

std::string MjdDateText(int mjd) {
  int year = 0, month = 0, day = 0;
  double fraction = 0;
  if (eraJd2cal(kMjdZero, mjd, &year, &month, &day, &fraction) != 0) return "?";
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

}  // namespace nocturna
