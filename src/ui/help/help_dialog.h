#pragma once
// The help topics dialog: a topic picker over the help document. Choosing or typing a
// topic finds the first exact (case-sensitive) occurrence of its text in the document,
// selects it and scrolls it into view.
#include <QDialog>
#include <QStringList>

#include "ui/help/help_file.h"

class QComboBox;
class QTextEdit;
class QShowEvent;

namespace nocturna {

class MessagePresenter;

class THelpDialog : public QDialog {
  Q_OBJECT

 public:
  // `helpFileCandidates`: where the document is looked for, first match wins.
  explicit THelpDialog(MessagePresenter& presenter, QWidget* parent = nullptr,
                       QStringList helpFileCandidates = HelpFileCandidates());

  // Creates the dialog, shows it modally and destroys it when it closes.
  static void Open(QWidget* parent, MessagePresenter& presenter);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void HelpListChange(const QString& topic);

  MessagePresenter& presenter_;
  QStringList helpFileCandidates_;
  QComboBox* helpList_ = nullptr;
  QTextEdit* helpEdit_ = nullptr;
};

}  // namespace nocturna
