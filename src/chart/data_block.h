#pragma once
// The texts of the chart's data block: the moment, the DR position, the Sun's and the Moon's
// almanac values and the day's events. The screen and the printed chart lay out the same values.
#include <string>
#include <vector>

#include "chart/chart_compute.h"
#include "navigation/body_catalog.h"

namespace nocturna {

struct DataBlockValues {
  std::string zoneDate;         // "06 - December,2026"
  std::string zoneClock;        // "17-05-09"
  std::string zoneDescription;  // "5"
  std::string utClock;
  std::string utDate;
  std::string latitude;  // "42°00.0'N"
  std::string longitude;
  std::string ghaAries;
  std::string sunGha;
  std::string sunDeclination;
  std::string sunSemiDiameter;  // minutes of arc, "16.3'"
  std::string meridianPassage;
  std::string equationOfTime;  // "07m15s"
  std::string amplitude;       // "12.4°N", "CP" or "NR"
  std::string moonGha;
  std::string moonDeclination;
  std::string moonSemiDiameter;
  std::string moonParallax;
  std::string moonPhase;  // "50%"
  EventTimeTexts events;
};

// One line of the block: drawn at line index `line`; the label in the label column and the
// value `column` label-column units further right (0: no value).
struct DataBlockLine {
  int line = 0;
  std::string label;
  std::string value;
  double column = 0.0;
};

// What sets one data block apart from another: the column of the moment's values (Date to
// G\D) and of the DR position's, whether the Sun's amplitude stands on line 17 (without it the
// Moon and the morning events stand a line higher), whether the Sun's event lines end with the
// prime-vertical crossing, and the two headings over the Sun's events.
struct DataBlockForm {
  double timeColumn = 0.0;
  double latitudeColumn = 0.0;
  double longitudeColumn = 0.0;
  bool amplitude = false;
  bool primeVertical = false;
  const char* morningHeading = "";
  const char* eveningHeading = "";
};

// The values from what the pass left in the catalog, its records and the events record: the
// moment's zone and UT texts, the DR position, and the Sun's and the Moon's almanac values
// (GHA, declination, semidiameter; the events in zone time for zoneDescription hours, west
// positive). Texts are Windows-1252.
DataBlockValues DataBlockValuesOf(const ChartPass& pass, int zoneDescription,
                                  const BodyCatalog& catalog, const SunEventsRecord& events);

// The block's lines, 0 to 32, in the given form; the other columns are the window's and the
// page's alike (values of the Sun and the Moon 14 units right, headings in the label column).
std::vector<DataBlockLine> DataBlockLines(const DataBlockValues& values, const DataBlockForm& form);

// The window's data block, lines 0 to 32: the moment's values 7 units right, the latitude 10.5
// and the longitude 9, with the Sun's amplitude and the prime-vertical crossings.
std::vector<DataBlockLine> ScreenDataBlockLines(const DataBlockValues& values);

// The printed page's data block: the moment and the position 10 units right, no amplitude and
// no prime-vertical crossings, so the Moon and the events stand a line higher.
std::vector<DataBlockLine> PrintedDataBlockLines(const DataBlockValues& values);

}  // namespace nocturna
