#pragma once
// The chart's paint box: keeps the picture of the last paint, so that a paint of the data
// block alone leaves the sky standing, and shows it on screen.
#include <QImage>
#include <QWidget>
#include <functional>

namespace nocturna {

class SkyPaintBox : public QWidget {
  Q_OBJECT

 public:
  // paint draws into the picture; it runs on every paint event of the box.
  SkyPaintBox(std::function<void()> paint, QWidget* parent);

  // The picture, sized to the box (white when the size changed).
  QImage& Picture();
  // Shows the picture as it stands, without running the paint.
  void ShowPicture();

 signals:
  // A left click released over the box, at the box's pixel (for picking a body).
  void Clicked(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> paint_;
  QImage picture_;
  bool showOnly_ = false;
};

}  // namespace nocturna
