// "Print Almanac Pages...": the passage's fields and what they propose, the pages printed to a
// PDF through the print step, a failed print told, and the File menu's item opening the window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/almanac_pages/almanac_pages_form.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(QString::fromLatin1(file.readAll())
                              .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

class AlmanacPagesFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TAlmanacPagesForm>(
        EncodeDateTime(2026, 12, 15, 23, 30, 0), EphemerisChoice{},
        [this](QPrinter& printer, QWidget*) {
          portrait = printer.pageLayout().orientation() == QPageLayout::Portrait;
          jobName = printer.docName();
          printer.setOutputFormat(QPrinter::PdfFormat);
          printer.setOutputFileName(outputFile);
          return true;
        },
        presenter);
    from = form->findChild<QDateEdit*>(QStringLiteral("FromDate"));
    days = form->findChild<QSpinBox*>(QStringLiteral("DaysSpin"));
    summary = form->findChild<QLabel*>(QStringLiteral("PassageSummary"));
    print = form->findChild<QPushButton*>(QStringLiteral("PrintButton"));
    ASSERT_TRUE(from && days && summary && print);
  }

  // Leaves the daily pages alone ticked.
  void UntickTables() {
    for (QCheckBox* box : form->findChildren<QCheckBox*>()) {
      box->setChecked(box->objectName() == QStringLiteral("Section_daily"));
    }
  }

  QTemporaryDir folder;
  QString outputFile = folder.filePath(QStringLiteral("pages.pdf"));
  bool portrait = false;
  QString jobName;
  testing::RecordingPresenter presenter;
  std::unique_ptr<TAlmanacPagesForm> form;
  QDateEdit* from = nullptr;
  QSpinBox* days = nullptr;
  QLabel* summary = nullptr;
  QPushButton* print = nullptr;
};

TEST_F(AlmanacPagesFormTest, ProposesTheNextNineDaysAndFollowsTheFields) {
  EXPECT_EQ(from->date(), QDate(2026, 12, 15)) << "the UT date of the clock";
  EXPECT_EQ(days->value(), 9);
  EXPECT_TRUE(summary->text().contains(QStringLiteral("15 December 2026 to 23 December 2026: 3 opening(s), 83 pages")))
      << summary->text().toStdString() << ": every section, with the index";
  UntickTables();
  EXPECT_TRUE(summary->text().contains(QStringLiteral("3 opening(s), 7 pages"))) << summary->text().toStdString();
  EXPECT_TRUE(summary->text().contains(QStringLiteral("Precise, 0h UTC 2026-12-15: Delta T")))
      << summary->text().toStdString();
  EXPECT_TRUE(summary->text().contains(QStringLiteral("(bundled IERS to 2023-09-12, held)")))
      << summary->text().toStdString() << ": the DUT1's source and date";
  days->setValue(4);
  EXPECT_TRUE(summary->text().contains(QStringLiteral("2 opening(s), 5 pages"))) << summary->text().toStdString();
  from->setDate(QDate(2099, 12, 30));
  days->setValue(3);
  EXPECT_FALSE(print->isEnabled());
  EXPECT_TRUE(summary->text().startsWith(QStringLiteral("Not a passage"))) << summary->text().toStdString();
  EXPECT_TRUE(form->Sheets().empty());
  days->setValue(2);  // its opening's third day, 1 January 2100, is past the years too
  EXPECT_FALSE(print->isEnabled());
  from->setDate(QDate(2099, 12, 29));
  EXPECT_TRUE(print->isEnabled());
  EXPECT_EQ(form->Sheets().size(), 3u);
}

TEST_F(AlmanacPagesFormTest, PrintsTheTitleAndTwoPortraitPagesAnOpening) {
  days->setValue(5);
  UntickTables();
  QTest::mouseClick(print, Qt::LeftButton);
  EXPECT_TRUE(portrait);
  EXPECT_EQ(jobName, QStringLiteral("Nocturna Almanac Pages"));
  EXPECT_EQ(PdfPages(outputFile), 1 + 2 * 2);
  EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(AlmanacPagesFormTest, AFileThatCannotBeWrittenIsTold) {
  outputFile = QStringLiteral("/nonexistent-folder/pages.pdf");
  QTest::mouseClick(print, Qt::LeftButton);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(presenter.shown[0].text,
            "The almanac pages could not be printed: cannot write the PDF /nonexistent-folder/pages.pdf: "
            "No such file or directory.");
}

TEST_F(AlmanacPagesFormTest, EverySectionPrintedAndACancelLeavesNoFile) {
  days->setValue(3);
  QTest::mouseClick(print, Qt::LeftButton);
  EXPECT_EQ(PdfPages(outputFile), 1 + 1 + 2 + 1 + 72) << "title, index, one opening, a page of lunar distances, the tables";
  ASSERT_TRUE(QFile::remove(outputFile));
  days->setValue(366);
  QTimer cancel;
  QObject::connect(&cancel, &QTimer::timeout, [this] {
    if (auto* progress = form->findChild<QProgressDialog*>(QStringLiteral("JobProgress"))) progress->cancel();
  });
  cancel.start(50);
  QTest::mouseClick(print, Qt::LeftButton);
  EXPECT_FALSE(QFile::exists(outputFile));
  EXPECT_FALSE(QFile::exists(outputFile + QStringLiteral(".partial")));
  EXPECT_TRUE(presenter.shown.empty()) << "a cancel is no failure";
}

TEST(AlmanacPagesMenu, FileMenuItemOpensTheWindowForTheClocksDateAndTheDut1Set) {
  BodyCatalog catalog = BuildCatalog();
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  MainWindowServices services = testing::WindowServices(presenter, systemClock);
  services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 3, 1, 12, 0, 0), 0}; };
  services.readDut1 = [] { return RememberedDut1{0.3, nullptr}; };
  TForm1 window(catalog, events, services);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QAction* item = window.findChild<QAction*>(QStringLiteral("PrintAlmanacPages1"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QStringLiteral("Print Almanac Pa&ges..."));
  EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
  QString opened;
  QDate proposed;
  QString pages;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    opened = modal->objectName();
    if (auto* date = modal->findChild<QDateEdit*>(QStringLiteral("FromDate"))) proposed = date->date();
    if (auto* form = qobject_cast<TAlmanacPagesForm*>(modal)) {
      form->findChild<QSpinBox*>(QStringLiteral("DaysSpin"))->setValue(1);
      for (QCheckBox* box : form->findChildren<QCheckBox*>()) {
        box->setChecked(box->objectName() == QStringLiteral("Section_daily"));
      }
      for (const Sheet& sheet : form->Sheets()) pages += QString::fromLatin1(SheetText(sheet).c_str());
    }
    modal->close();
  });
  item->trigger();
  EXPECT_EQ(opened, QStringLiteral("AlmanacPagesForm"));
  EXPECT_EQ(proposed, QDate(2026, 3, 1));
  EXPECT_EQ(pages.count(QStringLiteral("DUT1 +0.30 s (given)")), 3) << "the title and both pages of the opening";
  window.close();
}

}  // namespace
}  // namespace nocturna
