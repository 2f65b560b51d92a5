#include "chart/data_block.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/sun_moon_values.h"

namespace nocturna {

namespace {
constexpr double kLabelColumn = 0.0;
constexpr double kValueColumn = 14.0;
// The window: the moment's values 7 units right, the latitude 10.5 and the longitude 9, with the
// amplitude and the prime-vertical crossings.
constexpr DataBlockForm kScreenForm{.timeColumn = 7.0,
                                    .latitudeColumn = 10.5,
                                    .longitudeColumn = 9.0,
                                    .amplitude = true,
                                    .primeVertical = true,
                                    .morningHeading = "Nautical    Civil     Sunrise     PVC",
                                    .eveningHeading = "Sunset      Civil    Nautical     PVC"};
// The page: the moment and the position 10 units right, no amplitude and no prime-vertical
// crossings.
constexpr DataBlockForm kPageForm{.timeColumn = 10.0,
                                  .latitudeColumn = 10.0,
                                  .longitudeColumn = 10.0,
                                  .amplitude = false,
                                  .primeVertical = false,
                                  .morningHeading = "Nautical    Civil     Sunrise",
                                  .eveningHeading = "Sunset      Civil   Nautical"};
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

std::vector<DataBlockLine> DataBlockLines(const DataBlockValues& v, const DataBlockForm& form) {
  const EventTimeTexts& e = v.events;
  // The Sun's times of one half of the day: three events, then the prime-vertical crossing.
  auto sunTimes = [&](int first, int second, int third, int primeVertical) {
    std::string text =
        PrintfText("%6s%13s%10s", e[first].c_str(), e[second].c_str(), e[third].c_str());
    if (form.primeVertical) text += PrintfText("%10s", e[primeVertical].c_str());
    return text;
  };
  std::vector<DataBlockLine> lines = {
      {0, "Date", v.zoneDate, form.timeColumn},
      {1, "ZT", v.zoneClock, form.timeColumn},
      {2, "ZD", v.zoneDescription, form.timeColumn},
      {3, "UT", v.utClock, form.timeColumn},
      {4, "G\\D", v.utDate, form.timeColumn},
      {6, "DR L", v.latitude, form.latitudeColumn},
      {7, "DR Lo", v.longitude, form.longitudeColumn},
      {9, "GHA Aries", v.ghaAries, kValueColumn},
      {11, "Sun:", "", kLabelColumn},
      {12, "GHA", v.sunGha, kValueColumn},
      {13, "Dec", v.sunDeclination, kValueColumn},
      {14, "SD", v.sunSemiDiameter, kValueColumn},
      {15, "Mer. Pass.", v.meridianPassage, kValueColumn},
      {16, "Eqn. Time", v.equationOfTime, kValueColumn},
  };
  if (form.amplitude) lines.push_back({17, "Amplitude", v.amplitude, kValueColumn});
  const int moon = form.amplitude ? 19 : 18;
  lines.insert(lines.end(),
               {
                   {moon, "Moon:", "", kLabelColumn},
                   {moon + 1, "GHA", v.moonGha, kValueColumn},
                   {moon + 2, "Dec", v.moonDeclination, kValueColumn},
                   {moon + 3, "SD", v.moonSemiDiameter, kValueColumn},
                   {moon + 4, "HP", v.moonParallax, kValueColumn},
                   {moon + 5, "Phase", v.moonPhase, kValueColumn},
                   {moon + 7, form.morningHeading, "", kLabelColumn},
                   {moon + 8, sunTimes(4, 2, 0, 9), "", kLabelColumn},
                   {28, form.eveningHeading, "", kLabelColumn},
                   {29, sunTimes(1, 3, 5, 10), "", kLabelColumn},
                   {31, "Moonrise   Moonset", "", kLabelColumn},
                   {32, PrintfText("%6s%16s", e[6].c_str(), e[7].c_str()), "", kLabelColumn},
               });
  return lines;
}

std::vector<DataBlockLine> ScreenDataBlockLines(const DataBlockValues& values) {
  return DataBlockLines(values, kScreenForm);
}

std::vector<DataBlockLine> PrintedDataBlockLines(const DataBlockValues& values) {
  return DataBlockLines(values, kPageForm);
}

}  // namespace nocturna
