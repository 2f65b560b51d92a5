#pragma once
// The reports of one moment at one DR position: the almanac page (text or --json), the tables
// (--visible-bodies, --almanac-page), the chart pictures (--chart, --pdf) and the star finder.
#include "cli/almanac_moment.h"
#include "cli/almanac_options.h"
#include "platform/system_clock.h"

namespace nocturna {

// Runs the report the options chose; returns the exit status.
int RunMomentReport(const AlmanacOptions& options, const UtcCalendar& now);

// --chart and --pdf of the moment: the files only, nothing on standard output; the exit status.
int WritePictures(const AlmanacOptions& options, const MomentOutcome& moment);

}  // namespace nocturna
