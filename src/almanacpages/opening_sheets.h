#pragma once
// The sheets of a passage: the title page, then for each opening the left page (Aries, the
// planets, the stars) and the right page (Sun, Moon, twilights, moonrise and moonset), laid out
// as the printed almanac's daily pages.
#include <string>

#include "almanacpages/almanac_opening.h"
#include "almanacpages/almanac_passage.h"
#include "almanacpages/page_sheet.h"

namespace nocturna {

// "2026 DECEMBER 10, 11, 12 (THU., FRI., SAT.)": the opening's dates, as at the head of its pages.
std::string OpeningTitle(const AlmanacOpening& opening);

// `statement` is the foot line naming the ephemeris and its Delta T and DUT1.
Sheet LeftPageSheet(const AlmanacOpening& opening, const std::string& statement);
Sheet RightPageSheet(const AlmanacOpening& opening, const std::string& statement);

// The date range, the ephemeris with its Delta T and DUT1, and how to use the pages.
Sheet TitleSheet(const AlmanacPassage& passage);

// The title sheet, then the left and right sheet of every opening.
std::vector<Sheet> PassageSheets(const AlmanacPassage& passage);

}  // namespace nocturna
