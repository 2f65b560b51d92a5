#include "ui/sights/plotting_sheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "foundations/angles.h"
#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/body_catalog.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_fields.h"
#include "ui/main_window/latin1_text.h"

namespace nocturna {
namespace {

constexpr double kSmallestHalfHeightMiles = 10.0;
constexpr double kSameTimeDays = 30.0 / 86400.0;  // a line within 30 s of the fix is not moved

// Meridional parts in minutes of longitude (sphere): the Mercator ordinate of a latitude.
double MeridionalParts(double latitude) {
  return RadToDeg(std::log(std::tan(kPi / 4.0 + DegToRad(latitude) / 2.0))) * 60.0;
}

// Sheet coordinates: pixels from the DR at the centre; x east, y down.
struct SheetProjection {
  DrPosition centre;
  double pixelsPerLongitudeMinute = 1.0;
  QPointF origin;
  QPointF At(const DrPosition& p) const {
    const double east = -std::remainder(p.longitude - centre.longitude, 360.0) * 60.0;
    const double north = MeridionalParts(p.latitude) - MeridionalParts(centre.latitude);
    return origin + QPointF(east, -north) * pixelsPerLongitudeMinute;
  }
  QPointF AtMiles(const DrPosition& from, double east, double north) const {
    return At(MoveByMiles(from, east, north));
  }
};

// How far the sheet reaches north and south of the DR, in miles: every intercept and the fix
// with its ellipse inside, with a margin.
double HalfHeightMiles(const SightLogReduction& reduction, const DrPosition& dr) {
  double reach = kSmallestHalfHeightMiles;
  for (const SightLine& line : reduction.lines) reach = std::max(reach, std::abs(line.interceptMiles));
  if (reduction.fix.found) {
    const double north = 60.0 * (reduction.fix.position.latitude - dr.latitude);
    const double east = 60.0 * std::remainder(dr.longitude - reduction.fix.position.longitude, 360.0) *
                        std::cos(DegToRad(dr.latitude));
    reach = std::max(reach, std::hypot(north, east) + 2.0 * reduction.fix.semiMajorMiles);
  }
  return 1.25 * reach;
}

void DrawScales(QPainter& painter, const SheetProjection& sheet, int width, int height,
                double halfHeightMiles) {
  // Grid every 1, 5, 10 or 30 minutes, whichever gives 4 to 12 lines across the sheet.
  const double span = 2.0 * halfHeightMiles;
  double step = 1.0;
  for (double candidate : {1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0})
    if (span / candidate >= 4.0) step = candidate;
  painter.setFont(QFont(QStringLiteral("Arial"), 7));
  const DrPosition& c = sheet.centre;
  const double firstLat = std::floor((c.latitude * 60.0 - halfHeightMiles) / step) * step;
  for (double m = firstLat; m <= c.latitude * 60.0 + halfHeightMiles; m += step) {
    const double y = sheet.At({m / 60.0, c.longitude}).y();
    painter.setPen(QPen(QColor(170, 190, 220), 0));
    painter.drawLine(QPointF(0, y), QPointF(width - 70, y));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(width - 66, y + 3), FromLatin1(FormatLatitude(m / 60.0)));
  }
  const double halfWidthMinutes = (width / 2.0) / sheet.pixelsPerLongitudeMinute;
  const double firstLon = std::floor((c.longitude * 60.0 - halfWidthMinutes) / step) * step;
  for (double m = firstLon; m <= c.longitude * 60.0 + halfWidthMinutes; m += step) {
    const double x = sheet.At({c.latitude, m / 60.0}).x();
    if (x > width - 70) continue;
    painter.setPen(QPen(QColor(170, 190, 220), 0));
    painter.drawLine(QPointF(x, 18), QPointF(x, height - 14));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x - 24, height - 3), FromLatin1(FormatLongitude(m / 60.0)));
  }
  // The latitude scale in minutes on the right, the miles of this sheet.
  painter.drawLine(QPointF(width - 70, 18), QPointF(width - 70, height - 14));
  for (double m = std::ceil(c.latitude * 60.0 - halfHeightMiles); m <= c.latitude * 60.0 + halfHeightMiles; m += 1.0) {
    const double y = sheet.At({m / 60.0, c.longitude}).y();
    const double tick = std::fmod(std::abs(m), 5.0) == 0.0 ? 6.0 : 3.0;
    painter.drawLine(QPointF(width - 70, y), QPointF(width - 70 + tick, y));
  }
}

