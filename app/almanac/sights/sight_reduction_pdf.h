#pragma once
// --reduce ... --pdf FILE: the sight form and the plotting sheet as the Sights window prints
// them, on landscape US Letter pages.
#include <string>
#include <vector>

#include "sights/sight_log_reduction.h"
#include "ui/sights/sight_form_printing.h"

namespace nocturna {

// Returns an empty text, or what went wrong with the file.
std::string WriteSightReductionPdf(const std::string& path, const std::vector<SightRecord>& log,
                                   const SightLogReduction& reduction,
                                   const SightFormSetting& setting);

}  // namespace nocturna
