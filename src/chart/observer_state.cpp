#include "chart/observer_state.h"

namespace nocturna {

DateTime ZoneTimeOf(DateTime universalTime, int zoneDescription) {
  return universalTime - zoneDescription / 24.0;
}

DateTime UniversalTimeOf(DateTime zoneTime, int zoneDescription) {
  return zoneTime + zoneDescription / 24.0;
}

void ObserverState::SetZoneTime(DateTime newZoneTime) {
  zoneTime = newZoneTime;
  universalTime = UniversalTimeOf(zoneTime, zoneDescription);
}

void ObserverState::SetUniversalTime(DateTime newUniversalTime) {
  universalTime = newUniversalTime;
  zoneTime = ZoneTimeOf(universalTime, zoneDescription);
}

void ObserverState::SetZoneDescription(int newZoneDescription) {
  zoneDescription = newZoneDescription;
  zoneTime = ZoneTimeOf(universalTime, zoneDescription);
}

}  // namespace nocturna
