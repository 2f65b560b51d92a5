#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"

namespace nocturna {

std::string OpeningTitle(const AlmanacOpening& opening) {
  std::string title;
  std::string weekdays;
  const OpeningDay* previous = nullptr;
  for (const OpeningDay& day : opening.days) {
    if (previous) {
      title += ", ";
      weekdays += ", ";
    }
    if (!previous || previous->date.year != day.date.year) title += std::to_string(day.date.year) + " ";
    if (!previous || previous->date.month != day.date.month) title += std::string(MonthName(day.date.month)) + " ";
    title += std::to_string(day.date.day);
    weekdays += std::string(WeekdayName(day.weekday)) + ".";
    previous = &day;
  }
  return title + " (" + weekdays + ")";
}

std::vector<Sheet> PassageSheets(const AlmanacPassage& passage) {
  std::vector<Sheet> sheets{TitleSheet(passage)};
  for (const AlmanacOpening& opening : passage.openings) {
    const std::string statement = StatementLine(opening.ephemeris);
    sheets.push_back(LeftPageSheet(opening, statement));
    sheets.push_back(RightPageSheet(opening, statement));
  }
  return sheets;
}

}  // namespace nocturna
