// The help topics dialog over the program's own help document: every topic lands on the
// first place its exact text occurs, typing searches case-sensitively, and a missing or
// unreadable document gives one message and an empty help text.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "support/recording_presenter.h"
#include "ui/help/help_dialog.h"
#include "ui/help/help_topics.h"

namespace nocturna {
namespace {

const QString kProjectHelpFile = QStringLiteral(NOCTURNA_SOURCE_DATA_DIR "/Starhelp.rtf");

QString Topic(std::string_view topic) {
  return QString::fromLatin1(topic.data(), static_cast<qsizetype>(topic.size()));
}

// A shown help dialog over the given document.
class ShownHelp {
 public:
  explicit ShownHelp(QStringList candidates = {kProjectHelpFile}) : dialog(presenter, nullptr, std::move(candidates)) {
    dialog.show();
    list = dialog.findChild<QComboBox*>(QStringLiteral("HelpList"));
    edit = dialog.findChild<QTextEdit*>(QStringLiteral("HelpEdit"));
  }
  ~ShownHelp() { dialog.close(); }

  void Choose(const QString& topic) {
    list->setCurrentIndex(list->findText(topic, Qt::MatchExactly | Qt::MatchCaseSensitive));
  }
  QString Text() const { return edit->document()->toRawText(); }
  int SelectionStart() const { return edit->textCursor().selectionStart(); }
  int ScrollPosition() const { return edit->verticalScrollBar()->value(); }

  testing::RecordingPresenter presenter;
  THelpDialog dialog;
  QComboBox* list = nullptr;
  QTextEdit* edit = nullptr;
};

TEST(HelpDialog, OpensWithTheTopicPickerOverTheDocument) {
  ShownHelp help;
  ASSERT_NE(help.list, nullptr);
  ASSERT_NE(help.edit, nullptr);
  EXPECT_EQ(help.dialog.windowTitle(), "Help");
  EXPECT_EQ(help.dialog.size(), QSize(489, 373));
  EXPECT_NE(help.dialog.findChild<QWidget*>(QStringLiteral("HeaderControl1")), nullptr);
  ASSERT_EQ(help.list->count(), static_cast<int>(kHelpTopics.size()));
  for (int i = 0; i < help.list->count(); ++i) {
    EXPECT_EQ(help.list->itemText(i), Topic(kHelpTopics[static_cast<std::size_t>(i)])) << "item " << i;
  }
  EXPECT_EQ(help.list->currentText(), "Topic Search");
  EXPECT_EQ(help.list->width(), 145);
  EXPECT_EQ(help.list->maxVisibleItems(), 20);
  EXPECT_TRUE(help.edit->isReadOnly());
  EXPECT_TRUE(help.presenter.shown.empty());
  EXPECT_GT(help.Text().size(), 5000) << "the help document should be loaded";
  EXPECT_FALSE(help.edit->textCursor().hasSelection());
}

TEST(HelpDialog, EveryTopicLandsOnTheFirstPlaceItsTextOccurs) {
  ShownHelp help;
  const QString text = help.Text();
  for (std::string_view name : kHelpTopics) {
    const QString topic = Topic(name);
    help.Choose(topic);
    const QTextCursor selection = help.edit->textCursor();
    const int expected = text.indexOf(topic, 0, Qt::CaseSensitive);
    ASSERT_GE(expected, 0) << "topic not in the document: '" << name << "'";
    EXPECT_EQ(selection.selectionStart(), expected) << name;
    EXPECT_EQ(selection.selectedText(), topic) << name;
    const QRect caret = help.edit->cursorRect(selection);
    EXPECT_TRUE(help.edit->viewport()->rect().contains(caret.center())) << name << " is not scrolled into view";
    if (name == " ") continue;
    // The document is written so that a topic's first occurrence is its own heading.
    const QTextBlock block = selection.block();
    EXPECT_EQ(block.text(), topic) << "first '" << name << "' is not a heading";
    EXPECT_EQ(QTextCursor(block).charFormat().fontWeight(), QFont::Bold) << name;
  }
}

TEST(HelpDialog, BlankTopicSelectsTheFirstBlank) {
  ShownHelp help;
  help.Choose(QStringLiteral(" "));
  EXPECT_EQ(help.SelectionStart(), help.Text().indexOf(' '));
  EXPECT_EQ(help.edit->textCursor().selectedText(), " ");
}

TEST(HelpDialog, TypingSearchesCaseSensitivelyOnEveryKey) {
  ShownHelp help;
  help.dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help.dialog));
  QLineEdit* typed = help.list->lineEdit();
  typed->setFocus();
  typed->selectAll();

  QTest::keyClicks(typed, QStringLiteral("sunrise"));
  EXPECT_EQ(help.list->currentText(), "sunrise");
  EXPECT_TRUE(typed->hasFocus()) << "typing must stay in the picker";
  const int lower = help.Text().indexOf(QStringLiteral("sunrise"), 0, Qt::CaseSensitive);
  ASSERT_GE(lower, 0);
  EXPECT_NE(lower, help.Text().indexOf(QStringLiteral("Sunrise"), 0, Qt::CaseSensitive));
  EXPECT_EQ(help.SelectionStart(), lower);
  EXPECT_EQ(help.edit->textCursor().selectedText(), "sunrise");

