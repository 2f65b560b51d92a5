#include "ui/help/help_dialog.h"

#include <algorithm>
#include <utility>

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/message_presenter.h"
#include "ui/help/center_on_screen.h"
#include "ui/help/header_strip.h"
#include "ui/help/help_topics.h"
#include "ui/help/rtf_document_builder.h"

namespace nocturna {
namespace {

constexpr int kWidth = 489;
constexpr int kHeight = 373;
constexpr int kHeaderHeight = 17;
constexpr int kHelpListWidth = 145;
constexpr int kHelpListLines = 20;
constexpr int kFoundLineMargin = 4;  // pixels left above a found topic when it is scrolled up

}  // namespace

THelpDialog::THelpDialog(MessagePresenter& presenter, QWidget* parent, QStringList helpFileCandidates)
    : QDialog(parent), presenter_(presenter), helpFileCandidates_(std::move(helpFileCandidates)) {
  setObjectName(QStringLiteral("HelpDialog"));
  setWindowTitle(QStringLiteral("Help"));
  setFixedSize(kWidth, kHeight);

  helpList_ = new QComboBox(this);
  helpList_->setObjectName(QStringLiteral("HelpList"));
  helpList_->setEditable(true);
  helpList_->setInsertPolicy(QComboBox::NoInsert);
  helpList_->setCompleter(nullptr);  // the search runs on exactly what is typed
  helpList_->setMaxVisibleItems(kHelpListLines);
  for (std::string_view topic : kHelpTopics) {
    helpList_->addItem(QString::fromLatin1(topic.data(), static_cast<qsizetype>(topic.size())));
  }
  {
    const QSignalBlocker quiet(helpList_);
    helpList_->setEditText(QStringLiteral("Topic Search"));
  }
  const int top = std::max(kHeaderHeight, helpList_->sizeHint().height());
  helpList_->setGeometry(0, 0, kHelpListWidth, top);

  auto* header = new HeaderStrip(this);
  header->setObjectName(QStringLiteral("HeaderControl1"));
  header->setGeometry(0, 0, kWidth, top);
  header->lower();

  helpEdit_ = new QTextEdit(this);
  helpEdit_->setObjectName(QStringLiteral("HelpEdit"));
  helpEdit_->setReadOnly(true);
  helpEdit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  helpEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  helpEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  helpEdit_->setGeometry(0, top, kWidth, kHeight - top);

  connect(helpList_, &QComboBox::editTextChanged, this, &THelpDialog::HelpListChange);
  // Choosing the topic already shown changes no text; it still searches again.
  connect(helpList_, &QComboBox::textActivated, this, &THelpDialog::HelpListChange);
}

void THelpDialog::Open(QWidget* parent, MessagePresenter& presenter) {
  THelpDialog dialog(presenter, parent);
  dialog.exec();
}

void THelpDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void THelpDialog::FormShow() {
  CenterOnScreen(*this);
  const HelpFileContent content = ReadHelpFile(helpFileCandidates_);
  if (content.failure.empty()) {
    LoadRtfDocument(std::string_view(content.bytes.constData(), static_cast<std::size_t>(content.bytes.size())),
                    *helpEdit_->document());
  } else {
    helpEdit_->clear();
    Message message;
    message.kind = MessageKind::Error;
    message.text = content.failure;
    presenter_.Show(message);
  }
  helpList_->setFocus();
  helpList_->lineEdit()->selectAll();  // typing replaces "Topic Search"
}

void THelpDialog::HelpListChange(const QString& topic) {
  if (topic.isEmpty()) return;
  const QTextCursor found = helpEdit_->document()->find(topic, 0, QTextDocument::FindCaseSensitively);
  if (found.isNull()) return;
  // While the user types in the picker the focus stays there, so the next key still reaches it.
  const QLineEdit* typed = helpList_->lineEdit();
  if (!(typed->hasFocus() && typed->isModified())) helpEdit_->setFocus();
  helpEdit_->setTextCursor(found);
  helpEdit_->ensureCursorVisible();
  // Bring the found line up to the top of the view, so that the text after it shows.
  QScrollBar* bar = helpEdit_->verticalScrollBar();
  bar->setValue(bar->value() + helpEdit_->cursorRect(found).top() - kFoundLineMargin);
}

}  // namespace nocturna
