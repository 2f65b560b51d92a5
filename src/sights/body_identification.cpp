#include "sights/body_identification.h"

#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "navigation/almanac_snapshot.h"
#include "sights/body_place.h"
#include "sights/polaris_sight.h"
#include "sights/sight_body_names.h"
#include "sights/sight_line.h"

namespace nocturna {
namespace {

double SkyDistance(double h1, double z1, double h2, double z2) {
  const double cosD = std::sin(DegToRad(h1)) * std::sin(DegToRad(h2)) +
                      std::cos(DegToRad(h1)) * std::cos(DegToRad(h2)) * std::cos(DegToRad(z1 - z2));
  return RadToDeg(std::acos(std::clamp(cosD, -1.0, 1.0)));
}

std::string NameOf(int bodyIndex) { return std::string(SightBodyName(bodyIndex)); }

// The candidate a body at that GHA and declination makes, if it is near enough to offer.
void Consider(int body, double gha, double declination, const DrPosition& dr, double ho, double bearing,
              std::vector<IdentifyCandidate>& candidates) {
  const AltitudeAzimuth seen = ComputedAltitudeAzimuth(gha, declination, dr);
  const double hc = seen.hcDegrees, zn = seen.znDegrees;
  const double score = std::hypot((hc - ho) / kIdentifyAltitudeSigma, SignedDegrees(zn - bearing) / kIdentifyBearingSigma);
  if (score <= kIdentifyFarthestScore) candidates.push_back({body, hc, zn, score, SkyDistance(hc, zn, ho, bearing)});
}

}  // namespace

Identification IdentifyBody(BodyCatalog& scratch, DateTime utc, const DrPosition& dr,
                            double observedAltitudeDegrees, double trueBearingDegrees,
                            const EphemerisChoice& choice) {
  Identification found;
  CalendarDate date;
  ClockTime clock;
  SplitUtc(utc, date, clock);
  ComputeMomentPositions(scratch, date, clock, dr, choice);
  for (int body = kFirstStarIndex; body < kBodyCount; ++body)
    Consider(body, scratch.gha[body], scratch.entries[body].declination, dr, observedAltitudeDegrees,
             trueBearingDegrees, found.candidates);
  if (const auto polaris = PolarisPlaceAt(utc, choice))
    Consider(kPolarisBodyIndex, polaris->ghaDegrees, polaris->declinationDegrees, dr, observedAltitudeDegrees,
             trueBearingDegrees, found.candidates);
  std::sort(found.candidates.begin(), found.candidates.end(),
            [](const IdentifyCandidate& a, const IdentifyCandidate& b) { return a.score < b.score; });
  if (found.candidates.empty()) {
    found.note = "No star, planet, Sun or Moon stood near that altitude and bearing: check the time and the DR.";
  } else if (found.candidates.size() > 1 &&
             found.candidates[1].score - found.candidates[0].score < kIdentifyTieMargin) {
    found.tie = true;
    found.note = "Two bodies fit almost equally well: " + NameOf(found.candidates[0].bodyIndex) +
                 " and " + NameOf(found.candidates[1].bodyIndex) + ".";
  } else {
    found.note = "The body was " + NameOf(found.candidates[0].bodyIndex) + ".";
  }
  return found;
}

}  // namespace nocturna
