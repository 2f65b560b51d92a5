#include "sights/body_identification.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "sights/body_place.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

double SkyDistance(double h1, double z1, double h2, double z2) {
  const double cosD = std::sin(DegToRad(h1)) * std::sin(DegToRad(h2)) +
                      std::cos(DegToRad(h1)) * std::cos(DegToRad(h2)) * std::cos(DegToRad(z1 - z2));
  return RadToDeg(std::acos(std::clamp(cosD, -1.0, 1.0)));
}

std::string NameOf(const BodyCatalog& catalog, int bodyIndex) { return catalog.entries[bodyIndex].name; }

}  // namespace

Identification IdentifyBody(BodyCatalog& scratch, DateTime utc, const DrPosition& dr,
                            double observedAltitudeDegrees, double trueBearingDegrees,
                            const EphemerisChoice& choice) {
  Identification found;
  PlaceOfBody(scratch, kSunIndex, utc, dr, choice);
  for (int body = kFirstStarIndex; body < kBodyCount; ++body) {
    const AltitudeAzimuth seen =
        ComputedAltitudeAzimuth(scratch.gha[body], scratch.entries[body].declination, dr);
    const double hc = seen.hcDegrees, zn = seen.znDegrees;
    const double score = std::hypot((hc - observedAltitudeDegrees) / kIdentifyAltitudeSigma,
                                    SignedDegrees(zn - trueBearingDegrees) / kIdentifyBearingSigma);
    if (score > kIdentifyFarthestScore) continue;
    found.candidates.push_back({body, hc, zn, score, SkyDistance(hc, zn, observedAltitudeDegrees, trueBearingDegrees)});
  }
  std::sort(found.candidates.begin(), found.candidates.end(),
            [](const IdentifyCandidate& a, const IdentifyCandidate& b) { return a.score < b.score; });
  if (found.candidates.empty()) {
    found.note = "No star, planet, Sun or Moon stood near that altitude and bearing: check the time and the DR.";
  } else if (found.candidates.size() > 1 &&
             found.candidates[1].score - found.candidates[0].score < kIdentifyTieMargin) {
    found.tie = true;
    found.note = "Two bodies fit almost equally well: " + NameOf(scratch, found.candidates[0].bodyIndex) +
                 " and " + NameOf(scratch, found.candidates[1].bodyIndex) + ".";
  } else {
    found.note = "The body was " + NameOf(scratch, found.candidates[0].bodyIndex) + ".";
  }
  return found;
}

}  // namespace nocturna
