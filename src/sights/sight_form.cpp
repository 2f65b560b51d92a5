#include "sights/sight_form.h"

#include <algorithm>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/log_watch_error.h"
#include "sights/sight_fields.h"
#include "sights/sight_texts.h"

namespace nocturna {
namespace {

std::string BodyWithLimb(const std::string& body, const std::string& limb) {
  return limb.empty() ? body : body + " " + limb;
}

std::vector<std::string> ReducedRow(const SightRecord& sight, const SightLine& s, const std::string& note) {
  const AltitudeCorrections& c = s.corrections;
  return {FormatUtcMoment(s.utc),
          BodyWithLimb(sight.body, FormatLimb(sight.limb)),
          FormatAltAz(c.hsDegrees, true, 2),
          FormatCorrectionMinutes(c.indexCorrectionMinutes),
          FormatCorrectionMinutes(-c.dipMinutes),
          FormatAltAz(c.apparentAltitudeDegrees, true, 2),
          FormatCorrectionMinutes(-c.refractionMinutes),
          FormatCorrectionMinutes(c.semiDiameterMinutes),
          FormatCorrectionMinutes(c.parallaxMinutes),
          FormatAltAz(c.observedAltitudeDegrees, true, 2),
          FormatAltAz(s.hcDegrees, true, 2),
          FormatAltAz(s.znDegrees, false, 3),
          FormatIntercept(s.interceptMiles),
          note.empty() ? CautionText(c.caution) : note};
}

// A row of a kind with no altitude line: its time, body and sextant altitude, and what it gives.
std::vector<std::string> KindRow(const SightRecord& sight, const RowReduction& reduced) {
  std::vector<std::string> row(kSightFormColumnCount - 2);
  row[0] = FormatUtcMoment(sight.utc);
  row[1] = BodyWithLimb(sight.body, FormatLimb(sight.limb));
  row[2] = EchoedText(sight.Cell(SightColumn::hs));
  row.back() = reduced.note.empty() ? reduced.result : reduced.note;
  return row;
}

std::vector<std::string> TypedRow(const SightRecord& sight) {
  std::vector<std::string> row(kSightFormColumnCount - 2);
  row[0] = EchoedText(sight.Cell(SightColumn::utc));
  row[1] = BodyWithLimb(EchoedText(sight.Cell(SightColumn::body)), EchoedText(sight.Cell(SightColumn::limb)));
  row[2] = EchoedText(sight.Cell(SightColumn::hs));
  row[3] = EchoedText(sight.Cell(SightColumn::ic));
  row.back() = sight.note;
  return row;
}

// "3  noon  Sun L: Dec ..., Lat ..." or the row's reason for giving nothing.
std::string KindText(std::size_t row, const SightRecord& sight, const RowReduction& reduced) {
  std::string bodies = BodyWithLimb(sight.body, FormatLimb(sight.limb));
  if (!sight.body2.empty()) bodies += " - " + BodyWithLimb(sight.body2, FormatLimb(sight.limb2));  // a lunar's pair
  std::string text = PrintfText("%zu  %-9s %s: ", row + 1, std::string(SightKindName(sight.kind)).c_str(), bodies.c_str());
  const std::string steps = RowStepsText(reduced);
  text += steps;
  if (!reduced.note.empty()) text += (steps.empty() ? "" : "; ") + reduced.note;
  return text;
}

std::string LineText(const SightLogReduction& reduction, std::size_t g) {
  const ShotAverage& group = reduction.groups[g];
  const SightLine& line = reduction.lines[g];
  std::string shots;
  for (std::size_t k = 0; k < group.shots.size(); ++k) {
    shots += (k ? ", " : "") + std::to_string(group.shots[k] + 1);
    if (group.outliers[k]) shots += " (outlier, " + FormatCorrectionMinutes(group.residualsMinutes[k]) + ")";
  }
  std::string text = PrintfText(
      "%zu  %-12s Hs %s at %s from sight%s %s: Ho %s Hc %s Zn %s intercept %s", g + 1,
      BodyWithLimb(group.averaged.body, FormatLimb(group.averaged.limb)).c_str(),
      FormatAltAz(group.averaged.hsDegrees, true, 2).c_str(), FormatUtcMoment(line.utc).c_str(),
      group.shots.size() > 1 ? "s" : "", shots.c_str(),
      FormatAltAz(line.corrections.observedAltitudeDegrees, true, 2).c_str(),
      FormatAltAz(line.hcDegrees, true, 2).c_str(), FormatAltAz(line.znDegrees, false, 3).c_str(),
      FormatIntercept(line.interceptMiles).c_str());
  if (!reduction.lineNotes[g].empty()) text += "\n   left out of the fix: " + reduction.lineNotes[g];
  return text;
}

}  // namespace

SightForm SightFormOf(const std::vector<SightRecord>& log, const SightLogReduction& reduction) {
  SightForm form;
  form.headings = {"#", "Kind", "UTC", "Body", "Hs", "IC", "Dip", "Ha", "R", "SD", "PA", "Ho", "Hc", "Zn",
                   "Intercept", "Note"};
  for (std::size_t i = 0; i < log.size(); ++i) {
    const RowReduction& reduced = reduction.rows[i];
    std::vector<std::string> row = {std::to_string(i + 1), std::string(SightKindName(log[i].kind))};
    std::vector<std::string> rest;
    if (!log[i].Reads()) {
      rest = TypedRow(log[i]);
      row[1] = EchoedText(log[i].Cell(SightColumn::kind));
    } else if (KindIsAltitudeSight(log[i].kind)) {
      const std::string& note = reduction.notes[i];
      rest = ReducedRow(log[i], reduction.shots[i], note.empty() ? reduced.result : note);
    } else {
      rest = KindRow(log[i], reduced);
    }
    row.insert(row.end(), rest.begin(), rest.end());
    form.rows.push_back(std::move(row));
    if (log[i].Reads() && log[i].kind != SightKind::altitude)
      form.kinds.push_back(KindText(i, log[i], reduced));
  }
  for (std::size_t r = 0; r < reduction.noonRuns.size(); ++r) {
    ShotAverage rows;
    rows.shots = reduction.noonRuns[r].rows;
    const RowReduction& run = reduction.noonRunSteps[r];
    form.kinds.push_back("Noon run of rows " + RowsOfGroup(rows) + ": " +
                         (run.note.empty() ? RowStepsText(run) : run.note));
  }
  for (const RunAnalysis& run : reduction.runs)
    form.kinds.push_back(RunAnalysisText(run, RowsOfGroup(reduction.groups[run.group])));
  for (const ObserverBias& bias : reduction.observerBiases) form.kinds.push_back(ObserverBiasText(bias));
  if (reduction.deviationCard) {
    const std::vector<std::string> card = DeviationCardText(*reduction.deviationCard);
    form.kinds.insert(form.kinds.end(), card.begin(), card.end());
  }
  for (std::size_t g = 0; g < reduction.groups.size(); ++g) form.lines.push_back(LineText(reduction, g));
  std::vector<std::string> labels;
  for (std::size_t g : reduction.fixLines) labels.push_back(RowsOfGroup(reduction.groups[g]));
  form.fix = FixReportLines(reduction.fix, labels);
  if (reduction.watch) form.watch = WatchErrorLines(*reduction.watch, reduction.fix.utc);
  if (reduction.watchError) form.watch.push_back("watch times go by: " + WatchErrorInUseText(*reduction.watchError));
  if (reduction.clockFix) form.clock = ClockFixReportLines(*reduction.clockFix);
  return form;
}

std::string SightFormTableText(const SightForm& form) {
  std::vector<std::size_t> widths(form.headings.size(), 0);
  const auto measure = [&](const std::vector<std::string>& row) {
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
  };
  measure(form.headings);
  for (const auto& row : form.rows) measure(row);
  const auto line = [&](const std::vector<std::string>& row) {
    std::string text;
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
      text += row[c];
      if (c + 1 < row.size()) text += std::string(widths[c] - row[c].size() + 2, ' ');
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text + "\n";
  };
  std::string text = line(form.headings);
  for (const auto& row : form.rows) text += line(row);
  return text;
}

std::vector<std::string> FixSectionLines(const SightForm& form) {
  std::vector<std::string> lines = form.fix;
  const auto section = [&](const char* heading, const std::vector<std::string>& more) {
    if (more.empty()) return;
    lines.insert(lines.end(), {"", heading});
    lines.insert(lines.end(), more.begin(), more.end());
  };
  section("Watch", form.watch);
  section("Fix with the clock unknown", form.clock);
  return lines;
}

std::vector<std::string> SightFormFootLines(const SightForm& form) {
  std::vector<std::string> lines;
  if (!form.kinds.empty()) {
    lines.push_back("Latitudes, compass checks and other rows");
    lines.insert(lines.end(), form.kinds.begin(), form.kinds.end());
    lines.push_back("");
  }
  lines.push_back("Lines of position");
  for (const std::string& line : form.lines) {
    for (std::size_t start = 0; start <= line.size();) {
      const std::size_t end = std::min(line.find('\n', start), line.size());
      lines.push_back(line.substr(start, end - start));
      start = end + 1;
    }
  }
  lines.push_back("");
  const std::vector<std::string> fix = FixSectionLines(form);
  lines.insert(lines.end(), fix.begin(), fix.end());
  return lines;
}

}  // namespace nocturna