  typed->selectAll();
  QTest::keyClicks(typed, QStringLiteral("Sunrise"));
  EXPECT_EQ(help.SelectionStart(), help.Text().indexOf(QStringLiteral("Sunrise"), 0, Qt::CaseSensitive));
  EXPECT_EQ(help.edit->textCursor().selectedText(), "Sunrise");
}

TEST(HelpDialog, TextTheDocumentLacksChangesNeitherSelectionNorScroll) {
  ShownHelp help;
  help.Choose(QStringLiteral("Technical Details"));
  const QTextCursor before = help.edit->textCursor();
  const int scroll = help.ScrollPosition();
  ASSERT_GT(scroll, 0);
  for (const QString& absent : {QStringLiteral("Moonbeam Xylophone"), QStringLiteral("technical details"), QString()}) {
    help.list->setEditText(absent);
    EXPECT_EQ(help.edit->textCursor().anchor(), before.anchor()) << absent.toStdString();
    EXPECT_EQ(help.edit->textCursor().position(), before.position()) << absent.toStdString();
    EXPECT_EQ(help.ScrollPosition(), scroll) << absent.toStdString();
  }
}

TEST(HelpDialog, ChoosingTheShownTopicAgainFindsItAgain) {
  ShownHelp help;
  help.Choose(QStringLiteral("Sunset"));
  const int found = help.SelectionStart();
  help.edit->moveCursor(QTextCursor::End);
  emit help.list->textActivated(QStringLiteral("Sunset"));
  EXPECT_EQ(help.SelectionStart(), found);
  EXPECT_EQ(help.edit->textCursor().selectedText(), "Sunset");
}

TEST(HelpFile, CurrentDirectoryComesFirst) {
  const QStringList candidates = HelpFileCandidates();
  ASSERT_GE(candidates.size(), 2);
  EXPECT_EQ(candidates.front(), QDir::current().filePath(QStringLiteral("Starhelp.rtf")));
  EXPECT_TRUE(candidates.contains(QDir(QStringLiteral(NOCTURNA_SOURCE_DATA_DIR)).filePath("Starhelp.rtf")));

  QTemporaryDir folder;
  QFile own(folder.filePath(QStringLiteral("Starhelp.rtf")));
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("{\\rtf1 {\\b Local} help}");
  own.close();
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  {
    ShownHelp help(HelpFileCandidates());
    EXPECT_EQ(help.Text(), "Local help");
    EXPECT_TRUE(help.presenter.shown.empty());
  }
  QDir::setCurrent(previous);
}

TEST(HelpFile, MissingOrUnreadableGivesOneMessageAndAnEmptyText) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Starhelp.rtf")));  // a folder is no file
  struct Case {
    const char* what;
    QStringList candidates;
    const char* expected;
  };
  const Case cases[] = {
      {"nowhere", {folder.filePath(QStringLiteral("absent/Starhelp.rtf"))},
       "The help file Starhelp.rtf was not found.\n\rHelp has no text to show."},
      {"unreadable", {folder.filePath(QStringLiteral("Starhelp.rtf")), kProjectHelpFile},
       "could not be read.\n\rHelp has no text to show."},
  };
  for (const Case& c : cases) {
    ShownHelp help(c.candidates);
    ASSERT_EQ(help.presenter.shown.size(), 1u) << c.what;
    EXPECT_EQ(help.presenter.shown[0].kind, MessageKind::Error) << c.what;
    EXPECT_NE(help.presenter.shown[0].text.find(c.expected), std::string::npos)
        << c.what << ": " << help.presenter.shown[0].text;
    EXPECT_TRUE(help.Text().isEmpty()) << c.what;
    help.Choose(QStringLiteral("Sunrise"));
    EXPECT_FALSE(help.edit->textCursor().hasSelection()) << c.what;
  }
}

TEST(HelpDialog, LeavesNoWindowOpen) {
  { ShownHelp help; }
  const QWidgetList windows = QApplication::topLevelWidgets();
  EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); }));
}

}  // namespace
}  // namespace nocturna

namespace nocturna {
namespace {

// Typing the heading "Sight reduction" (or "DUT1 Setting") lands on that heading's own paragraph.
TEST(HelpDialog, SightReductionHeadingIsFoundByTyping) {
  ShownHelp help;
  QLineEdit* typed = help.list->lineEdit();
  for (const QString& heading : {QStringLiteral("Sight reduction"), QStringLiteral("DUT1 Setting")}) {
    typed->selectAll();
    QTest::keyClicks(typed, heading);
    const QTextBlock block = help.edit->document()->findBlock(help.SelectionStart());
    EXPECT_EQ(block.text(), heading);
  }
}

}  // namespace
}  // namespace nocturna
