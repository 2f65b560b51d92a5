#pragma once
// The rotation from the J2000 ecliptic of the VSOP87 and ELP/MPP02 series to ICRS axes.
namespace nocturna {

// The matrix ERFA's eraEpv00 applies to its own J2000 ecliptic series (obliquity
// 23 26' 21.41136" and the frame bias). The VSOP87 dynamical equinox sits within 0.1" of it.
inline constexpr double kEclipticToIcrs[3][3] = {
    {1.0, 0.000000211284, -0.000000091603},
    {-0.000000230286, 0.917482137087, -0.397776982902},
    {0.0, 0.397776982902, 0.917482137087},
};

// out = kEclipticToIcrs x in.
inline void RotateEclipticToIcrs(const double in[3], double out[3]) {
  for (int row = 0; row < 3; ++row) {
    out[row] = kEclipticToIcrs[row][0] * in[0] + kEclipticToIcrs[row][1] * in[1] +
               kEclipticToIcrs[row][2] * in[2];
  }
}

}  // namespace nocturna
