#include "cli/almanac_options.h"

#include <algorithm>

#include "cli/option_rules.h"
#include "cli/option_table.h"

namespace nocturna {
namespace {

struct ParseState {
  AlmanacOptions options;
  std::vector<const CliOption*> given;  // in the order given
};

// The value of `option`: after '=' in the same argument or the next argument; moves `at` past
// what it used.
std::string TakeValue(const CliOption& option, const std::vector<std::string>& args,
                      std::size_t& at, std::size_t equals, std::string_view& value) {
  const std::string_view arg = args[at];
  if (!option.TakesValue()) {
    return equals == std::string_view::npos ? std::string()
                                            : std::string(option.name) + " takes no value";
  }
  if (equals != std::string_view::npos) {
    value = arg.substr(equals + 1);
  } else if (at + 1 < args.size()) {
    value = args[++at];
  } else {
    return std::string(option.name) + " needs a value (see --help)";
  }
  return {};
}

// Reads the argument at `at` (and its value); a message when it does not read.
std::string ReadArgument(const std::vector<std::string>& args, std::size_t& at, ParseState& state) {
  const std::string_view arg = args[at] == "-h" ? std::string_view("--help") : args[at];
  if (arg.rfind("--", 0) != 0) return "unexpected argument " + Quoted(arg) + " (see --help)";
  const std::size_t equals = arg.find('=');
  const std::string_view name = arg.substr(0, equals);
  const CliOption* option = FindCliOption(name);
  if (option == nullptr) return "unknown option " + Quoted(name) + " (see --help)";
  if (std::find(state.given.begin(), state.given.end(), option) != state.given.end()) {
    return std::string(name) + " is given twice; give each option once";
  }
  state.given.push_back(option);
  std::string_view value;
  std::string error = TakeValue(*option, args, at, equals, value);
  if (error.empty()) error = option->read(option->name, value, state.options);
  return error;
}

}  // namespace

OptionsOutcome ParseAlmanacOptions(const std::vector<std::string>& args) {
  ParseState state;
  for (std::size_t at = 0; at < args.size(); ++at) {
    std::string error = ReadArgument(args, at, state);
    if (!error.empty()) return {state.options, std::move(error)};
  }
  state.options.report = ChooseReport(state.given);
  return {state.options, CombinationError(state.given, state.options.report)};
}

}  // namespace nocturna
