#pragma once
// What the main window keeps for its two table windows, the visible-bodies list and the
// almanac: their settings for the whole run, and the two steps tests replace.
#include <QDialog>
#include <functional>
#include <string>

#include "ui/tables/almanac_form.h"
#include "ui/star_finder/star_finder_window.h"
#include "ui/tables/star_list_form.h"
#include "ui/printing/window_printing.h"

namespace nocturna {

struct TableWindows {
  StarListSettings starList;
  AlmanacSettings almanac;
  StarFinderWindowSettings starFinder;
  // Shows a table window until it closes; empty: modally (QDialog::exec).
  std::function<void(QDialog&)> showModal;
  // Chooses the printer for the windows' "Print" buttons; empty: the print dialog.
  PrinterChoice choosePrinter;
  // The Sights window's file choice (open: false, save as: true; empty text: cancelled) and
  // its log's path; empty: the file dialog and the default sight log.
  std::function<std::string(QWidget*, bool)> chooseSightLogFile;
  std::string sightLogPath;
  // The file File > "Export GPX..." writes (empty text: cancelled); empty: the file dialog.
  std::function<std::string(QWidget*)> chooseGpxFile;
};

}  // namespace nocturna
