#include "ui/sights/plotting_sheet.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QImage>
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
#include "sights/sight_body_names.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_fields.h"
#include "ui/main_window/application_look.h"
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

// The sheet is drawn in units of a screen pixel, scaled up to the page when printed.
constexpr double kDesignHeight = 600.0;
constexpr double kScaleWidth = 78.0;    // the latitude scale and its labels on the right
constexpr double kTitleHeight = 20.0;   // the title band: no line crosses it
constexpr double kFootHeight = 16.0;    // the longitude labels
constexpr double kLegendHeight = 46.0;  // the DR and the fix written under the sheet
const QColor kLineColour(0, 0, 160);
const QColor kLeftOutColour(140, 140, 140);

QFont SheetFont(double pixels, bool bold = false) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  return font;
}

// A text at `at` (its baseline's start) moved inside the box.
void DrawTextInside(QPainter& painter, QPointF at, const QString& text, const QRectF& box) {
  const QFontMetricsF metrics(painter.font());
  at.setX(std::clamp(at.x(), box.left() + 1, std::max(box.left() + 1, box.right() - metrics.horizontalAdvance(text) - 1)));
  at.setY(std::clamp(at.y(), box.top() + metrics.ascent() + 1, box.bottom() - metrics.descent() - 1));
  painter.drawText(at, text);
}

double GridStep(double halfHeightMiles) {
  // Grid every 1, 2, 5, 10, 20, 30 minutes or 1, 2, 5, 10, 20 degrees, whichever gives 4 to 12
  // lines down the sheet: lines left out of a fix may lie hundreds of miles off.
  double step = 1.0;
  for (double candidate : {1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0, 120.0, 300.0, 600.0, 1200.0})
    if (2.0 * halfHeightMiles / candidate >= 4.0) step = candidate;
  return step;
}

// The meridians' step (minutes): the parallels' step or more, at most 8 labels across the foot.
double MeridianStep(double halfWidthMinutes, double parallelStep) {
  constexpr int kMostLabels = 8;
  for (double candidate : {1.0, 2.0, 5.0, 10.0, 20.0, 30.0, 60.0, 120.0, 300.0, 600.0, 1200.0, 2400.0, 3600.0})
    if (candidate >= parallelStep && 2.0 * halfWidthMinutes / candidate <= kMostLabels) return candidate;
  return 3600.0;
}

void DrawScales(QPainter& painter, const SheetProjection& sheet, const QRectF& plot,
                double halfHeightMiles) {
  const double step = GridStep(halfHeightMiles);
  const QPen grid(QColor(170, 190, 220), 0.6);
  painter.setFont(SheetFont(10));
  const DrPosition& c = sheet.centre;
  const QRectF labels(plot.right(), plot.top(), kScaleWidth, plot.height());
  const double firstLat = std::floor((c.latitude * 60.0 - halfHeightMiles) / step) * step;
  for (double m = firstLat; m <= c.latitude * 60.0 + halfHeightMiles; m += step) {
    const double y = sheet.At({m / 60.0, c.longitude}).y();
    if (y < plot.top() || y > plot.bottom()) continue;
    painter.setPen(grid);
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(Qt::black);
    DrawTextInside(painter, QPointF(plot.right() + 9, y + 4), FromLatin1(FormatLatitude(m / 60.0)), labels);
  }
  const double halfWidthMinutes = (plot.width() / 2.0) / sheet.pixelsPerLongitudeMinute;
  // Meridians at least as far apart as the parallels, and few enough that their labels fit.
  const double lonStep = MeridianStep(halfWidthMinutes, step);
  const double firstLon = std::floor((c.longitude * 60.0 - halfWidthMinutes) / lonStep) * lonStep;
  const QRectF foot(plot.left(), plot.bottom(), plot.width(), kFootHeight);
  for (double m = firstLon; m <= c.longitude * 60.0 + halfWidthMinutes; m += lonStep) {
    const double x = sheet.At({c.latitude, m / 60.0}).x();
    if (x < plot.left() || x > plot.right()) continue;
    painter.setPen(grid);
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(Qt::black);
    DrawTextInside(painter, QPointF(x - 28, plot.bottom() + 13), FromLatin1(FormatLongitude(std::remainder(m / 60.0, 360.0))), foot);
  }
  // The latitude scale in minutes on the right, the miles of this sheet.
  painter.setPen(QPen(Qt::black, 0.8));
  painter.drawLine(plot.topRight(), plot.bottomRight());
  for (double m = std::ceil(c.latitude * 60.0 - halfHeightMiles); m <= c.latitude * 60.0 + halfHeightMiles; m += 1.0) {
    const double y = sheet.At({m / 60.0, c.longitude}).y();
    if (y < plot.top() || y > plot.bottom()) continue;
    const double tick = std::fmod(std::abs(m), 5.0) == 0.0 ? 6.0 : 3.0;
    painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + tick, y));
  }
}

