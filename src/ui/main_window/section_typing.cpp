#include "ui/main_window/section_typing.h"

#include <QLineEdit>
#include <algorithm>

namespace nocturna {

namespace {

bool IsDigitKey(const QKeyEvent& key) {
  return key.text().size() == 1 && key.text()[0].isDigit();
}

bool IsSeparatorKey(const QKeyEvent& key) {
  return key.text().size() == 1 && key.text()[0].isPunct();
}

void SelectSection(QDateTimeEdit& field, int index) {
  field.setCurrentSectionIndex(std::clamp(index, 0, field.sectionCount() - 1));
  field.setSelectedSection(field.currentSection());
}

const QLineEdit* TextOf(const QDateTimeEdit& field) {
  return field.findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
}

bool WholeTextSelected(const QDateTimeEdit& field) {
  const QLineEdit* edit = TextOf(field);
  return edit != nullptr && !edit->text().isEmpty() && edit->selectedText() == edit->text();
}

int CursorOf(const QDateTimeEdit& field) {
  const QLineEdit* edit = TextOf(field);
  return edit != nullptr ? edit->cursorPosition() : -1;
}

int DigitsOf(QDateTimeEdit::Section section) {
  return section == QDateTimeEdit::YearSection ? 4 : 2;
}

}  // namespace

bool SectionTyping::KeyPress(QDateTimeEdit& field, QKeyEvent& key) {
  sectionBeforeKey_ = field.currentSectionIndex();
  const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int last = field.sectionCount() - 1;
  bool navigate = plain;
  int target = 0;
  switch (plain ? key.key() : 0) {
    case Qt::Key_Left: target = sectionBeforeKey_ - 1; break;
    case Qt::Key_Right: target = sectionBeforeKey_ + 1; break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = last; break;
    default: navigate = false; break;
  }
  if (navigate) {
    Restart();
    SelectSection(field, target);
    return true;
  }
  if (IsDigitKey(key)) {
    if (WholeTextSelected(field)) {
      SelectSection(field, 0);
      sectionBeforeKey_ = 0;
    } else if (typingSection_ != sectionBeforeKey_ || CursorOf(field) != cursorAfterTyping_) {
      SelectSection(field, sectionBeforeKey_);  // the digit overwrites the section
    }
    movedOnByTyping_ = false;
    return false;
  }
  if (IsSeparatorKey(key)) {
    // "17:" : the full "17" has already moved on to the minutes; "9:" moves on now.
    if (!movedOnByTyping_) SelectSection(field, sectionBeforeKey_ + 1);
    Restart();
    return true;
  }
  Restart();
  return false;
}

void SectionTyping::AfterKeyPress(QDateTimeEdit& field, QKeyEvent& key) {
  if (!IsDigitKey(key)) return;
  const int now = field.currentSectionIndex();
  movedOnByTyping_ = now != sectionBeforeKey_;
  const bool full = field.sectionText(field.currentSection()).size() >= DigitsOf(field.currentSection());
  // A full last section starts afresh with the next digit.
  typingSection_ = movedOnByTyping_ || full ? -1 : now;
  cursorAfterTyping_ = CursorOf(field);
}

}  // namespace nocturna
