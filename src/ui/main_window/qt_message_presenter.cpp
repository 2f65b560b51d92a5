#include "ui/main_window/qt_message_presenter.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

#include "ui/main_window/latin1_text.h"

namespace nocturna {

QString MessageText(const std::string& text) {
  QString shown = FromLatin1(text);
  shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

namespace {

// A table's text in a fixed-pitch face with its lines kept whole (the box wraps a text wider
// than about 500 pixels, which would break the columns).
void SetAsTable(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (label == nullptr) return;
  label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  const QFontMetrics metrics(label->font());
  int widest = 0;
  for (const QString& line : label->text().split(QLatin1Char('\n'))) widest = std::max(widest, metrics.horizontalAdvance(line));
  label->setMinimumWidth(widest + metrics.averageCharWidth());
}

}  // namespace

MessageAnswer QtMessagePresenter::Show(const Message& message) {
  QMessageBox box(parent_);
  switch (message.kind) {
    case MessageKind::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageKind::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageKind::Error:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  box.setWindowTitle(message.caption.empty() ? QStringLiteral("Nocturna")
                                             : MessageText(message.caption));
  box.setText(MessageText(message.text));
  if (message.fixedPitch) SetAsTable(box);
  if (message.buttons == MessageButtons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(message.defaultAnswer == MessageAnswer::No ? QMessageBox::No
                                                                    : QMessageBox::Yes);
  } else if (message.buttons == MessageButtons::SaveDiscardCancel) {
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int pressed = box.exec();
  switch (message.buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::SaveDiscardCancel:
      break;
  }
  if (pressed == QMessageBox::Save) return MessageAnswer::Save;
  return pressed == QMessageBox::Discard ? MessageAnswer::Discard : MessageAnswer::Cancel;
}

}  // namespace nocturna
