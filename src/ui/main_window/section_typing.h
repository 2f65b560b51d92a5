#pragma once
// Date and time fields typed as a user expects: a digit overwrites the section it is typed in
// (a field never takes "17" as the digits inserted before "22"), a full section moves on to the
// next, a separator typed after that move is not taken as a second move, Left and Right step
// from section to section, and Tab and Shift+Tab leave the field for the next or previous
// control instead of stepping through its sections. For every time and date field:
// TypedDateEdit, TypedTimeEdit.
#include <QDateEdit>
#include <QKeyEvent>
#include <QTimeEdit>

namespace nocturna {

// The key handling shared by every typed field; it keeps what the last keys did.
class SectionTyping {
 public:
  // True when the key is handled here; false leaves it to the field's own handling, with the
  // section to be typed in selected first where a digit is to overwrite it.
  bool KeyPress(QDateTimeEdit& field, QKeyEvent& key);
  // After the field's own handling of a key that KeyPress left to it.
  void AfterKeyPress(QDateTimeEdit& field, QKeyEvent& key);
  // A change of focus starts typing afresh (so does a click: the cursor moves).
  void Restart() { typingSection_ = -1; movedOnByTyping_ = false; }

 private:
  int typingSection_ = -1;         // the section a digit was last typed into, -1: none
  bool movedOnByTyping_ = false;   // the last digit filled its section and moved on
  int sectionBeforeKey_ = -1;
  int cursorAfterTyping_ = -1;     // where the last digit left the cursor
};

template <class Field>
class TypedDateTimeField : public Field {
 public:
  using Field::Field;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (typing_.KeyPress(*this, *event)) return;
    Field::keyPressEvent(event);
    typing_.AfterKeyPress(*this, *event);
  }
  void focusInEvent(QFocusEvent* event) override {
    typing_.Restart();
    Field::focusInEvent(event);
  }
  // Tab moves between the window's controls, not through the field's sections.
  bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

 private:
  SectionTyping typing_;
};

using TypedDateEdit = TypedDateTimeField<QDateEdit>;
using TypedTimeEdit = TypedDateTimeField<QTimeEdit>;

}  // namespace nocturna
