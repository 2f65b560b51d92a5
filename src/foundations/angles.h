#pragma once
// Angle constants and the numeric helpers every theory shares.
// The constants are the rounded values the tables were computed with; use these,
// not the exact ones, so printed figures agree to the last digit.

namespace nocturna {

inline constexpr double kPi = 3.1415926535;
inline constexpr double kTwoPi = 6.283185308;
inline constexpr double kDegreesToRadians = 0.01745329252;
inline constexpr double kRadiansToDegrees = 57.29577951;

// x rounded toward zero ("integer part" everywhere in this program); saturates at the
// int range, NaN gives 0.
int TruncToInt(double x);
// Largest integer not above x (saturating like TruncToInt).
int FloorToInt(double x);
// An angle in degrees as radians, and back, by the stored factors above (so the theories'
// rounding is kept; they are not pi / 180 to the last digit).
double DegToRad(double degrees);
double RadToDeg(double radians);
// x less whole turns of the stored 2pi, keeping the sign of x.
double WrapTwoPi(double radians);
// Into 0..period, both ends possible: period itself stays period. A non-finite x (or a
// period not above 0) gives NaN rather than looping for ever.
double WrapPositive(double x, double period);
// One step into 0..24 hours: returns -1 when 24 was added, +1 when subtracted, 0 otherwise.
int WrapHours(double& hours);

}  // namespace nocturna