// Where a line's name goes: the end inside the sheet farther from the crowd at the fix.
QPointF LabelPlace(const QPointF& along, const QPointF& back, const QPointF& foot,
                   const QPointF& crowd, const QRectF& plot) {
  const auto distance = [&](const QPointF& p) { return QLineF(p, crowd).length(); };
  if (plot.contains(along) && plot.contains(back)) return distance(along) >= distance(back) ? along : back;
  return plot.contains(along) ? along : (plot.contains(back) ? back : foot);
}

// How a line is drawn: moved by the run (dashed), or left out of the fix (thin, grey, named so).
struct LineStyle {
  bool moved = false;
  bool leftOut = false;
};

void DrawLine(QPainter& painter, const SheetProjection& sheet, const SightLine& line,
              const DrPosition& dr, LineStyle style, double halfHeightMiles, const QRectF& plot,
              const QPointF& crowd) {
  const double zn = DegToRad(line.znDegrees);
  const double a = line.interceptMiles;
  const QPointF foot = sheet.AtMiles(dr, a * std::sin(zn), a * std::cos(zn));
  // The azimuth line from the DR through the intercept's foot, thin and grey.
  const double reach = std::abs(a) + 0.2 * halfHeightMiles;
  const double sign = a < 0.0 ? -1.0 : 1.0;
  painter.setPen(QPen(QColor(120, 120, 120), 0.7, Qt::DotLine));
  painter.drawLine(sheet.At(dr), sheet.AtMiles(dr, sign * reach * std::sin(zn), sign * reach * std::cos(zn)));
  // The line of position across the foot, square to the azimuth: the boldest line on the sheet.
  const double half = 0.8 * halfHeightMiles;
  const Qt::PenStyle dash = style.moved ? Qt::DashLine : Qt::SolidLine;
  painter.setPen(style.leftOut ? QPen(kLeftOutColour, 1.2, dash) : QPen(kLineColour, 2.4, dash));
  const QPointF along = sheet.AtMiles(dr, a * std::sin(zn) + half * std::cos(zn), a * std::cos(zn) - half * std::sin(zn));
  const QPointF back = sheet.AtMiles(dr, a * std::sin(zn) - half * std::cos(zn), a * std::cos(zn) + half * std::sin(zn));
  painter.drawLine(back, along);
  painter.drawEllipse(foot, 2.0, 2.0);
  painter.setFont(SheetFont(11, true));
  const std::string name = std::string(SightBodyName(line.bodyIndex)) + (style.leftOut ? " (not in fix)" : "");
  DrawTextInside(painter, LabelPlace(along, back, foot, crowd, plot) + QPointF(3, -3), FromLatin1(name), plot);
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
  painter.setFont(SheetFont(11, true));
  painter.drawText(at + QPointF(6, 14), QStringLiteral("Fix"));
}

// The DR and the fix written under the sheet.
void DrawLegend(QPainter& painter, const SightLogReduction& reduction, const DrPosition& dr,
                DateTime fixTime, const QRectF& box) {
  std::vector<std::string> lines{"DR " + FormatLatitude(dr.latitude) + " " + FormatLongitude(dr.longitude) +
                                 " at " + FormatUtcMoment(fixTime) + " UTC"};
  const SightFix& fix = reduction.fix;
  if (fix.found) {
    lines.push_back("Fix " + FormatLatitude(fix.position.latitude) + " " +
                    FormatLongitude(fix.position.longitude) + " at " + FormatUtcMoment(fix.utc) + " UTC");
    lines.push_back(PrintfText("Ellipse %.1f x %.1f nm, major axis %03.0f\xB0", fix.semiMajorMiles,
                               fix.semiMinorMiles, fix.majorAxisDegrees));
  } else {
    lines.push_back("No fix: " + fix.problem);
  }
  painter.setFont(SheetFont(11));
  const QFontMetricsF metrics(painter.font());
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < lines.size(); ++i)
    DrawTextInside(painter, QPointF(box.left() + 2, box.top() + 4 + metrics.ascent() + i * metrics.lineSpacing()),
                   FromLatin1(lines[i]), box);
}

