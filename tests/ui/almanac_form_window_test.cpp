// The almanac window: heading lines, the SHA/GHA toggle, the star and planet views, sorting the
// stars and printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <cstdlib>
#include <memory>

#include "support/recording_presenter.h"
#include "ui/tables/almanac_form.h"
#include "ui/tables/table_window_parts.h"

namespace nocturna {
namespace {

class AlmanacFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog = BuildCatalog();
    observer.zoneTime = EncodeDateTime(2026, 6, 1, 20, 0, 0);
    observer.zoneDescription = 5;
    observer.drPosition = {42.0, 75.0};
    pass.moment = AlmanacMomentOf(observer.zoneTime, observer.zoneDescription);
  }

  void TearDown() override {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
  }

  std::unique_ptr<TAlmanacForm> Open() {
    return std::make_unique<TAlmanacForm>(catalog, observer, pass, settings, choosePrinter,
                                          presenter);
  }

  template <typename T>
  static T* Find(QWidget& form, const char* name) {
    T* widget = form.findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  static std::vector<std::vector<std::string>> Rows(QWidget& form, const char* view) {
    return ReportViewTexts(Find<QTableWidget>(form, view));
  }

  BodyCatalog catalog;
  ObserverState observer;
  ChartPass pass;
  AlmanacSettings settings;
  PrinterChoice choosePrinter;
  testing::RecordingPresenter presenter;
};

TEST_F(AlmanacFormTest, HeadingLinesShowTheGreenwichDateAndUt) {
  catalog.gha[kAriesIndex] = 20.0;
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), "Almanac");
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form->size(), QSize(301, 579));
  EXPECT_EQ(Find<QLabel>(*form, "Panel2")->text(), "Stars & Planets");
  // 20:00 zone time at ZD +5 is 01:00 UT on the next day.
  EXPECT_EQ(Find<QTextEdit>(*form, "Stars")->toPlainText(),
            QString::fromLatin1("GD=02 - June,2026  UT=01-00-00  ZD=5\n"
                                "Position: DRL=42\xB0"
                                "00.0'N;  DRLo=075\xB0"
                                "00.0'W\n"
                                "GHA Aries=020\xB0"
                                "00.0'"));
  EXPECT_EQ(Find<QTextEdit>(*form, "Stars")->textCursor().position(), 0);
  EXPECT_EQ(Find<QTableWidget>(*form, "StarView")->height(), 424);
  EXPECT_EQ(Find<QTableWidget>(*form, "PlanetView")->palette().color(QPalette::Text),
            QColor(Qt::red));
}

