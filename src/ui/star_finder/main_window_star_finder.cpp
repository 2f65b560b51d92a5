// "Finder" and "Star &Finder...": the star finder window, one at a time, not modal, so the chart
// can show its rings while it is open.
#include <QAction>
#include <QKeySequence>
#include <QPushButton>

#include "ui/main_window/main_window.h"
#include "ui/star_finder/star_finder_window.h"

namespace nocturna {

void TForm1::ConnectStarFinder() {
  controls_.starFinder->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(controls_.starFinderButton, &QPushButton::clicked, this, &TForm1::StarFinderClick);
  connect(controls_.starFinder, &QAction::triggered, this, &TForm1::StarFinderClick);
}

void TForm1::StarFinderClick() {
  auto* window = findChild<TStarFinderWindow*>();
  if (window == nullptr) {
    window = new TStarFinderWindow(
        observer_, tables_.starFinder, [this] { RepaintChart(); }, tables_.choosePrinter,
        *presenter_, this);
  } else {
    window->FindBtnClick();  // the chart's DR or date may have changed
  }
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace nocturna
