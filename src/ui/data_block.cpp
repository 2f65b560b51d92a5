#include "ui/data_block.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/sun_moon_values.h"

namespace nocturna {

namespace {
constexpr double kLabelColumn = 0.0;
constexpr double kTimeColumn = 7.0;
constexpr double kValueColumn = 14.0;
}  // namespace

DataBlockValues DataBlockValuesOf(const ChartPass& pass, int zoneDescription,
                                  const BodyCatalog& catalog, const SunEventsRecord& events) {
  const AlmanacMoment& m = pass.moment;
  const SunMoonValues sunMoon = SunMoonValuesOf(catalog, events);
  DataBlockValues v;
  v.zoneDate = FormatLongDate(m.zoneDate.month, m.zoneDate.day, m.zoneDate.year);
  v.zoneClock = FormatClockTime(m.zoneClock.hour, m.zoneClock.minute, m.zoneClock.second);
  v.zoneDescription = PrintfText("%d", zoneDescription);
  v.utClock = FormatClockTime(m.utClock.hour, m.utClock.minute, m.utClock.second);
  v.utDate = FormatLongDate(m.utDate.month, m.utDate.day, m.utDate.year);
  v.latitude = pass.latitudeText;
  v.longitude = pass.longitudeText;
  v.ghaAries = FormatAngle360(catalog.gha[kAriesIndex]);
  v.sunGha = FormatAngle360(sunMoon.sunGha);
  v.sunDeclination = FormatDeclination(sunMoon.sunDeclination);
  v.sunSemiDiameter = FormatArcMinutes(sunMoon.sunSemiDiameter);
  v.meridianPassage = pass.eventTexts[8];
  v.equationOfTime = FormatEquationOfTime(sunMoon.equationOfTime);
  v.amplitude = FormatAmplitudeOrSentinel(sunMoon.amplitude);
  v.moonGha = FormatAngle360(sunMoon.moonGha);
  v.moonDeclination = FormatDeclination(sunMoon.moonDeclination);
  v.moonSemiDiameter = FormatArcMinutes(sunMoon.moonSemiDiameter);
  v.moonParallax = FormatArcMinutes(sunMoon.moonHorizontalParallax);
  v.moonPhase = FormatPhase(sunMoon.moonIlluminatedFraction);
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
