#pragma once
// The sight form on paper: a heading with the DR, its time, the run and the ephemeris, the
// rows with every correction in columns as wide as their widest text (the type made smaller
// until they fit the page), the notes by row, the lines of position and the fix block; then
// the plotting sheet on a page of its own. The Sights window's Print and the command line's
// PDF draw the same pages.
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_log_reduction.h"

class QPainter;
class QPagedPaintDevice;

namespace nocturna {

// What the sights were reduced from.
struct SightFormSetting {
  DeadReckoning dr;      // the DR, its time and run
  DateTime fixTime = 0;  // UTC
  EphemerisChoice ephemeris;
};

struct SightFormPrint {
  std::vector<std::string> headingLines;
  std::vector<std::string> captions;
  std::vector<std::vector<std::string>> rows;  // every column of the form but the note
  std::vector<std::string> notes;              // "Row 3: ...", for rows with a note
  std::vector<std::string> footLines;          // the lines of position, then the fix block
  SightFormSetting setting;
  SightLogReduction reduction;
};

// The printed form of a log reduced as `reduction` from `setting`; ephemerisSwitch says how to
// choose the precise ephemeris.
SightFormPrint SightFormPrintOf(const std::vector<SightRecord>& log,
                                const SightLogReduction& reduction, const SightFormSetting& setting,
                                const char* ephemerisSwitch);

// The pages on the painter over the device, landscape or portrait; a new page on the device
// for each page after the first.
void DrawSightFormPages(QPainter& painter, QPagedPaintDevice& device, const SightFormPrint& print);

}  // namespace nocturna
