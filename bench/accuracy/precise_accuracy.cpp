// The precise ephemeris against an independent reference over many moments: reads the file
// that scripts/precise_reference.mjs writes (the Swiss Ephemeris with its DE431 files), runs
// ComputePrecisePositions for each moment and prints, per body group, the largest error in GHA,
// declination and on the sky (minutes of arc), the Moon's HP and SD errors, the planets'
// magnitude differences and how often GHA and declination rounded to 0.1' read the same.
// GHA Aries is checked against ERFA's eraGst06a (IAU 2006/2000A). Usage:
//   nocturna_precise_accuracy REFERENCE_FILE
#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "ephemeris/precise/disc_constants.h"
#include "navigation/body_catalog.h"
#include "navigation/precise_position_update.h"

namespace nocturna {
namespace {

struct Errors {
  const char* label;
  double gha = 0;  // minutes of arc, largest
  double declination = 0;
  double sky = 0;
  double magnitude = 0;
  long rounded = 0;  // values (GHA, declination) that read the same at 0.1'
  long count = 0;    // values compared
  void Add(double ghaError, double declinationError, double skyError, int sameDigits, int values) {
    gha = std::fmax(gha, std::fabs(ghaError));
    declination = std::fmax(declination, std::fabs(declinationError));
    sky = std::fmax(sky, skyError);
    rounded += sameDigits;
    count += values;
  }
};

double Wrap180(double degrees) { return std::remainder(degrees, 360.0); }

// Degrees in tenths of a minute of arc, as the almanac prints them.
long Tenths(double degrees) { return std::lround(degrees * 600.0); }

// Two hour angles (degrees [0, 360)) that print the same to 0.1', 360 reading as 0.
int SameTenths(double a, double b) { return Tenths(a) % 216000 == Tenths(b) % 216000 ? 1 : 0; }

int GroupOf(int index) {
  if (index == kAriesIndex) return 0;
  if (index < kVenusIndex) return 1;
  if (index < kSunIndex) return 2;
  return index == kSunIndex ? 3 : 4;
}

int IndexOfName(const BodyCatalog& catalog, std::string name) {
  for (char& c : name) c = c == '_' ? ' ' : c;
  for (int k = 0; k < kBodyCount; ++k) {
    if (name == catalog.entries[k].name) return k;
  }
  return -1;
}

int Run(const char* path) {
  std::ifstream input(path);
  if (!input) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return 1;
  }
  Errors groups[] = {{"GHA Aries"}, {"57 stars"}, {"4 planets"}, {"Sun"}, {"Moon"}};
  double moonHp = 0;
  double moonSd = 0;
  long moments = 0;
  BodyCatalog catalog = BuildCatalog();
  double currentUt1 = -1;
  double gast = 0;
  std::string line;
  while (std::getline(input, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    double ut1 = 0, tt = 0, ra = 0, dec = 0, distance = 0, magnitude = 0;
    std::string name;
    if (!(fields >> ut1 >> tt >> name >> ra >> dec >> distance >> magnitude)) {
      std::fprintf(stderr, "unreadable line: %s\n", line.c_str());
      return 1;
    }
    if (ut1 != currentUt1) {
      currentUt1 = ut1;
      ++moments;
      const PreciseInstant instant{ut1, 0.0, tt, 0.0, 0.0, (tt - ut1) * 86400.0};
      const double ghaAries = ComputePrecisePositions(catalog, instant);
      gast = eraGst06a(ut1, 0.0, tt, 0.0) * ERFA_DR2D;
      const double error = Wrap180(ghaAries - gast) * 60;
      groups[0].Add(error, 0, std::fabs(error),
                    SameTenths(ghaAries, eraAnp(gast * ERFA_DD2R) * ERFA_DR2D), 1);
    }
    const int k = IndexOfName(catalog, name);
    if (k < 0) {
      std::fprintf(stderr, "no catalog body %s\n", name.c_str());
      return 1;
    }
    const double referenceGha = eraAnp((gast - ra) * ERFA_DD2R) * ERFA_DR2D;
    const double gha = catalog.gha[k];
    const double declination = catalog.entries[k].declination;
    const double sky = eraSeps(-gha * ERFA_DD2R, declination * ERFA_DD2R,
                               -referenceGha * ERFA_DD2R, dec * ERFA_DD2R) * ERFA_DR2D * 60;
    const int same = SameTenths(gha, referenceGha) + (Tenths(declination) == Tenths(dec));
    Errors& group = groups[GroupOf(k)];
    group.Add(Wrap180(gha - referenceGha) * 60, (declination - dec) * 60, sky, same, 2);
    if (GroupOf(k) == 2) {
      group.magnitude = std::fmax(group.magnitude, std::fabs(catalog.entries[k].magnitude - magnitude));
    }
    if (k == kMoonIndex) {
      const double km = distance * kAstronomicalUnitKm;
      const double hp = std::asin(kEarthEquatorialRadiusKm / km) * ERFA_DR2D;
      const double sd = std::asin(kMoonRadiusInEarthRadii * kEarthEquatorialRadiusKm / km) * ERFA_DR2D;
      moonHp = std::fmax(moonHp, std::fabs(catalog.moonRecord.horizontalParallax - hp) * 60);
      moonSd = std::fmax(moonSd, std::fabs(catalog.moonRecord.semiDiameter - sd) * 60);
    }
  }
  std::printf("%ld moments from %s\n", moments, path);
  std::printf("%-10s %9s %9s %9s %8s %9s\n", "bodies", "GHA'", "Dec'", "sky'", "0.1'=%", "mag");
  for (const Errors& g : groups) {
    std::printf("%-10s %9.4f %9.4f %9.4f %8.2f %9.3f\n", g.label, g.gha, g.declination, g.sky,
                g.count ? 100.0 * g.rounded / g.count : 0.0, g.magnitude);
  }
  std::printf("Moon HP error %.5f', SD error %.5f'\n", moonHp, moonSd);
  return 0;
}

}  // namespace
}  // namespace nocturna

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s REFERENCE_FILE\n", argv[0]);
    return 1;
  }
  return nocturna::Run(argv[1]);
}
