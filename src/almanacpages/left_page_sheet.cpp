// The left page: GHA Aries, the four planets' GHA and declination by the hour, the stars.
#include <cctype>
#include <cstdlib>

#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

constexpr int kAriesColumn = 8;
constexpr int kFirstPlanetColumn = 19;
constexpr int kPlanetStride = 20;  // GHA, a space, declination, then a ruled gap
constexpr int kHourlyEnd = 96;     // the hourly part's columns end here
constexpr int kStarName = 99;
constexpr int kStarSha = 115;
constexpr int kStarDeclination = 124;
constexpr int kColumns = 132;
constexpr int kStarsPerGroup = 5;

int PlanetStart(int planet) { return kFirstPlanetColumn + kPlanetStride * planet; }

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Magnitude(int tenths) {
  const int size = std::abs(tenths);
  return (tenths < 0 ? "-" : "+") + std::to_string(size / 10) + "." + std::to_string(size % 10);
}

std::string Passage(const std::optional<int>& minutes) {
  return minutes ? FormatHourMinute(*minutes) : "-- --";
}

// The right-hand part of one row: the stars, then the planets' SHA and meridian passage on the
// middle day under them.
void PutStarsRow(SheetWriter& sheet, const AlmanacOpening& opening, int row) {
  if (row < kPageStarCount) {
    const StarPlace& star = opening.stars[row];
    sheet.Put(kStarName, star.name).Put(kStarSha, FormatHourAngle(star.sha))
        .Put(kStarDeclination, FormatDeclination(star.declination));
    if (row % kStarsPerGroup == 0) sheet.RuleAbove(kHourlyEnd + 1, kColumns, row == 0);
  }
  const int planetRow = row - kPageStarCount - 3;
  if (planetRow == -1) {
    sheet.Put(kStarSha + 2, "SHA").Put(kStarDeclination - 1, "Mer.Pass.").RuleAbove(kHourlyEnd + 1, kColumns, true);
  }
  if (planetRow >= 0 && planetRow < kPagePlanetCount) {
    const PlanetColumn& planet = opening.planets[planetRow];
    sheet.Put(kStarName, planet.name).Put(kStarSha, FormatHourAngle(planet.sha))
        .Put(kStarDeclination + 2, Passage(planet.meridianPassage));
  }
}

}  // namespace

Sheet LeftPageSheet(const AlmanacOpening& opening, const std::string& statement) {
  SheetWriter sheet(kColumns);
  sheet.Line(SheetLineStyle::title).PutCentred(OpeningTitle(opening));
  const int headingLine = sheet.NextLine();
  sheet.Line(SheetLineStyle::heading).Put(0, "UT").Put(kAriesColumn + 1, "ARIES").Put(kStarName, "STARS");
  for (int p = 0; p < kPagePlanetCount; ++p) {
    const PlanetColumn& planet = opening.planets[p];
    sheet.Put(PlanetStart(p) + 2, Upper(planet.name) + " " + Magnitude(planet.magnitudeTenths));
  }
  sheet.RuleAbove(0, kColumns, true);
  sheet.Line(SheetLineStyle::heading).Put(0, " d h").Put(kAriesColumn + 2, "GHA").Put(kStarName, "Name")
      .Put(kStarSha + 2, "SHA").Put(kStarDeclination + 2, "Dec");
  for (int p = 0; p < kPagePlanetCount; ++p) sheet.Put(PlanetStart(p) + 2, "GHA").Put(PlanetStart(p) + 11, "Dec");

  for (int h = 0; h < kOpeningHours; ++h) {
    const OpeningDay& day = opening.days[h / 24];
    sheet.Line();
    if (h % 24 == 0) sheet.Put(0, (day.date.day < 10 ? " " : "") + std::to_string(day.date.day));
    if (h % 24 == 1) sheet.Put(0, std::string(WeekdayName(day.weekday)).substr(0, 2));
    sheet.PutRight(5, FormatHourMinute((h % 24) * 60).substr(0, 2));
    sheet.Put(kAriesColumn, FormatHourAngle(opening.ghaAries[h]));
    for (int p = 0; p < kPagePlanetCount; ++p) {
      const HourPlace& place = opening.planets[p].hours[h];
      sheet.Put(PlanetStart(p), FormatHourAngle(place.gha)).Put(PlanetStart(p) + 9, FormatDeclination(place.declination));
    }
    if (h % 6 == 0) sheet.RuleAbove(0, kHourlyEnd, h % 24 == 0);
    PutStarsRow(sheet, opening, h);
  }
  const int ariesPassage = opening.ariesMeridianPassage;
  const int footer = sheet.NextLine();
  sheet.Line().RuleAbove(0, kHourlyEnd, true)
      .Put(0, "Mer. Pass. " + FormatHourMinute(ariesPassage / 10) + "." + std::to_string(ariesPassage % 10));
  for (int p = 0; p < kPagePlanetCount; ++p) {
    const PlanetColumn& planet = opening.planets[p];
    sheet.Put(PlanetStart(p) + 1, "v" + std::string(planet.v < 0 ? " " : "  ") + FormatTenths(planet.v))
        .Put(PlanetStart(p) + 10, "d  " + FormatTenths(std::abs(planet.d)));
  }
  const int lastBody = sheet.NextLine();
  sheet.Line().RuleAbove(0, kColumns, true).Put(0, statement);
  // Between UT and Aries and Aries and Venus down to the Mer. Pass. line, which crosses them;
  // between the planets and before the stars down through the v and d line.
  for (const int column : {6, 17}) sheet.ColumnRule(column, headingLine, footer);
  for (int p = 1; p <= kPagePlanetCount; ++p) sheet.ColumnRule(PlanetStart(p) - 2, headingLine, lastBody);
  return sheet.Take();
}

}  // namespace nocturna
