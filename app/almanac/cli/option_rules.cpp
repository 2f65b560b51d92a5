#include "cli/option_rules.h"

#include <algorithm>
#include <string_view>

namespace nocturna {
namespace {

using Names = std::vector<std::string_view>;

// Any of `options` given with any of `others` (or, for a need, without all of them) is refused.
struct CombinationRule {
  Names options;
  Names others;
  bool need;
  std::string_view message;
};
constexpr bool kRefusedTogether = false;
constexpr bool kNeedsOther = true;
constexpr std::string_view kOneNetworkSource = "give one of --gpsd, --nmea-tcp and --nmea-udp";

// The reports that refuse each other's options.
std::vector<CombinationRule> ReportCombinationRules() {
  return {
      {{"--date", "--time"},
       {"--zone-date", "--zt"},
       kRefusedTogether,
       "give the moment either in UT (--date, --time) or in zone time (--zone-date, --zt), not "
       "both"},
      {{"--json"},
       {"--chart", "--pdf"},
       kRefusedTogether,
       "--json prints the almanac; it does not go with --chart or --pdf"},
      {{"--visible-bodies", "--almanac-page"},
       {"--chart"},
       kRefusedTogether,
       "--visible-bodies and --almanac-page print tables; they do not go with --chart (--pdf "
       "writes them as pages)"},
      {{"--visible-bodies", "--almanac-page"},
       {"--rotate", "--flip", "--bright"},
       kRefusedTogether,
       "--rotate, --flip and --bright change the chart, not the tables"},
      {{"--star-finder"},
       {"--visible-bodies", "--almanac-page", "--chart", "--pdf"},
       kRefusedTogether,
       "--star-finder prints the star finder; it does not go with --visible-bodies, "
       "--almanac-page, --chart or --pdf"},
      {{"--lunar-planner"},
       {"--visible-bodies", "--almanac-page", "--star-finder", "--chart", "--pdf"},
       kRefusedTogether,
       "--lunar-planner prints the lunar planner; it does not go with --visible-bodies, "
       "--almanac-page, --star-finder, --chart or --pdf"},
      {{"--almanac-pages"},
       {"--visible-bodies", "--almanac-page", "--star-finder", "--chart", "--rotate", "--flip",
        "--bright", "--width", "--height"},
       kRefusedTogether,
       "--almanac-pages writes the daily pages (as text, --json or --pdf); it does not go with "
       "the chart's, the tables' or the star finder's options"},
      {{"--almanac-pages"},
       {"--date", "--time", "--zone-date", "--zt", "--zd"},
       kRefusedTogether,
       "--almanac-pages takes its Greenwich dates from --from and --days, not a moment"},
  };
}

// The options that only mean something beside another.
std::vector<CombinationRule> OptionCombinationRules() {
  return {
      {{"--decimal"},
       {"--visible-bodies"},
       kNeedsOther,
       "--decimal changes the visible-bodies list: give --visible-bodies"},
      {{"--gha"}, {"--almanac-page"}, kNeedsOther, "--gha changes the almanac page: give --almanac-page"},
      {{"--dut1"},
       {"--precise", "--almanac-pages"},
       kNeedsOther,
       "--dut1 sets UT1 - UTC for the precise ephemeris: give --precise"},
      {{"--iers"},
       {"--precise", "--almanac-pages"},
       kNeedsOther,
       "--iers reads UT1 - UTC for the precise ephemeris: give --precise"},
      {{"--dut1"}, {"--iers"}, kRefusedTogether, "give UT1 - UTC either with --dut1 or from --iers, not both"},
      {{"--width", "--height"}, {"--chart"}, kNeedsOther,
       "--width and --height size the chart image: give --chart"},
      {{"--gpsd"}, {"--nmea-tcp", "--nmea-udp"}, kRefusedTogether, kOneNetworkSource},
      {{"--nmea-tcp"}, {"--nmea-udp"}, kRefusedTogether, kOneNetworkSource},
      {{"--reduce"}, {"--lat"}, kNeedsOther, "--reduce needs the DR position: --lat and --lon"},
      {{"--reduce"}, {"--lon"}, kNeedsOther, "--reduce needs the DR position: --lat and --lon"},
      {{"--identify"}, {"--bearing"}, kNeedsOther, "--identify needs the body's rough true bearing: --bearing"},
  };
}

const std::vector<CombinationRule>& CombinationRules() {
  static const std::vector<CombinationRule> rules = [] {
    std::vector<CombinationRule> all = ReportCombinationRules();
    const std::vector<CombinationRule> options = OptionCombinationRules();
    all.insert(all.end(), options.begin(), options.end());
    return all;
  }();
  return rules;
}

bool AnyGiven(const std::vector<const CliOption*>& given, const Names& names) {
  return std::any_of(given.begin(), given.end(), [&](const CliOption* option) {
    return std::find(names.begin(), names.end(), option->name) != names.end();
  });
}

bool IsGiven(const std::vector<const CliOption*>& given, std::string_view name) {
  return !name.empty() && AnyGiven(given, {name});
}

const ReportChoice& ChoiceOf(AlmanacReport report) {
  const auto choices = ReportChoices();
  return *std::find_if(choices.begin(), choices.end(),
                       [&](const ReportChoice& choice) { return choice.report == report; });
}

// "A, B and C" or "A or B".
std::string Joined(const Names& names, std::string_view last) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? std::string(last) : std::string(", ");
    text += names[i];
  }
  return text;
}

