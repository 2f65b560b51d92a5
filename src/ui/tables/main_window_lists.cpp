// "Hc-Zn" and "&Open List" open the visible-bodies list, "Almanac" and "Open Almanac" the
// almanac window. Both are modal, built anew on each opening from what the last paint left.
#include <QAction>
#include <QPushButton>

#include "ui/main_window/main_window.h"

namespace nocturna {

void TForm1::ConnectLists() {
  const MainWindowControls& c = controls_;
  connect(c.hcZnButton, &QPushButton::clicked, this, &TForm1::HcZnButtonClick);
  connect(c.openList, &QAction::triggered, this, &TForm1::ViewButtonClick);
  connect(c.almanacButton, &QPushButton::clicked, this, &TForm1::AlmanacButtonClick);
  connect(c.openAlmanac, &QAction::triggered, this, &TForm1::AlmanacButtonClick);
}

void TForm1::ShowTableWindow(QDialog& window) {
  if (tables_.showModal) {
    tables_.showModal(window);
  } else {
    window.exec();
  }
  ResetAnimationTicks();
}

void TForm1::HcZnButtonClick() {
  TStarListForm list(catalog_, observer_, lastPass_, tables_.starList, tables_.choosePrinter,
                     *presenter_, this);
  ShowTableWindow(list);
}

void TForm1::ViewButtonClick() { HcZnButtonClick(); }

void TForm1::AlmanacButtonClick() {
  TAlmanacForm almanac(catalog_, observer_, lastPass_, tables_.almanac, tables_.choosePrinter,
                       *presenter_, this);
  ShowTableWindow(almanac);
}

}  // namespace nocturna
