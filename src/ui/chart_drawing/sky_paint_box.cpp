#include "ui/chart_drawing/sky_paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace nocturna {

SkyPaintBox::SkyPaintBox(std::function<void()> paint, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)) {
  setObjectName(QStringLiteral("SkyPaintBox"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& SkyPaintBox::Picture() {
  if (picture_.size() != size()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  return picture_;
}

void SkyPaintBox::ShowPicture() {
  showOnly_ = true;
  repaint();
  showOnly_ = false;
}

void SkyPaintBox::paintEvent(QPaintEvent*) {
  if (!showOnly_) paint_();
  QPainter painter(this);
  painter.drawImage(0, 0, Picture());
}

void SkyPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked(event->position().toPoint());
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace nocturna
