// "Print" in the window: the print dialog's step replaced, the page written as a PDF file.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "support/recording_presenter.h"
#include "support/window_services.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

class PrintClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog = BuildCatalog();
    MainWindowServices services = testing::WindowServices(presenter, systemClock);
    services.clock = [] { return UniversalClockReading{EncodeDateTime(2026, 12, 15, 0, 0, 0), 0}; };
    services.readHomePosition = [](DrPosition&) { return false; };
    services.printDialog = [this](QPrinter& printer, QWidget*) {
      ++dialogs;
      jobName = printer.docName();
      landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(outputFile);
      return accept;
    };
    form = std::make_unique<TForm1>(catalog, events, services);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QApplication::processEvents();
  }

  void TearDown() override {
    form->close();
    form.reset();
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
  }

  QByteArray Output() const {
    QFile file(outputFile);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir folder;
  QString outputFile = folder.filePath(QStringLiteral("chart.pdf"));
  bool accept = true;
  int dialogs = 0;
  QString jobName;
  bool landscape = false;
  BodyCatalog catalog;
  SunEventsRecord events{};
  testing::RecordingPresenter presenter;
  testing::RefusingSystemClock systemClock;
  std::unique_ptr<TForm1> form;
};

TEST_F(PrintClickTest, ButtonAndMenuPrintOneLandscapePageAndChangeNothing) {
  QPushButton* button = form->findChild<QPushButton*>(QStringLiteral("PrintBtn"));
  QAction* item = form->findChild<QAction*>(QStringLiteral("Print1"));
  ASSERT_NE(button, nullptr);
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(button->isEnabled());
  EXPECT_TRUE(item->isEnabled());
  const ObserverState before = form->Observer();
  const int paints = form->PaintCount();
  for (int i = 0; i < 2; ++i) {
    QFile::remove(outputFile);
    if (i == 0) {
      QTest::mouseClick(button, Qt::LeftButton);
    } else {
      item->trigger();
    }
    EXPECT_EQ(dialogs, i + 1);
    EXPECT_EQ(jobName, QStringLiteral("Nocturna Sky Chart"));
    EXPECT_TRUE(landscape);
    const QByteArray pdf = Output();
    ASSERT_TRUE(pdf.startsWith("%PDF")) << "no PDF written";
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              1);
    EXPECT_TRUE(pdf.contains("/Count 1"));
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])"))
            .match(QString::fromLatin1(pdf));
    ASSERT_TRUE(box.hasMatch());
    EXPECT_GT(box.captured(1).toDouble(), box.captured(2).toDouble()) << "not landscape";
  }
  EXPECT_TRUE(presenter.shown.empty());
  // The print computes nothing and leaves the window's state as it was.
  EXPECT_EQ(form->PaintCount(), paints);
  EXPECT_EQ(form->Observer().zoneTime, before.zoneTime);
  EXPECT_EQ(form->Observer().lastZoneTime, before.lastZoneTime);
}

TEST_F(PrintClickTest, CancelledDialogPrintsNothingAndAFailedFileIsReported) {
  accept = false;
  QTest::mouseClick(form->Controls().printButton, Qt::LeftButton);
  EXPECT_EQ(dialogs, 1);
  EXPECT_FALSE(QFile::exists(outputFile));
  EXPECT_TRUE(presenter.shown.empty());

  accept = true;
  outputFile = folder.filePath(QStringLiteral("no such folder/chart.pdf"));
  QTest::mouseClick(form->Controls().printButton, Qt::LeftButton);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
  EXPECT_NE(presenter.shown[0].text.find("chart.pdf"), std::string::npos)
      << presenter.shown[0].text;
}

}  // namespace
}  // namespace nocturna