void DrawLine(QPainter& painter, const SheetProjection& sheet, const SightLine& line,
              const DrPosition& dr, bool moved, double halfHeightMiles) {
  const double zn = DegToRad(line.znDegrees);
  const double a = line.interceptMiles;
  const QPointF foot = sheet.AtMiles(dr, a * std::sin(zn), a * std::cos(zn));
  // The azimuth line from the DR through the intercept's foot, thin and grey.
  const double reach = std::max(std::abs(a), 0.0) + 0.2 * halfHeightMiles;
  const double sign = a < 0.0 ? -1.0 : 1.0;
  painter.setPen(QPen(QColor(110, 110, 110), 0, Qt::DotLine));
  painter.drawLine(sheet.At(dr), sheet.AtMiles(dr, sign * reach * std::sin(zn), sign * reach * std::cos(zn)));
  // The line of position across the foot, square to the azimuth.
  const double half = 0.8 * halfHeightMiles;
  QPen pen(QColor(0, 0, 160), 1.5, moved ? Qt::DashLine : Qt::SolidLine);
  painter.setPen(pen);
  const QPointF along = sheet.AtMiles(dr, a * std::sin(zn) + half * std::cos(zn), a * std::cos(zn) - half * std::sin(zn));
  const QPointF back = sheet.AtMiles(dr, a * std::sin(zn) - half * std::cos(zn), a * std::cos(zn) + half * std::sin(zn));
  painter.drawLine(back, along);
  painter.drawEllipse(foot, 2.0, 2.0);
  static const BodyCatalog names = BuildCatalog();
  painter.setPen(QColor(0, 0, 160));
  painter.drawText(along + QPointF(3, -3), QString::fromLatin1(names.entries[line.bodyIndex].name));
}

void DrawFix(QPainter& painter, const SheetProjection& sheet, const SightFix& fix) {
  const QPointF at = sheet.At(fix.position);
  const double axis = DegToRad(fix.majorAxisDegrees);
  QPainterPath ellipse;
  for (int k = 0; k <= 72; ++k) {
    const double t = k * kTwoPi / 72.0;
    const double along = fix.semiMajorMiles * std::cos(t), across = fix.semiMinorMiles * std::sin(t);
    const QPointF p = sheet.AtMiles(fix.position, along * std::sin(axis) + across * std::cos(axis),
                                    along * std::cos(axis) - across * std::sin(axis));
    k == 0 ? ellipse.moveTo(p) : ellipse.lineTo(p);
  }
  painter.setPen(QPen(QColor(200, 0, 0), 1.2));
  painter.setBrush(QColor(255, 0, 0, 40));
  painter.drawPath(ellipse);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(at, 4.0, 4.0);
  painter.drawPoint(at);
  painter.drawText(at + QPointF(6, 14), QStringLiteral("Fix"));
}

}  // namespace

