#pragma once
// What the main window keeps for its two table windows, the visible-bodies list and the
// almanac: their settings for the whole run, and the two steps tests replace.
#include <QDialog>
#include <functional>

#include "ui/almanac_form.h"
#include "ui/star_finder_window.h"
#include "ui/star_list_form.h"
#include "ui/window_printing.h"

namespace nocturna {

struct TableWindows {
  StarListSettings starList;
  AlmanacSettings almanac;
  StarFinderWindowSettings starFinder;
  // Shows a table window until it closes; empty: modally (QDialog::exec).
  std::function<void(QDialog&)> showModal;
  // Chooses the printer for the windows' "Print" buttons; empty: the print dialog.
  PrinterChoice choosePrinter;
};

}  // namespace nocturna
