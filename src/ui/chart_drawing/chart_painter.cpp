#include "ui/chart_drawing/chart_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <cmath>

#include "foundations/angles.h"
#include "ui/chart_drawing/chart_ring_drawing.h"
#include "ui/main_window/latin1_text.h"

namespace nocturna {

namespace {

const QColor kAqua(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kSilver(192, 192, 192);
const QColor kYellow(255, 255, 0);

// The box from (left, top) to (right, bottom), either order, as GDI-style shapes take it.
QRect BoxOf(int x1, int y1, int x2, int y2) {
  return QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(0, 0, -1, -1);
}

QRect CircleBox(double cx, double cy, double radius) {
  return BoxOf(TruncToInt(cx - radius), TruncToInt(cy + radius), TruncToInt(cx + radius),
               TruncToInt(cy - radius));
}

// Offsets in sizes of the 8-point font of the chart's numbers and names (32/3 pixels at 96 dots
// per inch): 0.5625 is 6 pixels there, 1.40625 is 15, 1.78125 is 19 and 0.28125 is 3.
constexpr double kAltitudeLabelNudge = 0.5625;
constexpr double kNumberOffsets[4][2] = {
    {-1.40625, 0.0}, {-1.78125, -1.40625}, {0.28125, -1.40625}, {0.28125, 0.0}};

QFont ChartTextFont() { return QFont(QStringLiteral("MS Sans Serif"), 8); }

void DrawAltitudeCircles(QPainter& painter, const ChartGeometry& g) {
  const double cx = g.centreX;
  const double cy = g.centreY;
  const int nudge = FontNudge(*painter.device(), painter.font(), kAltitudeLabelNudge);
  for (int n = 8; n >= 1; --n) {
    const double rho = g.radius * n / 9.0;
    painter.drawEllipse(CircleBox(cx, cy, rho));
    const QString label = QString::number(90 - 10 * n);
    DrawTextAt(painter, TruncToInt(cx - nudge), TruncToInt(cy + rho - nudge), label);
    DrawTextAt(painter, TruncToInt(cx - nudge), TruncToInt(cy - rho - nudge), label);
    DrawTextAt(painter, TruncToInt(cx - rho - nudge), TruncToInt(cy - nudge), label);
    DrawTextAt(painter, TruncToInt(cx + rho - nudge), TruncToInt(cy - nudge), label);
  }
}

void DrawAzimuthSpokes(QPainter& painter, const ChartGeometry& g, int rotateSign, int flipSign,
                       const SkyStyle& style) {
  const double cx = g.centreX;
  const double cy = g.centreY;
  const QFont numberFont = ChartTextFont();
  int letterOffsets[4][2];
  int numberOffsets[4][2];
  for (int quarter = 0; quarter < 4; ++quarter) {
    for (int axis = 0; axis < 2; ++axis) {
      letterOffsets[quarter][axis] =
          FontNudge(*painter.device(), style.letterFont, style.letterOffsets[quarter][axis]);
      numberOffsets[quarter][axis] =
          FontNudge(*painter.device(), numberFont, kNumberOffsets[quarter][axis]);
    }
  }
  for (int i = 0; i < 36; ++i) {
    const double theta = DegToRad(10.0 * i);
    const double inner = g.diameter / 18.0;
    painter.drawLine(TruncToInt(cx + std::sin(theta) * inner),
                     TruncToInt(cy - std::cos(theta) * inner),
                     TruncToInt(cx + std::sin(theta) * g.radius),
                     TruncToInt(cy - std::cos(theta) * g.radius));
    const double s = std::sin(theta) * g.radius;
    const double c = std::cos(theta) * g.radius;
    const int m = AzimuthLabelIndex(i, rotateSign, flipSign);
    if (i % 9 == 0) {
      const int* offset = letterOffsets[i / 9];
      painter.setFont(style.letterFont);
      DrawTextAt(painter, TruncToInt(cx + s + offset[0]), TruncToInt(cy - c + offset[1]),
                 QString(QLatin1Char(CardinalLetter(m))));
      continue;
    }
    const int* offset = numberOffsets[i / 9];
    painter.setFont(numberFont);
    DrawTextAt(painter, TruncToInt(cx + s + offset[0]), TruncToInt(cy - c + offset[1]),
               QString::number(10 * m));
  }
}

// The colours of the Moon's symbol: its lit part, its dark part (the sky's colour on screen),
// the outline of the lit half and of the dark crescent, and that of a gibbous Moon's widening.
struct MoonInk {
  QColor lit;
  QColor dark;
  QColor edge;
  QColor gibbousEdge;
};

// The Moon's lit half faces the Sun: its elongation east of the Sun (SHA of the Sun less the
// Moon's, 0..360) beyond 180 degrees lights the right half. The second ellipse widens the lit
// half to a gibbous Moon or cuts it to a crescent.
void DrawMoon(QPainter& painter, const SymbolBox& box, const BodyCatalog& catalog,
              const MoonInk& ink) {
  const QRect rect = BoxOf(box.left, box.top, box.right, box.bottom);
  painter.setPen(ink.edge);
  painter.setBrush(ink.lit);
  double elongation = catalog.entries[kSunIndex].sha - catalog.entries[kMoonIndex].sha;
  if (elongation < 0.0) elongation += 360.0;
  constexpr int kQuarterTurn = 90 * 16;
  constexpr int kHalfTurn = 180 * 16;
  painter.drawChord(rect, elongation > 180.0 ? -kQuarterTurn : kQuarterTurn, kHalfTurn);
  const double f = catalog.moonRecord.illuminatedFraction;
  if (f > 0.5) {
    painter.setPen(ink.gibbousEdge);
    painter.setBrush(ink.lit);
  } else {
    painter.setBrush(ink.dark);
  }
  const double width = box.right - box.left;
  const int left = TruncToInt(box.left + width * f);
  const int right = TruncToInt(box.right - width * f);
  if (left != right) painter.drawEllipse(BoxOf(left, box.top, right, box.bottom));
}

void DrawBodies(QPainter& painter, const ChartGeometry& g, const ObserverState& observer,
                const BodyCatalog& catalog, const SkyColours& colours, const SkyStyle& style) {
  const QColor outline = style.blackOnWhite ? QColor(Qt::black) : kRed;
  const MoonInk moonInk = style.blackOnWhite
                              ? MoonInk{Qt::black, Qt::white, Qt::white, Qt::white}
                              : MoonInk{kSilver, colours.sky, colours.sky, kSilver};
  const VisibilityLimits limits = VisibilityLimitsFor(observer.brightOnly);
  painter.setFont(ChartTextFont());
  const int nameGap = FontNudge(*painter.device(), painter.font(), style.nameGap);
  for (int k = 1; k < kBodyCount; ++k) {
    if (!BodyShown(catalog, k, limits)) continue;
    const ChartPosition position = ChartPoint(catalog, k, observer.rotateSign, observer.flipSign);
    const SymbolBox box = BodySymbolBox(g, position);
    if (k == kMoonIndex) {
      DrawMoon(painter, box, catalog, moonInk);
      continue;
    }
    painter.setPen(outline);
    if (style.blackOnWhite) {
      painter.setBrush(Qt::white);
    } else {
      painter.setBrush(k == kSunIndex ? kYellow : colours.star);
    }
    painter.drawEllipse(BoxOf(box.left, box.top, box.right, box.bottom));
    if (k < kSunIndex || style.sunNamed) {
      DrawTextAt(painter, box.right + nameGap,
                 TruncToInt(box.top - box.halfSize * style.nameRise),
                 FromLatin1(catalog.entries[k].name));
    }
  }
}

}  // namespace

SkyColours SkyColoursOf(SkyState state) {
  switch (state) {
    case SkyState::Day:
      return {kAqua, kAqua};
    case SkyState::CivilTwilight:
      return {QColor(0, 128, 255), kSilver};
    case SkyState::NauticalTwilight:
      return {QColor(0, 0, 255), Qt::white};
    case SkyState::Night:
      break;
  }
  return {QColor(0, 0, 128), Qt::white};
}

void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

int FontNudge(const QPaintDevice& device, const QFont& font, double ems) {
  const double fontPixels = font.pointSizeF() * device.logicalDpiY() / 72.0;
  return static_cast<int>(std::lround(ems * fontPixels));
}

void DrawDataBlock(QPainter& painter, int width, int height, int fontSize,
                   const std::vector<DataBlockLine>& lines) {
  const double unit = width / 160.0;
  DrawDataBlock(painter, DataBlockLayout{unit, unit, 5.0, height / 34.0, fontSize}, lines);
}

void DrawDataBlock(QPainter& painter, const DataBlockLayout& layout,
                   const std::vector<DataBlockLine>& lines) {
  painter.save();
  painter.setFont(QFont("MS Sans Serif", layout.fontSize));
  painter.setPen(Qt::black);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  for (const DataBlockLine& line : lines) {
    const int y = TruncToInt(line.line * layout.lineHeight + layout.top);
    DrawTextAt(painter, TruncToInt(layout.labelX), y, FromLatin1(line.label));
    if (!line.value.empty()) {
      DrawTextAt(painter, TruncToInt(layout.labelX + line.column * layout.columnUnit), y,
                 FromLatin1(line.value));
    }
  }
  painter.restore();
}

void DrawSky(QPainter& painter, const ChartGeometry& geometry, const ObserverState& observer,
             const BodyCatalog& catalog, const SkyStyle& style) {
  const SkyColours colours = SkyColoursOf(SkyStateOf(catalog.hc[kSunIndex]));
  painter.save();
  if (style.blackOnWhite) {
    // Paper: no sky colours; every circle is filled white over the larger one, and text
    // stands on a white ground.
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawEllipse(CircleBox(geometry.centreX, geometry.centreY, geometry.radius));
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
  } else {
    painter.setPen(kRed);
    painter.setBrush(colours.sky);
    painter.drawEllipse(CircleBox(geometry.centreX, geometry.centreY, geometry.radius));
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
  }
  painter.setFont(ChartTextFont());
  DrawAltitudeCircles(painter, geometry);
  DrawAzimuthSpokes(painter, geometry, observer.rotateSign, observer.flipSign, style);
  DrawBodies(painter, geometry, observer, catalog, colours, style);
  DrawChartRings(painter, geometry, observer, catalog, style);
  painter.restore();
}

void DrawChart(QPainter& painter, int width, int height, int clientWidth,
               const ObserverState& observer, const ChartPass& pass, const BodyCatalog& catalog,
               const SunEventsRecord& events, const SkyStyle& style) {
  if (observer.drawSky) painter.fillRect(0, 0, width, height, Qt::white);
  DrawDataBlock(painter, width, height, observer.dataFontSize,
                ScreenDataBlockLines(
                    DataBlockValuesOf(pass, observer.zoneDescription, catalog, events)));
  if (observer.drawSky) {
    DrawSky(painter, ScreenChartGeometry(width, height, clientWidth), observer, catalog, style);
  }
}

}  // namespace nocturna
