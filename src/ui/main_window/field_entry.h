#pragma once
// When a masked field's entry is complete, so that it is read once per entry and never
// halfway through a number: Enter, Tab or the focus leaving the field after the user has
// edited it, a typed key that fills the field's last position, or a text written into the
// field by the program (the home position, a GPS fix).
#include <QObject>

class QLineEdit;

namespace nocturna {

class FieldEntry : public QObject {
  Q_OBJECT

 public:
  // Watches the field (which owns this object).
  explicit FieldEntry(QLineEdit* field);

 signals:
  // The entry is complete: read the field now.
  void Complete();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Edited();
  void Changed();
  void Finish();

  QLineEdit* field_;
  bool pending_ = false;    // edited by the user since the field was last read
  bool userEdit_ = false;   // the text change under way comes from the user's editing
};

}  // namespace nocturna
