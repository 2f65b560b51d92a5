#pragma once
// A row of the sight log reduced by its kind: every step kept as a named number with its text,
// what the row gives (a latitude, a compass error, a body's name), or why it gives nothing.
// The form, the window, the printed form and the JSON all show these records.
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "navigation/body_catalog.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_line.h"
#include "sights/sight_record.h"

namespace nocturna {

struct RowStep {
  std::string key;     // the JSON's name for it: "zenithDistance"
  std::string label;   // the form's: "ZD"
  double value = 0.0;  // degrees (east and north positive; WEST where the key ends in "West"),
                       // minutes of arc where it ends in "Minutes", UTC days since 1899-12-30
                       // where it ends in "Utc"
  std::string text;    // as the form shows it: "42\xB0" "10.3'N"
};

struct RowReduction {
  SightKind kind = SightKind::altitude;
  std::vector<RowStep> steps;  // in the order of the form
  std::string result;          // what the row gives, in a few words: "Lat 30\xB0" "44.6'N"
  std::string note;            // why it gives nothing; empty when it gives its result
  std::vector<int> namedBodies;  // an identify row: the body named, or the two too close to choose

  // The step of that key, or nullptr.
  const RowStep* Step(const std::string& key) const;
  void Add(std::string key, std::string label, double value, std::string text);
};

// What every row is reduced with: a scratch catalog, the dead reckoning (each row's DR is it
// carried to the row's time) and the ephemeris.
struct RowContext {
  BodyCatalog& scratch;
  const DeadReckoning& dr;
  const EphemerisChoice& choice;
};

// The row reduced by its kind. `line` is the row's altitude reduced as a line of position, for
// the kinds that have one (KindIsAltitudeSight), and is ignored by the others. An altitude row
// gives nothing more than its line: no steps, no result.
RowReduction ReduceRowOfKind(const SightRecord& row, const SightLine& line, RowContext& context);

// "Dec 12\xB0" "03.1'S, ZD 42\xB0" "47.7'N, Lat 30\xB0" "44.6'N": the steps as the form writes them.
std::string RowStepsText(const RowReduction& row);

}  // namespace nocturna
