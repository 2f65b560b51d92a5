#pragma once
// One star of the precise engine's J2000 table.
namespace nocturna {

struct StarCatalogRow {
  const char* name;
  double rightAscension;  // degrees, ICRS, epoch J2000.0
  double declination;     // degrees, ICRS, epoch J2000.0
  double properMotionRa;  // milliarcseconds per Julian year, times cos(declination)
  double properMotionDec;  // milliarcseconds per Julian year
  double parallax;        // milliarcseconds
  double radialVelocity;  // km/s, positive receding
};

}  // namespace nocturna
