// nocturna-almanac: the almanac page for one UT moment and DR position, on standard output.
#include <cstdio>
#include <string>
#include <vector>

#include "almanac_options.h"
#include "header_report.h"
#include "help_text.h"
#include "navigation/sight_reduction.h"
#include "navigation/star_positions.h"
#include "platform/system_clock.h"
#include "star_report.h"
#include "utf8_text.h"

namespace nocturna {
namespace {

constexpr int kUsageError = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "nocturna-almanac: %s\n", message.c_str());
  return kUsageError;
}

// Fills in the moment the user left out: today and now in UT, or 0h on a given date.
std::string CompleteMoment(AlmanacOptions& options) {
  if (options.utDate && options.utTime) return {};
  if (options.utDate) {
    options.utTime = ClockTime{};
    return {};
  }
  const UtcCalendar now = PosixSystemClock().ReadUtc();
  if (now.year < kFirstAlmanacYear || now.year > kLastAlmanacYear) {
    return "the system clock reads the year " + std::to_string(now.year) +
           ", outside 1901..2099; give --date";
  }
  options.utDate = CalendarDate{static_cast<std::uint16_t>(now.month),
                                static_cast<std::uint16_t>(now.day),
                                static_cast<std::uint16_t>(now.year)};
  if (!options.utTime) {
    options.utTime = ClockTime{static_cast<std::uint16_t>(now.hour),
                               static_cast<std::uint16_t>(now.minute),
                               static_cast<std::uint16_t>(now.second)};
  }
  return {};
}

void Print(const std::string& windows1252) {
  const std::string utf8 = Windows1252ToUtf8(windows1252);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

int Run(const std::vector<std::string>& args) {
  OptionsOutcome parsed = ParseAlmanacOptions(args);
  if (!parsed.error.empty()) return Fail(parsed.error);
  AlmanacOptions& options = parsed.options;
  if (options.help) {
    Print(AlmanacHelpText());
    return 0;
  }
  if (const std::string error = CompleteMoment(options); !error.empty()) return Fail(error);

  BodyCatalog catalog = BuildCatalog();
  const double ghaAries = ComputeStarPositions(catalog, *options.utDate, *options.utTime);
  ReduceSights(catalog, options.position.latitude, options.position.longitude);

  Print(HeaderReport(*options.utDate, *options.utTime, options.position, ghaAries));
  Print("\n");
  Print(StarReport(catalog));
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace
}  // namespace nocturna

int main(int argc, char** argv) {
  return nocturna::Run(std::vector<std::string>(argv + 1, argv + argc));
}
