// The passage's title page: what the pages hold, which ephemeris made them, and how to use them.
#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

constexpr int kColumns = 96;
constexpr int kIndent = 4;

std::string LongDate(const CalendarDate& date) {
  std::string month = MonthName(date.month);
  for (std::size_t i = 1; i < month.size(); ++i) month[i] = static_cast<char>(month[i] - 'A' + 'a');
  return std::to_string(date.day) + " " + month + " " + std::to_string(date.year);
}

// The notes on using the pages, a line each (Windows-1252, the degree sign 0xB0).
constexpr const char* kHowToUse[] = {
    "GHA and Dec: enter the page of the Greenwich date at the whole hour of UT before the sight.",
    "Add the increment for the minutes and seconds past the hour: 15\xB0 an hour for the Sun",
    "  and the planets, 15\xB0" "02.5' for Aries, 14\xB0" "19.0' for the Moon.",
    "v: the hourly excess of the GHA over those rates, at the foot of each planet's column",
    "  and beside every hour of the Moon. Add v x minutes/60 to the GHA (subtract a negative v).",
    "d: the hourly change of declination, printed without sign. Apply d x minutes/60 in the",
    "  direction the declination is going from this hour to the next.",
    "Stars: GHA star = GHA Aries + SHA star; their SHA and Dec are for the middle day at 0h.",
    "Twilight, sunrise and sunset (the middle day) and moonrise and moonset (each day and the",
    "  next) are local mean time at the latitude; to get UT add the longitude in time (west",
    "  positive), and for the Moon interpolate between the days for the longitude.",
    "Eqn. of Time is apparent less mean time (minutes and seconds); when negative the Sun",
    "  crosses the meridian after 12h. Mer. Pass. times are UT at Greenwich.",
    "Age: days since new moon; Phase: the illuminated part of the disc, per cent, at 12h UT.",
};

}  // namespace

Sheet TitleSheet(const AlmanacPassage& passage) {
  SheetWriter sheet(kColumns);
  const CalendarDate last = DateAfter(passage.from, passage.days - 1);
  const int openings = static_cast<int>(passage.openings.size());
  sheet.Line(SheetLineStyle::title).PutCentred("NOCTURNA ALMANAC PAGES");
  sheet.Line();
  sheet.Line(SheetLineStyle::heading).PutCentred(LongDate(passage.from) + " to " + LongDate(last));
  sheet.Line().PutCentred(std::to_string(passage.days) + (passage.days == 1 ? " day, " : " days, ") +
                          std::to_string(openings) + (openings == 1 ? " opening" : " openings") +
                          " of three Greenwich days");
  sheet.Line();
  const EphemerisStatement& ephemeris = passage.ephemeris;
  sheet.Line(SheetLineStyle::heading).Put(0, "Ephemeris").RuleAbove(0, kColumns, true);
  sheet.Line().Put(kIndent, StatementLine(ephemeris));
  sheet.Line().Put(kIndent, "Delta T (TT - UT1): " + DeltaTText(ephemeris));
  sheet.Line().Put(kIndent, "DUT1 (UT1 - UTC):   " + Dut1Text(ephemeris));
  if (ephemeris.used.kind == EphemerisKind::precise) {
    sheet.Line().Put(kIndent, "The times of the pages are UTC; each page states its own Delta T and DUT1.");
  }
  sheet.Line();
  sheet.Line(SheetLineStyle::heading).Put(0, "How to use these pages").RuleAbove(0, kColumns, true);
  for (const char* line : kHowToUse) sheet.Line().Put(kIndent, line);
  sheet.Line().Put(kIndent, "Symbols:").PutSymbol(kIndent + 9, SheetSymbol::openSquare)
      .Put(kIndent + 11, "above the horizon all day,").PutSymbol(kIndent + 38, SheetSymbol::filledSquare)
      .Put(kIndent + 40, "below it all day,").PutSymbol(kIndent + 58, SheetSymbol::twilightAllNight)
      .Put(kIndent + 63, "twilight all night.");
  sheet.Line().Put(kIndent, "All angles are rounded to 0.1', all times to the minute.");
  return sheet.Take();
}

}  // namespace nocturna
