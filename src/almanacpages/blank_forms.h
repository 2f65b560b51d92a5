#pragma once
// The blank pages of a booklet: a sight form that follows the tables step by step, and a
// plotting sheet.
#include "almanacpages/page_sheet.h"

namespace nocturna {

Sheet SightFormSheet();
Sheet PlottingSheet();

}  // namespace nocturna
