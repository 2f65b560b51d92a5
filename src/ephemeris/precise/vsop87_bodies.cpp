#include "ephemeris/precise/vsop87_bodies.h"

#include "ephemeris/precise/vsop87b_earth_table.h"
#include "ephemeris/precise/vsop87b_jupiter_table.h"
#include "ephemeris/precise/vsop87b_mars_table.h"
#include "ephemeris/precise/vsop87b_saturn_table.h"
#include "ephemeris/precise/vsop87b_venus_table.h"

namespace nocturna {

const VsopBody& Vsop87bEarth() { return vsop87b_earth::kBody; }
const VsopBody& Vsop87bVenus() { return vsop87b_venus::kBody; }
const VsopBody& Vsop87bMars() { return vsop87b_mars::kBody; }
const VsopBody& Vsop87bJupiter() { return vsop87b_jupiter::kBody; }
const VsopBody& Vsop87bSaturn() { return vsop87b_saturn::kBody; }

}  // namespace nocturna