void DrawSheet(QPainter& painter, double width, double height, const SightLogReduction& reduction,
               const DrPosition& dr, DateTime fixTime, const DeadReckoning& run) {
  painter.fillRect(QRectF(0, 0, width, height), Qt::white);
  const QRectF plot(0, kTitleHeight, width - kScaleWidth,
                    height - kTitleHeight - kFootHeight - kLegendHeight);
  const double halfHeight = HalfHeightMiles(reduction, dr);
  SheetProjection sheet;
  sheet.centre = dr;
  sheet.origin = plot.center();
  // A mile of latitude is sec(lat) minutes of longitude on a Mercator sheet.
  sheet.pixelsPerLongitudeMinute = (plot.height() / 2.0 - 8.0) / (halfHeight / std::cos(DegToRad(dr.latitude)));
  DrawScales(painter, sheet, plot, halfHeight);
  painter.save();
  painter.setClipRect(plot);
  for (std::size_t i = 0; i < reduction.lines.size(); ++i) {
    const SightLine& line = reduction.lines[i];
    if (line.corrections.caution == AltitudeCaution::belowHorizon) continue;
    const LineStyle style{run.speedKnots > 0.0 && std::abs(line.utc - fixTime) > kSameTimeDays,
                          i < reduction.lineNotes.size() && !reduction.lineNotes[i].empty()};
    DrawLine(painter, sheet, line, dr, style, halfHeight, plot,
             sheet.At(reduction.fix.found ? reduction.fix.position : dr));
  }
  painter.setPen(QPen(Qt::black, 1.5));
  const QPointF at = sheet.At(dr);
  painter.drawLine(at + QPointF(-6, 0), at + QPointF(6, 0));
  painter.drawLine(at + QPointF(0, -6), at + QPointF(0, 6));
  painter.setFont(SheetFont(11, true));
  painter.drawText(at + QPointF(6, -6), QStringLiteral("DR"));
  if (reduction.fix.found) DrawFix(painter, sheet, reduction.fix);
  painter.restore();
  DrawLegend(painter, reduction, dr, fixTime,
             QRectF(0, plot.bottom() + kFootHeight, width, kLegendHeight));
  painter.setPen(Qt::black);
  painter.setFont(SheetFont(11, true));
  DrawTextInside(painter, QPointF(4, 14),
                 FromLatin1(PrintfText("Plotting sheet: DR %s %s at %s UTC; dashed lines moved to that time by the run",
                                       FormatLatitude(dr.latitude).c_str(),
                                       FormatLongitude(dr.longitude).c_str(),
                                       FormatUtcMoment(fixTime).c_str())),
                 QRectF(0, 0, width, kTitleHeight));
}

}  // namespace

void DrawPlottingSheet(QPainter& painter, int width, int height,
                       const SightLogReduction& reduction, const DrPosition& dr, DateTime fixTime,
                       const DeadReckoning& run) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double scale = std::max(1.0, height / kDesignHeight);
  painter.scale(scale, scale);
  DrawSheet(painter, width / scale, height / scale, reduction, dr, fixTime, run);
  painter.restore();
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

// The sheet is drawn as on paper; in night vision the paper is turned dark red on black.
void PlottingSheetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!NightVisionOn()) {
    Draw(painter, width(), height());
    return;
  }
  QImage sheet(size(), QImage::Format_RGB32);
  {
    QPainter onSheet(&sheet);
    Draw(onSheet, width(), height());
  }
  TurnToNightVision(sheet);
  painter.drawImage(0, 0, sheet);
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
    const double margin = 0.05 * page.width();
    painter.translate(margin, margin);
    sheet_->Draw(painter, static_cast<int>(page.width() - 2 * margin),
                 static_cast<int>(page.height() - 2 * margin));
  }, choosePrinter_, presenter_);
}

}  // namespace nocturna
