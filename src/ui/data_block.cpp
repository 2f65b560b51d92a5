#include "ui/data_block.h"

#include <cmath>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"

namespace nocturna {

namespace {
constexpr double kSunSemiDiameterAt1Au = 30.0 * 0.533128;  // minutes of arc
constexpr double kLabelColumn = 0.0;
constexpr double kTimeColumn = 7.0;
constexpr double kValueColumn = 14.0;
}  // namespace

std::string FormatEquationOfTime(double minutes) {
  // Seconds are rounded before the split so that 7.999 reads 08m00s, never 07m60s.
  const long totalSeconds = std::lround(minutes * 60.0);
  return PrintfText("%02ldm%02lds", totalSeconds / 60, totalSeconds % 60);
}

std::string FormatArcMinutes(double minutes) { return PrintfText("%4.1f'", minutes); }

std::string FormatAmplitudeOrSentinel(double degrees) {
  if (degrees == kEventAboveAllDay) return "CP";
  if (degrees == kEventBelowAllDay) return "NR";
  return FormatAmplitude(degrees);
}

DataBlockValues DataBlockValuesOf(const ChartPass& pass, int zoneDescription,
                                  const BodyCatalog& catalog, const SunEventsRecord& events) {
  const ChartMoment& m = pass.moment;
  const CelestialBody& sun = catalog.entries[kSunIndex];
  const CelestialBody& moon = catalog.entries[kMoonIndex];
  const double ghaAries = catalog.gha[kAriesIndex];
  DataBlockValues v;
  v.zoneDate = FormatLongDate(m.zoneDate.month, m.zoneDate.day, m.zoneDate.year);
  v.zoneClock = FormatClockTime(m.zoneClock.hour, m.zoneClock.minute, m.zoneClock.second);
  v.zoneDescription = PrintfText("%d", zoneDescription);
  v.utClock = FormatClockTime(m.utClock.hour, m.utClock.minute, m.utClock.second);
  v.utDate = FormatLongDate(m.utDate.month, m.utDate.day, m.utDate.year);
  v.latitude = pass.latitudeText;
  v.longitude = pass.longitudeText;
  v.ghaAries = FormatAngle360(ghaAries);
  v.sunGha = FormatAngle360(ghaAries + sun.sha);
  v.sunDeclination = FormatDeclination(sun.declination);
  v.sunSemiDiameter =
      FormatArcMinutes(kSunSemiDiameterAt1Au / catalog.sunPlanetRecords[kSunRecord].radiusVector);
  v.meridianPassage = pass.eventTexts[8];
  v.equationOfTime = FormatEquationOfTime(events.equationOfTime);
  v.amplitude = FormatAmplitudeOrSentinel(events.amplitudeAngle);
  v.moonGha = FormatAngle360(ghaAries + moon.sha);
  v.moonDeclination = FormatDeclination(moon.declination);
  v.moonSemiDiameter = FormatArcMinutes(catalog.moonRecord.semiDiameter * 60.0);
  v.moonParallax = FormatArcMinutes(catalog.moonRecord.horizontalParallax * 60.0);
  v.moonPhase = PrintfText("%2.0f%%", catalog.moonRecord.illuminatedFraction * 100.0);
  v.events = pass.eventTexts;
  return v;
}

std::vector<DataBlockLine> ScreenDataBlockLines(const DataBlockValues& v) {
  const EventTimeTexts& e = v.events;
  return {
      {0, "Date", v.zoneDate, kTimeColumn},
      {1, "ZT", v.zoneClock, kTimeColumn},
      {2, "ZD", v.zoneDescription, kTimeColumn},
      {3, "UT", v.utClock, kTimeColumn},
      {4, "G\\D", v.utDate, kTimeColumn},
      {6, "DR L", v.latitude, 10.5},
      {7, "DR Lo", v.longitude, 9.0},
      {9, "GHA Aries", v.ghaAries, kValueColumn},
      {11, "Sun:", "", kLabelColumn},
      {12, "GHA", v.sunGha, kValueColumn},
      {13, "Dec", v.sunDeclination, kValueColumn},
      {14, "SD", v.sunSemiDiameter, kValueColumn},
      {15, "Mer. Pass.", v.meridianPassage, kValueColumn},
      {16, "Eqn. Time", v.equationOfTime, kValueColumn},
      {17, "Amplitude", v.amplitude, kValueColumn},
      {19, "Moon:", "", kLabelColumn},
      {20, "GHA", v.moonGha, kValueColumn},
      {21, "Dec", v.moonDeclination, kValueColumn},
      {22, "SD", v.moonSemiDiameter, kValueColumn},
      {23, "HP", v.moonParallax, kValueColumn},
      {24, "Phase", v.moonPhase, kValueColumn},
      {26, "Nautical    Civil     Sunrise     PVC", "", kLabelColumn},
      {27, PrintfText("%6s%13s%10s%10s", e[4].c_str(), e[2].c_str(), e[0].c_str(), e[9].c_str()),
       "", kLabelColumn},
      {28, "Sunset      Civil    Nautical     PVC", "", kLabelColumn},
      {29, PrintfText("%6s%13s%10s%10s", e[1].c_str(), e[3].c_str(), e[5].c_str(), e[10].c_str()),
       "", kLabelColumn},
      {31, "Moonrise   Moonset", "", kLabelColumn},
      {32, PrintfText("%6s%16s", e[6].c_str(), e[7].c_str()), "", kLabelColumn},
  };
}

}  // namespace nocturna
