// The booklet's pages in order, their index and their page numbers.
#include <cstdio>

#include "almanacpages/almanac_booklet.h"
#include "almanacpages/altitude_correction_tables.h"
#include "almanacpages/blank_forms.h"
#include "almanacpages/concise_reduction.h"
#include "almanacpages/increment_tables.h"
#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"

namespace nocturna {
namespace {

constexpr int kIndexColumns = 96;

// The pages of each table section, in booklet order after the daily pages and lunar distances.
constexpr int kTablePages[] = {30, 5, 3, 32, 2};
constexpr int kFirstTableSection = static_cast<int>(BookletSection::increments);

void AddSection(std::vector<BookletPage>& pages, BookletSection section, std::vector<Sheet> sheets) {
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    pages.push_back({section, {}, std::move(sheets[i])});
  }
  pages[pages.size() - sheets.size()].headings.push_back(SectionTitle(section));
}

std::string MonthHeading(const CalendarDate& date) {
  std::string month = MonthName(date.month);
  for (std::size_t i = 1; i < month.size(); ++i) month[i] = static_cast<char>(month[i] - 'A' + 'a');
  return "  " + month + " " + std::to_string(date.year);
}

// The daily pages (the passage's sheets after its title), each month listed at the opening
// where it begins.
void AddDailyPages(std::vector<BookletPage>& pages, const AlmanacPassage& passage, std::vector<Sheet> sheets) {
  int month = 0;
  for (std::size_t i = 1; i < sheets.size(); ++i) {
    const CalendarDate& first = passage.openings[(i - 1) / 2].days[0].date;
    BookletPage page{BookletSection::daily, {}, std::move(sheets[i])};
    if (i == 1) page.headings.push_back(SectionTitle(BookletSection::daily));
    if (first.month != month) page.headings.push_back(MonthHeading(first));
    month = first.month;
    pages.push_back(std::move(page));
  }
}

Sheet IndexSheet(const std::vector<BookletPage>& pages, int firstNumber) {
  SheetWriter sheet(kIndexColumns);
  sheet.Line(SheetLineStyle::title).PutCentred("NOCTURNA ALMANAC BOOKLET: INDEX");
  sheet.Line();
  int number = firstNumber;
  for (const BookletPage& page : pages) {
    for (const std::string& heading : page.headings) {
      sheet.Line(heading[0] == ' ' ? SheetLineStyle::body : SheetLineStyle::heading)
          .Put(0, heading).PutRight(kIndexColumns, std::to_string(number));
    }
    ++number;
  }
  return sheet.Take();
}

void Number(Sheet& sheet, const std::string& label, int number, int total) {
  SheetLine footer;
  footer.rulesAbove.push_back({0, sheet.columns, false});
  const std::string text = "Page " + std::to_string(number) + " of " + std::to_string(total);
  footer.cells.push_back({0, label, SheetSymbol::none});
  footer.cells.push_back({sheet.columns - static_cast<int>(text.size()), text, SheetSymbol::none});
  sheet.lines.push_back(std::move(footer));
}

}  // namespace

int BookletPageCount(int days, const BookletContents& contents) {
  int pages = 0;
  int sections = 0;
  for (const BookletSection section : kBookletSections) {
    if (!contents.Has(section)) continue;
    ++sections;
    pages += section == BookletSection::daily   ? 1 + 2 * OpeningCount(days)
             : section == BookletSection::lunar ? LunarDistancePageCount(days)
                                                : kTablePages[static_cast<int>(section) - kFirstTableSection];
  }
  return pages + (sections > 1 ? 1 : 0);
}

std::vector<BookletPage> BookletPages(const AlmanacBooklet& booklet) {
  const BookletContents& contents = booklet.contents;
  std::vector<BookletPage> front;
  std::vector<BookletPage> body;
  if (contents.Has(BookletSection::daily)) {
    std::vector<Sheet> sheets = PassageSheets(booklet.passage);
    front.push_back({BookletSection::daily, {}, std::move(sheets[0])});
    AddDailyPages(body, booklet.passage, std::move(sheets));
  }
  if (contents.Has(BookletSection::lunar)) AddSection(body, BookletSection::lunar, LunarDistanceSheets(booklet.lunar));
  if (contents.Has(BookletSection::increments)) AddSection(body, BookletSection::increments, IncrementSheets());
  if (contents.Has(BookletSection::altitude)) AddSection(body, BookletSection::altitude, AltitudeCorrectionSheets());
  if (contents.Has(BookletSection::polaris)) AddSection(body, BookletSection::polaris, PolarisSheets(booklet.polaris));
  if (contents.Has(BookletSection::reduction)) AddSection(body, BookletSection::reduction, ConciseReductionSheets());
  if (contents.Has(BookletSection::forms)) {
    AddSection(body, BookletSection::forms, {SightFormSheet(), PlottingSheet()});
  }
  if (SectionList(contents).find(',') != std::string::npos) {
    front.push_back({BookletSection::daily, {}, IndexSheet(body, static_cast<int>(front.size()) + 2)});
  }
  const int frontCount = static_cast<int>(front.size());
  std::vector<BookletPage> pages = std::move(front);
  for (BookletPage& page : body) pages.push_back(std::move(page));
  const int total = static_cast<int>(pages.size());
  for (int i = 0; i < total; ++i) {
    Number(pages[i].sheet, i < frontCount ? "Nocturna almanac booklet" : SectionTitle(pages[i].section), i + 1, total);
  }
  return pages;
}

}  // namespace nocturna