void DrawPlottingSheet(QPainter& painter, int width, int height,
                       const SightLogReduction& reduction, const DrPosition& dr, DateTime fixTime,
                       const DeadReckoning& run) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(0, 0, width, height, Qt::white);
  const double halfHeight = HalfHeightMiles(reduction, dr);
  SheetProjection sheet;
  sheet.centre = dr;
  sheet.origin = QPointF((width - 70) / 2.0, height / 2.0);
  // A mile of latitude is sec(lat) minutes of longitude on a Mercator sheet.
  sheet.pixelsPerLongitudeMinute =
      (height / 2.0 - 24.0) / (halfHeight / std::cos(DegToRad(dr.latitude)));
  DrawScales(painter, sheet, width, height, halfHeight);

  for (std::size_t i = 0; i < reduction.lines.size(); ++i) {
    const SightLine& line = reduction.lines[i];
    if (line.corrections.caution == AltitudeCaution::belowHorizon) continue;
    const bool moved = run.speedKnots > 0.0 && std::abs(line.utc - fixTime) > kSameTimeDays;
    DrawLine(painter, sheet, line, dr, moved, halfHeight);
  }
  painter.setPen(QPen(Qt::black, 1.5));
  const QPointF at = sheet.At(dr);
  painter.drawLine(at + QPointF(-6, 0), at + QPointF(6, 0));
  painter.drawLine(at + QPointF(0, -6), at + QPointF(0, 6));
  painter.drawText(at + QPointF(6, -6), QStringLiteral("DR"));
  if (reduction.fix.found) DrawFix(painter, sheet, reduction.fix);

  painter.setPen(Qt::black);
  painter.setFont(QFont(QStringLiteral("Arial"), 8, QFont::Bold));
  painter.drawText(QPointF(6, 13),
                   FromLatin1(PrintfText("Plotting sheet: DR %s %s at %s UTC; dashed lines moved to that time by the run",
                                         FormatLatitude(dr.latitude).c_str(),
                                         FormatLongitude(dr.longitude).c_str(),
                                         FormatUtcMoment(fixTime).c_str())));
}

PlottingSheetView::PlottingSheetView(const SightLogReduction& reduction, const DrPosition& dr,
                                     DateTime fixTime, const DeadReckoning& run, QWidget* parent)
    : QWidget(parent), reduction_(reduction), dr_(dr), fixTime_(fixTime), run_(run) {
  setObjectName(QStringLiteral("PlottingSheet"));
  setMinimumSize(640, 560);
}

void PlottingSheetView::Draw(QPainter& painter, int width, int height) const {
  DrawPlottingSheet(painter, width, height, reduction_, dr_, fixTime_, run_);
}

void PlottingSheetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Draw(painter, width(), height());
}

TPlottingSheetForm::TPlottingSheetForm(const SightLogReduction& reduction, const DrPosition& dr,
                                       DateTime fixTime, const DeadReckoning& run,
                                       PrinterChoice choosePrinter, MessagePresenter& presenter,
                                       QWidget* parent)
    : QDialog(parent), choosePrinter_(std::move(choosePrinter)), presenter_(presenter) {
  setObjectName(QStringLiteral("PlottingSheetForm"));
  setWindowTitle(QStringLiteral("Plotting Sheet"));
  setModal(true);
  auto* column = new QVBoxLayout(this);
  sheet_ = new PlottingSheetView(reduction, dr, fixTime, run, this);
  column->addWidget(sheet_, 1);
  auto* row = new QHBoxLayout;
  auto* runLabel = new QLabel(FromLatin1(PrintfText("Run %05.1f\xB0 at %.1f kn", run.courseDegrees, run.speedKnots)), this);
  row->addWidget(runLabel);
  row->addStretch(1);
  auto* print = new QPushButton(QStringLiteral("&Print"), this);
  print->setObjectName(QStringLiteral("PrintBtn"));
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("SheetCloseBtn"));
  row->addWidget(print);
  row->addWidget(close);
  column->addLayout(row);
  connect(print, &QPushButton::clicked, this, &TPlottingSheetForm::PrintBtnClick);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TPlottingSheetForm::PrintBtnClick() {
  PrintDrawing(*this, true, [this](QPainter& painter, QPagedPaintDevice& page) {
    sheet_->Draw(painter, page.width(), page.height());
  }, choosePrinter_, presenter_);
}

}  // namespace nocturna
