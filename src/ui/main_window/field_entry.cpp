#include "ui/main_window/field_entry.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace nocturna {

FieldEntry::FieldEntry(QLineEdit* field) : QObject(field), field_(field) {
  // The field tells of a user's edit (textEdited) before it tells of every change (textChanged).
  connect(field, &QLineEdit::textEdited, this, &FieldEntry::Edited);
  connect(field, &QLineEdit::textChanged, this, &FieldEntry::Changed);
  field->installEventFilter(this);
}

void FieldEntry::Edited() {
  userEdit_ = true;
  pending_ = true;
}

void FieldEntry::Changed() {
  if (!userEdit_) {
    pending_ = false;  // written by the program: a whole entry
    emit Complete();
    return;
  }
  userEdit_ = false;
  // The last position typed: the mask is filled.
  if (field_->cursorPosition() == field_->displayText().size() && field_->hasAcceptableInput()) {
    Finish();
  }
}

void FieldEntry::Finish() {
  if (!pending_) return;
  pending_ = false;
  emit Complete();
}

bool FieldEntry::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_) {
    if (event->type() == QEvent::FocusOut) {
      // After the focus has moved, so that a message about the entry does not open in the
      // middle of the change of focus.
      QMetaObject::invokeMethod(this, &FieldEntry::Finish, Qt::QueuedConnection);
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) Finish();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace nocturna
