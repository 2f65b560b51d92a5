// nocturna-almanac: the almanac of one moment and DR position, and the navigator's other
// reports, on standard output or into files. main() only reads the command line and hands it
// to the report it chose.
#include <string>
#include <vector>

#include "cli/almanac_options.h"
#include "cli/help_text.h"
#include "cli/standard_output.h"
#include "moment/moment_reports.h"
#include "network/network_fixes_report.h"
#include "nmea/nmea_replay_report.h"
#include "pages/almanac_pages_report.h"
#include "platform/system_clock.h"
#include "sights/observation_reports.h"
#include "sights/sight_reduction_report.h"

namespace nocturna {
namespace {

int Run(const std::vector<std::string>& args) {
  const OptionsOutcome parsed = ParseAlmanacOptions(args);
  if (!parsed.error.empty()) return Fail(parsed.error);
  const AlmanacOptions& options = parsed.options;
  if (options.help) return WriteStandardOutput(AlmanacHelpText());
  switch (options.report) {
    case AlmanacReport::nmeaReplay:
      return RunNmeaReplay(options.replay);
    case AlmanacReport::networkFixes:
      return RunNetworkFixes(options);
    case AlmanacReport::reduce:
      return RunSightReduction(options);
    case AlmanacReport::noon:
      return RunNoonReport(options, PosixSystemClock().ReadUtc());
    case AlmanacReport::identify:
      return RunIdentifyReport(options, PosixSystemClock().ReadUtc());
    case AlmanacReport::pages:
      return RunAlmanacPages(options, PosixSystemClock().ReadUtc());
    default:
      return RunMomentReport(options, PosixSystemClock().ReadUtc());
  }
}

}  // namespace
}  // namespace nocturna

int main(int argc, char** argv) {
  return nocturna::Run(std::vector<std::string>(argv + 1, argv + argc));
}
