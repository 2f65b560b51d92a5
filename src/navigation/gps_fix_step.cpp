#include "navigation/gps_fix_step.h"

namespace nocturna {

GpsFixResult GpsFixStep(bool parsed, const RmcFields& fields, int& poorFixCount) {
  GpsFixResult result;
  ++poorFixCount;
  if (parsed && fields.status == 'A') {
    result.kind = GpsFixResult::Kind::Fix;
    result.position =
        NmeaToPosition(fields.latitude, fields.latHemisphere, fields.longitude, fields.lonHemisphere);
    result.zoneDescription = ZoneDescriptionFromLongitude(result.position);
    poorFixCount = 0;
  } else if (poorFixCount >= kPoorFixLimit) {
    result.kind = GpsFixResult::Kind::PoorCoverage;
    poorFixCount = 0;
  }
  return result;
}

}  // namespace nocturna
