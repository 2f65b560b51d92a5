// The right page: the Sun's and the Moon's hourly values, and the tables of twilight, sunrise,
// sunset, moonrise and moonset at the latitudes, with the Sun's and the Moon's daily figures.
#include <cstdlib>

#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

constexpr int kSunGha = 8;
constexpr int kSunDeclination = 17;
constexpr int kMoonGha = 28;
constexpr int kMoonVEnd = 41;
constexpr int kMoonDeclination = 42;
constexpr int kMoonDEnd = 55;
constexpr int kMoonParallaxEnd = 60;
constexpr int kHourlyEnd = 62;
constexpr int kLatitude = 64;
constexpr int kFirstEvent = 69;
constexpr int kEventStride = 6;
constexpr int kFirstMoonEvent = 89;
constexpr int kColumns = 113;
constexpr int kMiddleDay = 1;
// The latitude rows that begin a group, as the printed tables space them.
constexpr int kLatitudeGroupStarts[] = {6, 11, 15, 19, 24};

std::string LatitudeText(int degrees) {
  const std::string number = (std::abs(degrees) < 10 ? " " : "") + std::to_string(std::abs(degrees));
  return (degrees > 0 ? "N" : degrees < 0 ? "S" : " ") + number;
}

void PutEvent(SheetWriter& sheet, int column, const EventCell& cell) {
  switch (cell.kind) {
    case EventCellKind::time: sheet.Put(column, FormatHourMinute(cell.minutes)); break;
    case EventCellKind::aboveAllDay: sheet.PutSymbol(column + 2, SheetSymbol::openSquare); break;
    case EventCellKind::belowAllDay: sheet.PutSymbol(column + 2, SheetSymbol::filledSquare); break;
    case EventCellKind::twilightAllNight: sheet.PutSymbol(column, SheetSymbol::twilightAllNight); break;
    case EventCellKind::notThisDay: sheet.Put(column, "-- --"); break;
  }
}

std::string SignedMinuteSecond(int seconds) {
  return (seconds < 0 ? "-" : "") + FormatHourMinute(std::abs(seconds));  // minutes and seconds
}

std::string Passage(const std::optional<int>& minutes) {
  return minutes ? FormatHourMinute(*minutes) : "-- --";
}

// The two heading lines of a table of events, on the current line and the next: its three Sun
// columns, then the Moon's four days.
void EventHeading(SheetWriter& sheet, const AlmanacOpening& opening, bool morning, int line) {
  if (line == 0) {
    sheet.Put(kLatitude, "Lat.").Put(kFirstMoonEvent + 7, morning ? "Moonrise" : "Moonset");
    if (morning) {
      sheet.Put(kFirstEvent + 2, "Twilight").Put(kFirstEvent + 2 * kEventStride - 1, "Sunrise");
    } else {
      sheet.Put(kFirstEvent, "Sunset").Put(kFirstEvent + kEventStride + 3, "Twilight");
    }
    sheet.RuleAbove(kHourlyEnd + 1, kColumns, true);
    return;
  }
  sheet.Put(kFirstEvent + (morning ? 0 : 2 * kEventStride), "Naut.").Put(kFirstEvent + kEventStride, "Civil");
  for (int day = 0; day <= kOpeningDays; ++day) {
    const CalendarDate date = DateAfter(opening.days[0].date, day);
    sheet.PutRight(kFirstMoonEvent + kEventStride * day + 5, std::to_string(date.day));
  }
}

void EventRow(SheetWriter& sheet, const AlmanacOpening& opening, std::size_t latitude, bool morning) {
  sheet.Put(kLatitude, LatitudeText(kPageLatitudes[latitude]));
  const LatitudeEvents& middle = opening.events[kMiddleDay][latitude];
  const EventCell* sun[] = {&middle.nauticalMorning, &middle.civilMorning, &middle.sunrise};
  const EventCell* evening[] = {&middle.sunset, &middle.civilEvening, &middle.nauticalEvening};
  for (int k = 0; k < 3; ++k) PutEvent(sheet, kFirstEvent + kEventStride * k, *(morning ? sun : evening)[k]);
  for (int day = 0; day <= kOpeningDays; ++day) {
    const LatitudeEvents& events = opening.events[day][latitude];
    PutEvent(sheet, kFirstMoonEvent + kEventStride * day, morning ? events.moonrise : events.moonset);
  }
  for (const int start : kLatitudeGroupStarts) {
    if (static_cast<int>(latitude) == start) sheet.RuleAbove(kHourlyEnd + 1, kColumns);
  }
}

constexpr int kDayColumn = 64;
constexpr int kEquationOfTimeEnd[] = {74, 81};
constexpr int kSunPassage = 83;
constexpr int kMoonPassage[] = {90, 96};
constexpr int kAgeEnd = 105;
constexpr int kPhaseEnd = 112;

