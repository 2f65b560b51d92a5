#pragma once
// The chart as pictures, drawn headless by the window's own drawing and printing code: the
// window's chart (data block and sky) as a PNG image and the printed page as a PDF file.
#include <functional>
#include <string>
#include <vector>

#include <QPageLayout>
#include <QPrinter>

#include "cli/almanac_moment.h"
#include "cli/almanac_options.h"
#include "chart/observer_state.h"
#include "chart/table_document.h"
#include "navigation/body_catalog.h"

namespace nocturna {

// Runs `draw` with a headless GUI application (fonts and a paint engine, no screen) and returns
// what it returns; Qt's own notes are kept off the user's terminal, its failures told.
std::string WithOffscreenGui(const std::function<std::string()>& draw);

// The chart pictures the options ask for, inside WithOffscreenGui.
std::string DrawChartPictures(const AlmanacOptions& options, const MomentOutcome& moment);

// Computes the chart of the moment and position and writes the files the options ask for;
// with --visible-bodies or --almanac-page, --pdf writes those tables' documents instead.
// Returns an empty text, or a message naming the file that could not be written.
std::string WriteChartPictures(const AlmanacOptions& options, const MomentOutcome& moment);

// A US Letter PDF page at 600 dots per inch without margins (the layouts keep their own), in
// the given orientation, written to `path`.
void SetUpPdfPrinter(QPrinter& printer, const std::string& path, QPageLayout::Orientation orientation);

// The printed page as a one-page landscape US Letter PDF at 600 dots per inch (6600 x 5100
// device pixels, no margins), from what the last chart pass left in the catalog and records.
// Returns an empty text or a message.
std::string WriteChartPdf(const std::string& path, const ObserverState& observer,
                          const BodyCatalog& catalog, const SunEventsRecord& events);

// The table windows' documents, one after the other, on portrait US Letter pages at 600 dots
// per inch (5100 x 6600 device pixels, no margins). Returns an empty text or a message.
std::string WriteTablePdf(const std::string& path, const std::vector<TableDocument>& documents);

}  // namespace nocturna
