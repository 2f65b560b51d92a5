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

}  // namespace

std::string AlmanacPagesText(const AlmanacPassage& passage) {
  std::string text;
  for (const Sheet& sheet : PassageSheets(passage)) {
    if (!text.empty()) text += "\f\n";
    text += SheetText(sheet);
  }
  return text;
}

int RunAlmanacPages(const AlmanacOptions& options, const UtcCalendar& now) {
  const CalendarDate today{static_cast<std::uint16_t>(now.month), static_cast<std::uint16_t>(now.day),
                           static_cast<std::uint16_t>(now.year)};
  const CalendarDate from = options.pages.from.value_or(today);
  const int days = options.pages.days.value_or(kDefaultPassageDays);
  const std::string problem = CheckPassage(from, days);
  if (!problem.empty()) return Fail(problem);
  const AlmanacPassage passage =
      ComputeAlmanacPassage(from, days, AlmanacPagesEphemeris());
  if (!options.chart.pdfFile.empty()) {
#if NOCTURNA_ALMANAC_PICTURES
    const std::string error = WriteAlmanacPagesPdf(options.chart.pdfFile, passage);
    return error.empty() ? 0 : Fail(error, kRunFailure);
#else
    return Fail("--pdf needs the window library, which this build leaves out");
#endif
  }
  return WriteStandardOutput(options.json ? AlmanacPagesJson(passage) : AlmanacPagesText(passage),
                             TextEncoding::utf8);
}

}  // namespace nocturna
