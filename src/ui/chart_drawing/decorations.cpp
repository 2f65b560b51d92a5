#include "ui/chart_drawing/decorations.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace nocturna {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kGold(205, 160, 40);
constexpr double kPi = 3.14159265358979;

void DrawStar(QPainter& painter, QPointF centre, double outer, double inner) {
  QPolygonF star;
  for (int i = 0; i < 8; ++i) {
    const double angle = i * kPi / 4.0;
    const double r = i % 2 == 0 ? outer : inner;
    star << QPointF(centre.x() + r * std::sin(angle), centre.y() - r * std::cos(angle));
  }
  painter.drawPolygon(star);
}

}  // namespace

QPixmap NocturnaLogo() {
  QPixmap logo(196, 72);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  // A crescent: the lit disc less a disc moved toward the dark side.
  QPainterPath disc;
  disc.addEllipse(QPointF(30, 36), 26, 26);
  QPainterPath shadow;
  shadow.addEllipse(QPointF(41, 30), 23, 23);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGold);
  painter.drawPath(disc.subtracted(shadow));
  painter.setBrush(kNavy);
  DrawStar(painter, QPointF(50, 14), 6, 1.8);
  DrawStar(painter, QPointF(60, 30), 4, 1.2);
  QFont script("BrushScript BT", 26);
  script.setItalic(true);
  painter.setFont(script);
  painter.setPen(kNavy);
  painter.drawText(QRect(62, 8, 134, 56), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Nocturna"));
  return logo;
}

QPixmap NocturnaEmblem(int size) {
  QPixmap emblem(size, size);
  emblem.fill(Qt::transparent);
  QPainter painter(&emblem);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF c(size / 2.0, size / 2.0);
  const double r = size / 2.0 - 2.0;
  // The wheel: eight handles, a rim and a hub ring.
  painter.setPen(QPen(kNavy, size / 28.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4.0 + kPi / 8.0;
    painter.drawLine(QPointF(c.x() + 0.55 * r * std::sin(a), c.y() - 0.55 * r * std::cos(a)),
                     QPointF(c.x() + r * std::sin(a), c.y() - r * std::cos(a)));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kNavy, size / 18.0));
  painter.drawEllipse(c, 0.78 * r, 0.78 * r);
  painter.setPen(QPen(kGold, size / 60.0));
  painter.drawEllipse(c, 0.62 * r, 0.62 * r);
  // The rose: long cardinal points, short intercardinal ones, dark and light halves.
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4.0;
    const double length = (i % 2 == 0 ? 0.6 : 0.36) * r;
    const double half = 0.09 * r;
    const QPointF tip(c.x() + length * std::sin(a), c.y() - length * std::cos(a));
    const QPointF left(c.x() + half * std::sin(a - kPi / 2), c.y() - half * std::cos(a - kPi / 2));
    const QPointF right(c.x() + half * std::sin(a + kPi / 2), c.y() - half * std::cos(a + kPi / 2));
    painter.setPen(QPen(kNavy, 0.8));
    painter.setBrush(kNavy);
    painter.drawPolygon(QPolygonF{c, tip, left});
    painter.setBrush(i == 0 ? kGold : QColor(235, 235, 245));
    painter.drawPolygon(QPolygonF{c, tip, right});
  }
  painter.setBrush(kGold);
  painter.drawEllipse(c, 0.06 * r, 0.06 * r);
  return emblem;
}

QString PublisherNotice() {
  return QStringLiteral("Nocturna sky chart and almanac for the navigator");
}

}  // namespace nocturna