// An option of another report given with the almanac of a moment: which to give for it.
std::string GiveItsReport(const CliOption& option) {
  Names titles, selectors;
  for (const ReportChoice& choice : ReportChoices()) {
    if ((option.reports & Reports(choice.report)) == 0) continue;
    titles.push_back(choice.title);
    for (std::string_view selector : choice.selectors) {
      if (!selector.empty()) selectors.push_back(selector);
    }
  }
  return std::string(option.name) + " belongs to " + Joined(titles, " and ") + ": give " +
         Joined(selectors, " or ");
}

// An option given with a report it does not belong to: what the report takes.
std::string NotBeside(const CliOption& option, const std::vector<const CliOption*>& given,
                      AlmanacReport report) {
  const ReportChoice& choice = ChoiceOf(report);
  if (choice.report == AlmanacReport::moment) return GiveItsReport(option);
  const std::string_view* const selectors = std::end(choice.selectors);
  const std::string_view selector =
      *std::find_if(std::begin(choice.selectors), selectors - 1,
                    [&](std::string_view name) { return IsGiven(given, name); });
  Names members;
  for (const CliOption& other : CliOptions()) {
    const bool chooser = std::find(std::begin(choice.selectors), selectors, other.name) != selectors;
    if ((other.reports & Reports(report)) != 0 && !chooser && other.name != "--help") {
      members.push_back(other.name);
    }
  }
  return std::string(selector) + " takes " + Joined(members, " and ") + " beside it, not " +
         std::string(option.name);
}

}  // namespace

AlmanacReport ChooseReport(const std::vector<const CliOption*>& given) {
  for (const ReportChoice& choice : ReportChoices()) {
    if (std::any_of(std::begin(choice.selectors), std::end(choice.selectors),
                    [&](std::string_view name) { return IsGiven(given, name); })) {
      return choice.report;
    }
  }
  return AlmanacReport::moment;
}

std::string CombinationError(const std::vector<const CliOption*>& given, AlmanacReport report) {
  for (const CombinationRule& rule : CombinationRules()) {
    if (AnyGiven(given, rule.options) && AnyGiven(given, rule.others) != rule.need) {
      return std::string(rule.message);
    }
  }
  for (const CliOption* option : given) {
    if ((option->reports & Reports(report)) == 0) return NotBeside(*option, given, report);
  }
  return {};
}

}  // namespace nocturna
