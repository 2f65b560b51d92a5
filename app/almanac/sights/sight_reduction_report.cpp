#include "sights/sight_reduction_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/standard_output.h"
#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "platform/bounded_file_reader.h"
#include "platform/gpx_file.h"
#include "sights/gpx_document.h"
#include "sights/sight_body.h"
#include "sights/log_watch_error.h"
#include "sights/sight_fields.h"
#include "sights/sight_form.h"
#include "sights/sight_log_csv.h"
#include "sights/sight_log_reduction.h"
#include "sights/sight_reduction_json.h"
#include "sights/sight_reduction_pdf.h"
#include "sights/sight_texts.h"

namespace nocturna {
namespace {

const char* EphemerisName(const EphemerisChoice& choice) {
  return choice.kind == EphemerisKind::precise ? "precise" : "standard";
}

std::string TextReport(const std::vector<SightRecord>& log, const EphemerisChoice& ephemeris,
                       const DeadReckoning& dr, DateTime fixTime, const SightLogReduction& reduction) {
  std::string page = PrintfText("Sight reduction (%s ephemeris)\n", EphemerisName(ephemeris));
  if (ephemeris.kind != EphemerisKind::precise)
    page += "The standard ephemeris is less exact (places off by up to about 1'); "
            "--precise reduces with the precise one.\n";
  page += PrintfText("DR %s %s at %s UTC, course %05.1f\xB0, speed %.1f kn; fix at %s UTC\n\n",
                     FormatLatitude(dr.position.latitude).c_str(),
                     FormatLongitude(dr.position.longitude).c_str(), FormatUtcMoment(dr.utc).c_str(),
                     dr.courseDegrees, dr.speedKnots, FormatUtcMoment(fixTime).c_str());
  const SightForm form = SightFormOf(log, reduction);
  page += SightFormTableText(form) + "\n";
  for (const std::string& line : SightFormFootLines(form)) page += line + "\n";
  return page;
}

// The DR from the options, with what they leave unsaid taken from the log: its time from
// --dr-time, else the log's DR time, else the latest sight; the run from --course and --speed,
// else the log's.
DeadReckoning DrOfReduction(const AlmanacOptions& command, const SightLogParse& parse) {
  DeadReckoning dr;
  dr.position = command.position;
  dr.utc = parse.sights.front().utc;
  for (const SightRecord& sight : parse.sights) dr.utc = std::max(dr.utc, sight.utc);
  dr.utc = command.reduce.drTime.value_or(parse.settings.drUtc.value_or(dr.utc));
  const DeadReckoning& run = command.reduce.run;
  const bool runGiven = run.courseDegrees != 0.0 || run.speedKnots != 0.0;
  dr.courseDegrees = runGiven ? run.courseDegrees : parse.settings.courseDegrees.value_or(0.0);
  dr.speedKnots = runGiven ? run.speedKnots : parse.settings.speedKnots.value_or(0.0);
  return dr;
}

// The comparisons kept beside the log, none when there is no watch log; a damaged one is
// reported on standard error and left out.
std::vector<WatchComparison> WatchLogBeside(const std::string& logPath) {
  const std::string path = WatchLogPathFor(logPath);
  const FileRead read = ReadBoundedFile(path, FileKinds::RegularOnly);
  if (read.outcome == FileReadOutcome::Absent) return {};
  const WatchLogRead watch = read.outcome == FileReadOutcome::Read
                                 ? WatchLogOfText(path, read.bytes)
                                 : WatchLogRead{{}, "The watch log " + path + " cannot be read: " + read.problem};
  if (!watch.problem.empty()) Fail(watch.problem + "; it is left out", 0);
  return watch.comparisons;
}

// --pdf: the file only, nothing on standard output.
int WritePdf([[maybe_unused]] const std::string& path,
             [[maybe_unused]] const std::vector<SightRecord>& log,
             [[maybe_unused]] const SightLogReduction& reduction,
             [[maybe_unused]] const SightFormSetting& setting) {
#if NOCTURNA_ALMANAC_PICTURES
  const std::string problem = WriteSightReductionPdf(path, log, reduction, setting);
  return problem.empty() ? 0 : Fail(problem, kRunFailure);
#else
  return Fail("--pdf needs the window library, which this build leaves out");
#endif
}

}  // namespace

int RunSightReduction(const AlmanacOptions& command) {
  const std::string& file = command.reduce.file;
  const FileRead log = ReadBoundedFile(file, FileKinds::StreamsToo);
  if (log.outcome != FileReadOutcome::Read) return Fail("cannot read the sight log: " + log.problem);
  const SightLogParse parse = ParseSightLog(log.bytes);
  if (parse.error) return Fail(file + ": " + parse.error->Message());
  if (parse.sights.empty()) return Fail(file + ": the sight log holds no sights");
  for (std::size_t i = 0; i < parse.sights.size(); ++i) {
    if (!parse.sights[i].Reads())
      return Fail(file + ": " + SightRowMessage(parse.sights[i], static_cast<int>(i) + 1));
  }
  const DeadReckoning dr = DrOfReduction(command, parse);
  const DateTime fixTime = parse.settings.fixUtc.value_or(dr.utc);
  SightLogReduction reduction = ReduceSightLog(parse.sights, dr, fixTime, command.ephemeris);
  ApplyWatchLog(reduction, parse.sights, WatchLogBeside(file), parse.settings.watchErrorSeconds, fixTime);
  if (!command.reduce.gpxFile.empty()) {
    const std::string problem = WriteGpxFile(command.reduce.gpxFile, GpxDocument({&reduction, dr.position, dr.utc}));
    if (!problem.empty()) return Fail(problem, kRunFailure);
  }
  if (!command.chart.pdfFile.empty())
    return WritePdf(command.chart.pdfFile, parse.sights, reduction, {dr, fixTime, command.ephemeris});
  return WriteStandardOutput(
      command.json ? SightReductionJson(parse.sights, dr.position, dr.utc, dr, command.ephemeris, reduction)
                   : TextReport(parse.sights, command.ephemeris, dr, fixTime, reduction));
}

}  // namespace nocturna
