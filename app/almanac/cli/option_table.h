#pragma once
// Every option of nocturna-almanac in one table: its name, whether it takes a value, how the
// value is read, the reports it belongs to and its line of --help. The parser, the refusals of
// options given with a report they do not belong to, and --help are all made from it.
#include <span>
#include <string>
#include <string_view>

#include "cli/almanac_options.h"

namespace nocturna {

// A set of reports, one bit each.
using ReportSet = unsigned;
constexpr ReportSet Reports(AlmanacReport report) { return 1u << static_cast<unsigned>(report); }
template <typename... More>
constexpr ReportSet Reports(AlmanacReport report, More... more) {
  return Reports(report) | Reports(more...);
}

// Where --help lists an option.
enum class HelpSection {
  moment,
  position,
  ephemeris,
  output,
  tables,
  starFinder,
  pages,
  replay,
  network,
  reduce,
  general
};

// Reads the value of option `name` (empty for an option without one) into the options;
// returns a message naming the option when the value does not read.
using OptionReader = std::string (*)(std::string_view name, std::string_view value,
                                     AlmanacOptions& options);

struct CliOption {
  std::string_view name;       // "--lat"
  std::string_view valueName;  // "LAT"; empty for an option that takes no value
  OptionReader read;
  ReportSet reports;  // the reports it may be given with
  HelpSection section;
  std::string_view help;  // one paragraph, wrapped by --help
  bool TakesValue() const { return !valueName.empty(); }
};

// A report and the options that choose it; the table lists them most particular first.
struct ReportChoice {
  AlmanacReport report;
  std::string_view title;         // "the star finder"
  std::string_view selectors[3];  // the options that choose it ("--chart", "--pdf"), or empty
};

std::span<const CliOption> CliOptions();
std::span<const ReportChoice> ReportChoices();

// The option of that name, or null.
const CliOption* FindCliOption(std::string_view name);

// "'text'", for messages.
std::string Quoted(std::string_view text);

}  // namespace nocturna
