// The window against the screen: maximised it keeps the large data font; made narrower than
// 85 % of the screen it snaps back to 85 %, centred, with the small font.
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

#include "foundations/angles.h"
#include "ui/main_window/main_window.h"

namespace nocturna {

namespace {
constexpr double kNarrowest = 0.85;  // of the screen's width and height
constexpr int kSnapSlack = 2;       // pixels a window manager may add to the snapped width
}

void TForm1::PlaceDecorations(double logoLeft, double wheelTop, double labelLeft) {
  const QRect frame = frameGeometry();
  const double w = frame.width();
  const double h = frame.height();
  controls_.logo->move(TruncToInt(logoLeft * w), TruncToInt(0.10 * h));
  controls_.varloWheel->move(TruncToInt(0.80 * w), TruncToInt(wheelTop * h));
  controls_.varloLabel->move(TruncToInt(labelLeft * w), TruncToInt(0.85 * h));
}

void TForm1::FormShow() {
  const QRect screenArea = screen()->geometry();
  observer_.dataFontSize = screenArea.height() < 600 ? 8 : 10;
  const QRect frame = frameGeometry();
  const int margin = frame.width() - width();
  const int titleAndFrame = frame.height() - height();
  if (frame.height() > screenArea.height() || frame.width() > screenArea.width()) {
    resize(std::min(frame.width(), screenArea.width()) - margin,
           std::min(frame.height(), screenArea.height()) - titleAndFrame);
  }
  PlaceDecorations(0.78, 0.65, 0.72);
}

void TForm1::FormResize() {
  const QRect screenArea = screen()->geometry();
  const int narrowest = TruncToInt(kNarrowest * screenArea.width());
  const QRect frame = frameGeometry();
  if (frame.width() < narrowest && !isMaximized() && !isFullScreen()) {
    // Whole pixels: the snapped width is not below the limit, so the snap happens once.
    const int narrowestHeight = TruncToInt(kNarrowest * screenArea.height());
    resize(narrowest - (frame.width() - width()), narrowestHeight - (frame.height() - height()));
    move(screenArea.x() + TruncToInt(screenArea.width() * (1.0 - kNarrowest) / 2.0),
         screenArea.y() + TruncToInt(screenArea.height() * (1.0 - kNarrowest) / 2.0));
    narrowLayout_ = true;
  } else if (frame.width() > narrowest + kSnapSlack) {
    narrowLayout_ = false;
  }
  if (!narrowLayout_) {
    FormShow();
    return;
  }
  // The snapped window keeps the small data font and its own places for the decorations.
  observer_.dataFontSize = 8;
  PlaceDecorations(0.75, 0.63, 0.68);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  FormShow();
}

void TForm1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
  observer_.staticTime = true;
  QMainWindow::closeEvent(event);
}

}  // namespace nocturna
