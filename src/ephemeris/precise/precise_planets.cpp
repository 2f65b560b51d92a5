#include "ephemeris/precise/precise_planets.h"

#include <cmath>

#include "ephemeris/precise/ecliptic_to_icrs.h"
#include "ephemeris/precise/vsop87_evaluation.h"

namespace nocturna {
namespace {

// The Sun's gravitational parameter, au^3/day^2 (Gauss's constant squared).
constexpr double kSunGm = 0.01720209895 * 0.01720209895;

// The pole of Saturn's rings on the J2000 ecliptic: inclination 28.075216 deg, node
// 169.508470 deg (Meeus, Astronomical Algorithms, chapter 45, at J2000).
constexpr double kRingInclination = 28.075216 * ERFA_DD2R;
constexpr double kRingNode = 169.508470 * ERFA_DD2R;

// The heliocentric place one light time `days` earlier, from the place, velocity and the
// Sun's pull over that time (the third-order rest is below 1e-10 au).
void PositionEarlier(const HeliocentricState& state, double days, double out[3]) {
  const double r = eraPm(const_cast<double*>(state.position));
  const double pull = -kSunGm / (r * r * r);
  for (int axis = 0; axis < 3; ++axis) {
    out[axis] = state.position[axis] - state.velocity[axis] * days +
                0.5 * pull * state.position[axis] * days * days;
  }
}

double RingTiltSine(const double fromEarth[3]) {
  const double poleEcliptic[3] = {std::sin(kRingInclination) * std::sin(kRingNode),
                                  -std::sin(kRingInclination) * std::cos(kRingNode),
                                  std::cos(kRingInclination)};
  double pole[3];
  RotateEclipticToIcrs(poleEcliptic, pole);
  double unit[3];
  double distance = 0.0;
  eraPn(const_cast<double*>(fromEarth), &distance, unit);
  return std::fabs(eraPdp(pole, unit));
}

}  // namespace

ApparentPlanet ApparentPlanetOf(const ApparentFrame& frame, const VsopBody& body,
                                const PreciseInstant& instant) {
  const HeliocentricState planet = EvaluateVsop(body, instant.ttJd1, instant.ttJd2);
  const double(&earth)[3] = frame.earthHeliocentric[0];
  double heliocentric[3] = {planet.position[0], planet.position[1], planet.position[2]};
  double geocentric[3];
  // Two passes of the light-time equation reach 1e-12 au.
  for (int pass = 0; pass < 3; ++pass) {
    eraPmp(heliocentric, const_cast<double*>(earth), geocentric);
    if (pass == 2) break;
    PositionEarlier(planet, eraPm(geocentric) / ERFA_DC, heliocentric);
  }
  ApparentPlanet result;
  result.distanceAu = eraPm(geocentric);
  result.sunDistanceAu = eraPm(heliocentric);
  double sunToPlanet[3];
  double r = 0.0;
  eraPn(heliocentric, &r, sunToPlanet);
  result.place = ApparentPlaceOf(frame, geocentric, sunToPlanet);
  const double earthSun = frame.astrom.em;
  const double cosPhase =
      (r * r + result.distanceAu * result.distanceAu - earthSun * earthSun) /
      (2.0 * r * result.distanceAu);
  result.phaseAngle = std::acos(std::fmax(-1.0, std::fmin(1.0, cosPhase))) * ERFA_DR2D;
  result.ringTiltSine = RingTiltSine(geocentric);
  return result;
}

}  // namespace nocturna