TEST_F(AlmanacFormTest, ModeToggleSwitchesShaAndGhaAndIsKeptBetweenOpenings) {
  const int star = 5;
  catalog.entries[star].sha = 350.0;
  catalog.entries[star].magnitude = -1.5;
  catalog.entries[kVenusIndex].sha = 100.0;
  catalog.gha[kAriesIndex] = 20.0;
  auto form = Open();
  QPushButton* button = Find<QPushButton>(*form, "ModeButton");
  EXPECT_EQ(button->toolTip(), "Toggle GHA/SHA.");
  struct Step {
    const char* caption;
    const char* heading;
    const char* star;
    const char* venus;
  } const steps[] = {
      {"GHA", "SHA",
       "350\xB0"
       "00.0'",
       "100\xB0"
       "00.0'"},
      {"SHA", "GHA",
       "010\xB0"
       "00.0'",
       "120\xB0"
       "00.0'"},
      {"GHA", "SHA",
       "350\xB0"
       "00.0'",
       "100\xB0"
       "00.0'"},
  };
  for (const Step& step : steps) {
    EXPECT_EQ(button->text(), step.caption);
    for (const char* view : {"StarView", "PlanetView"}) {
      EXPECT_EQ(Find<QTableWidget>(*form, view)->horizontalHeaderItem(1)->text(), step.heading);
    }
    EXPECT_EQ(Rows(*form, "StarView")[star - 1][1], step.star) << step.caption;
    EXPECT_EQ(Rows(*form, "PlanetView")[0][1], step.venus) << step.caption;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  // Three clicks leave GHA, and the next opening starts there.
  form = Open();
  EXPECT_EQ(Find<QPushButton>(*form, "ModeButton")->text(), "SHA");
  EXPECT_EQ(Rows(*form, "StarView")[star - 1][1],
            "010\xB0"
            "00.0'");
  EXPECT_EQ(Rows(*form, "StarView")[star - 1][3], "-1.5");
}

TEST_F(AlmanacFormTest, StarsSortByClickedColumnWhilePlanetsKeepCatalogOrder) {
  auto form = Open();
  auto names = [&](const char* view) {
    std::vector<std::string> result;
    for (const auto& row : Rows(*form, view)) result.push_back(row[0]);
    return result;
  };
  const std::vector<std::string> catalogOrder = names("StarView");
  ASSERT_EQ(catalogOrder.size(), 57u);
  EXPECT_EQ(catalogOrder.front(), "Alpheratz");
  EXPECT_EQ(names("PlanetView"), (std::vector<std::string>{"Venus", "Mars", "Jupiter", "Saturn"}));
  QHeaderView* header = Find<QTableWidget>(*form, "StarView")->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
  EXPECT_EQ(settings.sortColumn, 0);
  std::vector<std::string> byName = names("StarView");
  EXPECT_EQ(byName.front(), "Acamar");
  EXPECT_EQ(byName.back(), "Zubenelgenubi");
  EXPECT_TRUE(std::is_permutation(byName.begin(), byName.end(), catalogOrder.begin()));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
  EXPECT_EQ(settings.sortColumn, 2);
  const auto rows = Rows(*form, "StarView");
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_LE(CompareTextNoCase(rows[i - 1][2], rows[i][2]), 0) << i;
  }
  EXPECT_EQ(names("PlanetView"), (std::vector<std::string>{"Venus", "Mars", "Jupiter", "Saturn"}));
}

TEST_F(AlmanacFormTest, PrintWritesTheWindowImage) {
  const QString pdf = QString::fromStdString(::testing::TempDir()) + "almanac_print.pdf";
  QFile::remove(pdf);
  choosePrinter = [&](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  auto form = Open();
  form->show();
  QTest::mouseClick(Find<QPushButton>(*form, "PrintBtn"), Qt::LeftButton);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
  EXPECT_GT(file.size(), 2000);
  EXPECT_TRUE(presenter.shown.empty());
  QTest::mouseClick(Find<QPushButton>(*form, "CloseBitBtn"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  QFile::remove(pdf);
}

TEST_F(AlmanacFormTest, PrintGivesEveryStarAndPlanetOnPortraitPages) {
  const QString pdf = QString::fromStdString(::testing::TempDir()) + "almanac_pages.pdf";
  choosePrinter = [&](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  auto form = Open();
  form->PrintBtnClick();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.contains("/Count 2"));
  EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
  EXPECT_TRUE(presenter.shown.empty());
  if (QFile::exists(QStringLiteral("/usr/bin/pdftotext"))) {
    const std::string text = "/tmp/almanac_pages_" + std::to_string(QCoreApplication::applicationPid());
    ASSERT_EQ(std::system(("/usr/bin/pdftotext " + pdf.toStdString() + " " + text).c_str()), 0);
    QFile printed(QString::fromStdString(text));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QString words = QString::fromUtf8(printed.readAll());
    for (const auto& rows : {form->Shown().stars, form->Shown().planets}) {
      for (const TableRow& row : rows) {
        EXPECT_TRUE(words.contains(QString::fromLatin1(row.cells[0].c_str()))) << row.cells[0];
      }
    }
    EXPECT_TRUE(words.contains(QStringLiteral("Page 2 of 2")));
    printed.remove();
  }
  file.remove();
}

}  // namespace
}  // namespace nocturna
