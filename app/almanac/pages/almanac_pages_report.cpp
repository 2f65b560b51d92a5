#include "pages/almanac_pages_report.h"

#include <cstdio>

#include "almanacpages/opening_sheets.h"
#include "almanacpages/page_dates.h"
#if NOCTURNA_ALMANAC_PICTURES
#include "pages/almanac_pages_pdf.h"
#endif

namespace nocturna {
namespace {

constexpr int kDefaultPassageDays = 9;

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "nocturna-almanac: %s\n", message.c_str());
  return status;
}

int WriteOut(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

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
  constexpr int kUsageError = 2;
  const CalendarDate today{static_cast<std::uint16_t>(now.month), static_cast<std::uint16_t>(now.day),
                           static_cast<std::uint16_t>(now.year)};
  const CalendarDate from = options.pages.from.value_or(today);
  const int days = options.pages.days.value_or(kDefaultPassageDays);
  const std::string problem = CheckPassage(from, days);
  if (!problem.empty()) return Fail(problem, kUsageError);
  const AlmanacPassage passage =
      ComputeAlmanacPassage(from, days, AlmanacPagesEphemeris());
  if (!options.chart.pdfFile.empty()) {
#if NOCTURNA_ALMANAC_PICTURES
    const std::string error = WriteAlmanacPagesPdf(options.chart.pdfFile, passage);
    return error.empty() ? 0 : Fail(error, 1);
#else
    return Fail("--pdf needs the window library, which this build leaves out", kUsageError);
#endif
  }
  return WriteOut(options.json ? AlmanacPagesJson(passage) : AlmanacPagesText(passage));
}

}  // namespace nocturna