// The Sun's and the Moon's daily figures: three heading lines, then a line a day.
void DayTableLine(SheetWriter& sheet, const AlmanacOpening& opening, int line) {
  switch (line) {
    case 0:
      sheet.Put(kEquationOfTimeEnd[0] + 1, "SUN").Put(kMoonPassage[0] + 8, "MOON")
          .RuleAbove(kHourlyEnd + 1, kColumns, true);
      return;
    case 1:
      sheet.Put(kDayColumn, "Day").Put(kEquationOfTimeEnd[0] - 5, "Eqn. of Time").Put(kSunPassage, "Mer.")
          .Put(kMoonPassage[0] + 1, "Mer. Pass.").Put(kAgeEnd - 3, "Age").Put(kPhaseEnd - 5, "Phase");
      return;
    case 2:
      sheet.Put(kEquationOfTimeEnd[0] - 3, "00h").Put(kEquationOfTimeEnd[1] - 3, "12h").Put(kSunPassage, "Pass.")
          .Put(kMoonPassage[0], "Upper").Put(kMoonPassage[1], "Lower").Put(kAgeEnd - 1, "d").Put(kPhaseEnd - 1, "%");
      return;
    default: break;
  }
  const OpeningDay& day = opening.days[line - 3];
  sheet.PutRight(kDayColumn + 2, std::to_string(day.date.day))
      .PutRight(kEquationOfTimeEnd[0], SignedMinuteSecond(day.equationOfTime00h))
      .PutRight(kEquationOfTimeEnd[1], SignedMinuteSecond(day.equationOfTime12h))
      .Put(kSunPassage, FormatHourMinute(day.sunMeridianPassage))
      .Put(kMoonPassage[0], Passage(day.moonUpperPassage))
      .Put(kMoonPassage[1], Passage(day.moonLowerPassage))
      .PutRight(kAgeEnd, std::to_string(day.moonAge))
      .PutRight(kPhaseEnd, std::to_string(day.moonPhase));
}

// What the right part of body line `line` holds: the morning table, the evening table, then
// the daily figures, with a blank line between them.
void RightPartOfLine(SheetWriter& sheet, const AlmanacOpening& opening, int line) {
  constexpr int kLatitudes = static_cast<int>(kPageLatitudes.size());
  constexpr int kEveningHeading = kLatitudes + 1;
  constexpr int kEveningRows = kEveningHeading + 2;
  constexpr int kDayTable = kEveningRows + kLatitudes + 1;
  if (line < kLatitudes) {
    EventRow(sheet, opening, line, true);
  } else if (line == kEveningHeading || line == kEveningHeading + 1) {
    EventHeading(sheet, opening, false, line - kEveningHeading);
  } else if (line >= kEveningRows && line < kEveningRows + kLatitudes) {
    EventRow(sheet, opening, line - kEveningRows, false);
  } else if (line >= kDayTable && line < kDayTable + 3 + kOpeningDays) {
    DayTableLine(sheet, opening, line - kDayTable);
  }
}

}  // namespace

Sheet RightPageSheet(const AlmanacOpening& opening, const std::string& statement) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred(OpeningTitle(opening));
  const int headingLine = sheet.NextLine();
  sheet.Line(SheetLineStyle::heading).Put(0, "UT").Put(kSunGha + 6, "SUN").Put(kMoonGha + 14, "MOON")
      .RuleAbove(0, kHourlyEnd + 1, true);
  EventHeading(sheet, opening, true, 0);
  sheet.Line(SheetLineStyle::heading).Put(0, " d h").Put(kSunGha + 2, "GHA").Put(kSunDeclination + 2, "Dec")
      .Put(kMoonGha + 2, "GHA").PutRight(kMoonVEnd, "v").Put(kMoonDeclination + 2, "Dec")
      .PutRight(kMoonDEnd, "d").PutRight(kMoonParallaxEnd, "HP");
  EventHeading(sheet, opening, true, 1);

  for (int h = 0; h < kOpeningHours; ++h) {
    const OpeningDay& day = opening.days[h / 24];
    sheet.Line();
    if (h % 24 == 0) sheet.PutRight(2, std::to_string(day.date.day));
    if (h % 24 == 1) sheet.Put(0, std::string(WeekdayName(day.weekday)).substr(0, 2));
    sheet.PutRight(5, FormatHourMinute((h % 24) * 60).substr(0, 2));
    const HourPlace& sun = opening.sun.hours[h];
    const MoonHour& moon = opening.moon[h];
    sheet.Put(kSunGha, FormatHourAngle(sun.gha)).Put(kSunDeclination, FormatDeclination(sun.declination))
        .Put(kMoonGha, FormatHourAngle(moon.place.gha)).PutRight(kMoonVEnd, FormatTenths(moon.v))
        .Put(kMoonDeclination, FormatDeclination(moon.place.declination))
        .PutRight(kMoonDEnd, FormatTenths(std::abs(moon.d)))
        .PutRight(kMoonParallaxEnd, FormatTenths(moon.horizontalParallax));
    if (h % 6 == 0) sheet.RuleAbove(0, kHourlyEnd + 1, h % 24 == 0);
    RightPartOfLine(sheet, opening, h);
  }
  const int footer = sheet.NextLine();
  sheet.Line().RuleAbove(0, kHourlyEnd + 1, true)
      .Put(kSunGha, "SD " + FormatTenths(opening.sun.semiDiameter) + "   d " + FormatTenths(std::abs(opening.sun.d)))
      .Put(kMoonGha, "SD");
  for (int day = 0; day < kOpeningDays; ++day) {
    sheet.PutRight(kMoonGha + 8 + 6 * day, FormatTenths(opening.days[day].moonSemiDiameter));
  }
  sheet.Line().RuleAbove(0, kColumns, true).Put(0, statement);
  for (const int column : {6, 26}) sheet.ColumnRule(column, headingLine, footer);
  sheet.ColumnRule(kHourlyEnd, headingLine, footer + 1);
  const int eveningEnd = headingLine + 2 + static_cast<int>(2 * kPageLatitudes.size()) + 3;
  sheet.ColumnRule(kFirstMoonEvent - 2, headingLine, eveningEnd);
  return sheet.Take();
}

}  // namespace nocturna
