#include "ui/help/center_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace nocturna {

void CenterOnScreen(QWidget& window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
}

}  // namespace nocturna
