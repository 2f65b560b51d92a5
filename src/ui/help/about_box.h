#pragma once
// The about box: the program's name, version, publisher and purpose on an aqua card.
#include <QDialog>

namespace nocturna {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // Creates the box, shows it modally and destroys it when it closes.
  static void Open(QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace nocturna
