#pragma once
// The log's compass checks on several headings (azimuth and amplitude rows with a heading and
// a variation, so that each gives a deviation) fitted as a deviation card.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "sights/deviation_card.h"
#include "sights/sight_record.h"
#include "sights/sight_row_reduction.h"

namespace nocturna {

struct DeviationCardReduction {
  std::vector<std::size_t> rows;  // the checks' rows in the log, in the card's residuals' order
  DeviationCard card;             // card.refusal says why there is none
};

// The card from the rows' reductions; nothing when no compass check names a heading.
std::optional<DeviationCardReduction> DeviationCardOf(const std::vector<SightRecord>& log,
                                                      const std::vector<RowReduction>& rows);

// The card as the form prints it: the coefficients and scatter, the deviation for every 15
// degrees of heading, the residual of each check by its row; or why there is no card.
std::vector<std::string> DeviationCardText(const DeviationCardReduction& reduction);

}  // namespace nocturna
