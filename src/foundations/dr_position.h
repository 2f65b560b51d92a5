#pragma once
// The dead-reckoning position and the operations on it.

namespace nocturna {

// Latitude then longitude, degrees; latitude north positive, longitude WEST positive
// (75°W is +75, 10°E is -10), so LHA = GHA - longitude and UT = ZT + ZD.
struct DrPosition {
  double latitude = 0.0;
  double longitude = 0.0;
};

// Nominal zone description (hours, west positive) for the position's longitude,
// half an hour rounded away from zero: 75°W gives +5, 7.5°E gives -1.
int ZoneDescriptionFromLongitude(const DrPosition& position);

// True when either coordinate differs exactly from the position's.
bool PositionsDiffer(const DrPosition& position, double latitude, double longitude);

// NMEA ddmm.mmmm / dddmm.mmmm fields with their hemisphere letters into degrees
// (north and west positive; any letter other than 'N' / 'W' makes the value negative).
DrPosition NmeaToPosition(double latitudeField, char latitudeLetter, double longitudeField,
                          char longitudeLetter);

}  // namespace nocturna
