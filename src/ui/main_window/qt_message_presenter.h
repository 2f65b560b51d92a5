#pragma once
// Message boxes on screen: a QMessageBox per message, modal to the given parent.
#include <QString>

#include "platform/message_presenter.h"

class QWidget;

namespace nocturna {

class QtMessagePresenter : public MessagePresenter {
 public:
  explicit QtMessagePresenter(QWidget* parent = nullptr) : parent_(parent) {}
  MessageAnswer Show(const Message& message) override;
  // The window the boxes are modal to from now on (null: the whole application).
  void SetParent(QWidget* parent) { parent_ = parent; }

 private:
  QWidget* parent_;
};

// A Windows-1252 text as shown on screen: the pair "\n\r" (and a lone "\r") is one line break.
QString MessageText(const std::string& text);

}  // namespace nocturna
