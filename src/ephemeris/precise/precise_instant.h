#pragma once
// One moment on the time scales the precise engine works in, as ERFA's two-part Julian dates.
namespace nocturna {

struct PreciseInstant {
  double ut1Jd1 = 0.0;  // UT1 Julian date, first part (ut1Jd1 + ut1Jd2)
  double ut1Jd2 = 0.0;
  double ttJd1 = 0.0;  // TT Julian date, first part
  double ttJd2 = 0.0;
  double dut1Seconds = 0.0;    // UT1 - UTC used
  double deltaTSeconds = 0.0;  // TT - UT1 used
};

}  // namespace nocturna
