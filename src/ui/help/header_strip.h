#pragma once
// An empty header strip: the look of a list header without sections, drawn by the current
// style as a bar behind the controls at the top of a dialog.
#include <QWidget>

namespace nocturna {

class HeaderStrip : public QWidget {
 public:
  explicit HeaderStrip(QWidget* parent = nullptr) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace nocturna
