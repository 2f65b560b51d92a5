#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <QImage>
#include <QString>

#include "chart/chart_compute.h"
#include "pictures/chart_pictures.h"
#include "ui/main_window/application_look.h"
#include "ui/chart_drawing/chart_render.h"
#include "ui/printing/image_file.h"
#include "moment/almanac_page_report.h"
#include "moment/visible_bodies_report.h"

namespace nocturna {

namespace {

// Below this height the window's data block uses its small font.
constexpr int kSmallChartHeight = 600;

// The observer of the window's chart at the moment and position, with its display flags.
ObserverState ObserverOf(const AlmanacOptions& options, const MomentOutcome& moment) {
  ObserverState observer;
  observer.zoneDescription = moment.zoneDescription;
  observer.SetZoneTime(moment.zoneTime);
  observer.drPosition = options.position;
  observer.staticTime = true;
  observer.rotateSign = options.chart.rotate ? -1 : 1;
  observer.flipSign = options.chart.flip ? -1 : 1;
  observer.brightOnly = options.chart.bright;
  observer.rings = options.chart.rings;
  observer.ephemeris = options.ephemeris;
  observer.dataFontSize = options.chart.height < kSmallChartHeight ? 8 : 10;
  return observer;
}

// Qt's own notes (no runtime folder, a font fallback) are not the user's concern here; only
// real failures are told.
void ReportQtFailures(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "nocturna-almanac: %s\n", qPrintable(message));
  }
}

// The table windows' documents that --visible-bodies and --almanac-page ask for, in that order.
std::vector<TableDocument> TableDocuments(const AlmanacOptions& options, const MomentOutcome& moment) {
  const AlmanacSnapshot snapshot =
      TakeAlmanacSnapshot(moment.zoneTime, moment.zoneDescription, options.position,
                          options.ephemeris);
  std::vector<TableDocument> documents;
  if (options.tables.visibleBodies) {
    documents.push_back(VisibleBodiesDocument(VisibleBodiesFor(snapshot, options.tables)));
  }
  if (options.tables.almanacPage) {
    documents.push_back(AlmanacPageDocument(AlmanacPageFor(snapshot, options.tables)));
  }
  return documents;
}

}  // namespace

std::string WithOffscreenGui(const std::function<std::string()>& draw) {
  // Pictures need fonts and a paint engine but no screen: always the offscreen platform, so
  // the result does not depend on a display (or its resolution) being there.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(ReportQtFailures);
  int argc = 1;
  char name[] = "nocturna-almanac";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  InstallFontSubstitutes();
  return draw();
}

std::string WriteChartPictures(const AlmanacOptions& options, const MomentOutcome& moment) {
  return WithOffscreenGui([&] { return DrawChartPictures(options, moment); });
}

std::string DrawChartPictures(const AlmanacOptions& options, const MomentOutcome& moment) {
  if (options.tables.Wanted()) return WriteTablePdf(options.chart.pdfFile, TableDocuments(options, moment));
  ObserverState observer = ObserverOf(options, moment);
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  const ChartPictureOptions& chart = options.chart;
  if (!chart.imageFile.empty()) {
    QImage image(chart.width, chart.height, QImage::Format_RGB32);
    if (image.isNull()) return "cannot make an image of " + std::to_string(chart.width) + " x " +
                               std::to_string(chart.height) + " pixels";
    RenderChart(image, observer, catalog, events);
    const std::string problem = WritePngFile(image, chart.imageFile);
    if (!problem.empty()) return problem;
  } else {
    ComputeChartPass(observer, catalog, events, std::nullopt);
  }
  if (!chart.pdfFile.empty()) return WriteChartPdf(chart.pdfFile, observer, catalog, events);
  return {};
}

}  // namespace nocturna
