#include "starfinder/star_finder_texts.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/almanac_snapshot.h"

namespace nocturna {
namespace {

std::string ZoneHours(DateTime zoneTime) {
  return FormatHoursMinutes((zoneTime - DayOfDateTime(zoneTime)) * 24);
}

std::string WindowLine(const StarFinderResult& result) {
  const bool morning = result.twilight == Twilight::morning;
  const char* name = morning ? "Morning" : "Evening";
  if (!result.window.occurs) return PrintfText("%s twilight: none", name);
  return PrintfText("%s twilight %s to %s ZT (%s)", name, ZoneHours(result.window.start).c_str(),
                    ZoneHours(result.window.end).c_str(),
                    morning ? "nautical to civil" : "civil to nautical");
}

std::string MomentLine(const StarFinderResult& result) {
  const AlmanacMoment m = AlmanacMomentOf(result.moment, result.zoneDescription);
  return PrintfText(
      "Moment %s ZT %s, ZD %d (%s)",
      FormatLongDate(m.zoneDate.month, m.zoneDate.day, m.zoneDate.year).c_str(),
      FormatClockTime(m.zoneClock.hour, m.zoneClock.minute, m.zoneClock.second).c_str(),
      result.zoneDescription, result.momentChosen ? "as chosen" : "the middle of the window");
}

}  // namespace

const char* SearchMethodText(SetSearchMethod method) {
  return method == SetSearchMethod::exhaustive ? "every set scored" : "best four grown, then swaps";
}

StarFinderTexts StarFinderTextsOf(const StarFinderResult& result,
                                  const StarFinderSettings& settings) {
  StarFinderTexts texts;
  texts.windowLine = WindowLine(result);
  texts.message = result.message;
  if (!result.window.occurs && !result.momentChosen) return texts;
  texts.momentLine = MomentLine(result);
  texts.positionLine = "DR " + FormatLatitude(result.position.latitude) + " " +
                       FormatLongitude(result.position.longitude);
  if (result.outsideTwilight) return texts;
  texts.limitsLine =
      PrintfText("Hc %g\xB0 to %g\xB0, magnitude %.1f or brighter: %d bod%s", settings.minAltitude,
                 settings.maxAltitude, settings.magnitudeLimit, result.candidateCount,
                 result.candidateCount == 1 ? "y" : "ies");
  if (result.bodies.empty()) return texts;
  texts.setLine =
      PrintfText("Best set of %d: HDOP %.2f (%s)", static_cast<int>(result.bodies.size()),
                 result.hdop, SearchMethodText(result.method));
  for (const FinderBody& body : result.bodies) {
    texts.rows.push_back({std::to_string(body.order), body.name, FormatAltAz(body.hc, true, 2),
                          FormatAltAz(body.zn, true, 3), FormatAltAz(body.hs, true, 2),
                          PrintfText("%4.1f", body.magnitude)});
  }
  return texts;
}

}  // namespace nocturna
