#include "pages/almanac_pages_report.h"

#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"
#include "cli/standard_output.h"
#if NOCTURNA_ALMANAC_PICTURES
#include "pages/almanac_pages_pdf.h"
#endif

namespace nocturna {
namespace {

constexpr int kDefaultPassageDays = 9;

std::string SheetsText(const std::vector<Sheet>& sheets) {
  std::string text;
  for (const Sheet& sheet : sheets) {
    if (!text.empty()) text += "\f\n";
    text += SheetText(sheet);
  }
  return text;
}

}  // namespace

std::string AlmanacPagesText(const AlmanacPassage& passage) { return SheetsText(PassageSheets(passage)); }

int RunAlmanacPages(const AlmanacOptions& options, const UtcCalendar& now) {
  constexpr int kThreads = 2;
  const CalendarDate today{static_cast<std::uint16_t>(now.month), static_cast<std::uint16_t>(now.day),
                           static_cast<std::uint16_t>(now.year)};
  const CalendarDate from = options.pages.from.value_or(today);
  const int days = options.pages.days.value_or(kDefaultPassageDays);
  BookletContents dailyOnly;
  for (const BookletSection section : kBookletSections) dailyOnly.Set(section, section == BookletSection::daily);
  const BookletContents contents = options.pages.sections.value_or(dailyOnly);
  const std::string problem = CheckBooklet(from, days, contents);
  if (!problem.empty()) return Fail(problem);
  const AlmanacBooklet booklet = *ComputeAlmanacBooklet(from, days, contents, AlmanacPagesEphemeris(options.ephemeris),
                                                        [](int, int) { return true; }, kThreads);
  if (!options.chart.pdfFile.empty()) {
#if NOCTURNA_ALMANAC_PICTURES
    const std::string error = WriteAlmanacPagesPdf(options.chart.pdfFile, BookletPages(booklet));
    return error.empty() ? 0 : Fail(error, kRunFailure);
#else
    return Fail("--pdf needs the window library, which this build leaves out");
#endif
  }
  return WriteStandardOutput(options.json ? BookletJson(booklet) : SheetsText(BookletSheets(booklet)),
                             TextEncoding::utf8);
}

}  // namespace nocturna
