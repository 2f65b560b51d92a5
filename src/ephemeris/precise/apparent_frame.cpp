#include "ephemeris/precise/apparent_frame.h"

#include "ephemeris/precise/vsop87_bodies.h"
#include "ephemeris/precise/vsop87_evaluation.h"

namespace nocturna {
namespace {

constexpr double kDegreesPerRadian = ERFA_DR2D;

ApparentPlace PlaceOfIntermediate(const ApparentFrame& frame, const double cirs[3]) {
  double intermediateRa = 0.0;
  double declination = 0.0;
  eraC2s(const_cast<double*>(cirs), &intermediateRa, &declination);
  ApparentPlace place;
  place.rightAscension =
      eraAnp(intermediateRa - frame.equationOfOrigins) * kDegreesPerRadian;
  place.declination = declination * kDegreesPerRadian;
  place.gha = eraAnp(frame.earthRotationAngle - intermediateRa) * kDegreesPerRadian;
  return place;
}

// Bias-precession-nutation IAU 2000B as the CIP's x, y, the CIO locator s and the equation of
// the origins.
struct CelestialPole {
  double x = 0.0;
  double y = 0.0;
  double s = 0.0;
  double equationOfOrigins = 0.0;
};

CelestialPole CelestialPoleOf(const PreciseInstant& instant) {
  double rnpb[3][3];
  eraPnm00b(instant.ttJd1, instant.ttJd2, rnpb);
  CelestialPole pole;
  eraBpn2xy(rnpb, &pole.x, &pole.y);
  pole.s = eraS00(instant.ttJd1, instant.ttJd2, pole.x, pole.y);
  pole.equationOfOrigins = eraEors(rnpb, pole.s);
  return pole;
}

}  // namespace

ApparentFrame MakeApparentFrame(const PreciseInstant& instant) {
  ApparentFrame frame;
  const HeliocentricState earth = EvaluateVsop(Vsop87bEarth(), instant.ttJd1, instant.ttJd2);
  for (int axis = 0; axis < 3; ++axis) {
    frame.earthHeliocentric[0][axis] = earth.position[axis];
    frame.earthHeliocentric[1][axis] = earth.velocity[axis];
  }
  const CelestialPole pole = CelestialPoleOf(instant);
  eraApci(instant.ttJd1, instant.ttJd2, frame.earthHeliocentric, frame.earthHeliocentric[0],
          pole.x, pole.y, pole.s, &frame.astrom);
  frame.equationOfOrigins = pole.equationOfOrigins;
  frame.earthRotationAngle = eraEra00(instant.ut1Jd1, instant.ut1Jd2);
  return frame;
}

ApparentFrame MakeRotationFrame(const PreciseInstant& instant) {
  ApparentFrame frame;
  const CelestialPole pole = CelestialPoleOf(instant);
  eraC2ixys(pole.x, pole.y, pole.s, frame.astrom.bpn);
  frame.equationOfOrigins = pole.equationOfOrigins;
  frame.earthRotationAngle = eraEra00(instant.ut1Jd1, instant.ut1Jd2);
  return frame;
}

ApparentPlace ApparentPlaceOf(const ApparentFrame& frame, const double astrometric[3],
                              const double* heliocentricDirection) {
  eraASTROM& astrom = const_cast<eraASTROM&>(frame.astrom);
  double distance = 0.0;
  double direction[3];
  eraPn(const_cast<double*>(astrometric), &distance, direction);
  double deflected[3];
  if (heliocentricDirection != nullptr) {
    // Deflection by the Sun for a body at a finite distance (eraLd with the body's own
    // heliocentric direction); dlim 1e-6 as ERFA uses for the Sun.
    eraLd(1.0, direction, const_cast<double*>(heliocentricDirection), astrom.eh, astrom.em,
          1e-6, deflected);
  } else {
    eraCp(direction, deflected);
  }
  double aberrated[3];
  eraAb(deflected, astrom.v, astrom.em, astrom.bm1, aberrated);
  double cirs[3];
  eraRxp(astrom.bpn, aberrated, cirs);
  return PlaceOfIntermediate(frame, cirs);
}

ApparentPlace GeometricPlaceOf(const ApparentFrame& frame, const double geocentric[3]) {
  double cirs[3];
  eraRxp(const_cast<eraASTROM&>(frame.astrom).bpn, const_cast<double*>(geocentric), cirs);
  return PlaceOfIntermediate(frame, cirs);
}

double GhaAriesOf(const ApparentFrame& frame) {
  return eraAnp(frame.earthRotationAngle - frame.equationOfOrigins) * kDegreesPerRadian;
}

}  // namespace nocturna
