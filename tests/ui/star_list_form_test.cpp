// The visible-bodies window: its header and rows for a hand-set catalog, the degree-minute
// toggle, sorting by column, printing, and opening it from the main window.
#include "ui/tables/star_list_form.h"

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
#include <memory>

#include "support/recording_presenter.h"
#include "ui/tables/table_window_parts.h"

namespace nocturna {
namespace {

using Texts = std::vector<std::vector<std::string>>;

class StarListFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog = BuildCatalog();
    for (int k = 0; k < kBodyCount; ++k) {
      catalog.hc[k] = -10.0;
      catalog.zn[k] = 5.0 * k;
    }
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

  std::unique_ptr<TStarListForm> Open() {
    auto form = std::make_unique<TStarListForm>(catalog, observer, pass, settings, choosePrinter,
                                                presenter);
    return form;
  }

  template <typename T>
  static T* Find(QWidget& form, const char* name) {
    T* widget = form.findChild<T*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  static Texts Rows(QWidget& form) { return ReportViewTexts(Find<QTableWidget>(form, "StarList")); }
  static std::string Header(QWidget& form) {
    return Find<QLabel>(form, "Panel2")->text().toLatin1().toStdString();
  }

  BodyCatalog catalog;
  ObserverState observer;
  ChartPass pass;
  StarListSettings settings;
  PrinterChoice choosePrinter;
  testing::RecordingPresenter presenter;
};

TEST_F(StarListFormTest, HeaderAndRowsFollowTheSun) {
  const int sirius = 18;
  struct Case {
    double sunHc;
    double moonHc;
    const char* header;
    QColor background;
    QColor text;
    Texts rows;
  };
  const QColor orange(255, 128, 0);
  const Case cases[] = {
      {-0.5,
       -3.0,
       "Daylight",
       QColor(0, 255, 255),
       orange,
       {{"Sun",
         "-00\xB0"
         "30.0'",
         "310\xB0"
         "00.0'",
         ""}}},
      {-0.8,
       15.0,
       "Daylight",
       QColor(0, 255, 255),
       orange,
       {{"Sun",
         "-00\xB0"
         "48.0'",
         "310\xB0"
         "00.0'",
         ""},
        {"Moon",
         "15\xB0"
         "00.0'",
         "315\xB0"
         "00.0'",
         ""}}},
      {-12.0,
       15.0,
       "Twilight",
       QColor(0, 0, 255),
       Qt::black,
       {{"Sirius",
         "00\xB0"
         "00.0'",
         "090\xB0"
         "00.0'",
         "-1.5"},
        {"Moon",
         "15\xB0"
         "00.0'",
         "315\xB0"
         "00.0'",
         ""}}},
      {-12.5,
       -3.0,
       "Night Time",
       QColor(0, 0, 128),
       Qt::black,
       {{"Sirius",
         "00\xB0"
         "00.0'",
         "090\xB0"
         "00.0'",
         "-1.5"}}},
  };
  for (const Case& c : cases) {
    catalog.hc[kSunIndex] = c.sunHc;
    catalog.hc[kMoonIndex] = c.moonHc;
    catalog.hc[sirius] = 0.0;
    auto form = Open();
    EXPECT_EQ(Header(*form), c.header);
    EXPECT_EQ(Find<QLabel>(*form, "Panel2")->palette().color(QPalette::Window), c.background)
        << c.header;
    EXPECT_EQ(Find<QTableWidget>(*form, "StarList")->palette().color(QPalette::Text), c.text)
        << c.header;
    EXPECT_EQ(Rows(*form), c.rows) << "Sun at " << c.sunHc;
  }
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), "Visible Bodies");
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form->size(), QSize(286, 512));
  EXPECT_EQ(Find<QTextEdit>(*form, "List")->toPlainText(),
            QString::fromLatin1("01 - June,2026, ZT=20-00-00, ZD=5\n"
                                "Pos: DRL=42\xB0"
                                "00.0'N; DRLo=075\xB0"
                                "00.0'W\n"
                                "LHA Aries=285\xB0"
                                "00.0'"));
}

TEST_F(StarListFormTest, DegMinToggleSwitchesFormsAndIsKeptBetweenOpenings) {
  catalog.hc[kSunIndex] = -0.5;
  auto form = Open();
  QPushButton* button = Find<QPushButton>(*form, "DegMinButton");
  EXPECT_EQ(button->text(), QString::fromLatin1("dd.d\xB0"));
  EXPECT_EQ(button->toolTip(), "Format Hc deg/min.");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(button->text(), QString::fromLatin1("dd\xB0"
                                                "dd.d'"));
  EXPECT_EQ(Rows(*form), (Texts{{"Sun", "-0.5\xB0", "310.0\xB0", ""}}));
  form.reset();
  // The next opening starts in decimal degrees.
  form = Open();
  button = Find<QPushButton>(*form, "DegMinButton");
  EXPECT_EQ(button->text(), QString::fromLatin1("dd\xB0"
                                                "dd.d'"));
  EXPECT_EQ(Rows(*form)[0][1], "-0.5\xB0");
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_TRUE(settings.degMin);
  EXPECT_EQ(button->text(), QString::fromLatin1("dd.d\xB0"));
  EXPECT_EQ(Rows(*form), (Texts{{"Sun",
                                 "-00\xB0"
                                 "30.0'",
                                 "310\xB0"
                                 "00.0'",
                                 ""}}));
}

TEST_F(StarListFormTest, ColumnClickSortsByTextAndANightListReopensByAzimuth) {
  catalog.hc[kSunIndex] = -30.0;
  struct Body {
    int k;
    double hc;
    double zn;
    double magnitude;
  } const bodies[] = {{18, 40.0, 200.0, -1.5},
                      {3, 9.0, 20.0, 2.2},
                      {kVenusIndex, 5.0, 250.0, -4.1},
                      {50, 60.0, 80.0, 0.8}};
  for (const Body& b : bodies) {
    catalog.hc[b.k] = b.hc;
    catalog.zn[b.k] = b.zn;
    catalog.entries[b.k].magnitude = b.magnitude;
  }
  auto names = [](QWidget& form) {
    std::vector<std::string> result;
    for (const auto& row : Rows(form)) result.push_back(row[0]);
    return result;
  };
  auto form = Open();
  EXPECT_EQ(settings.sortColumn, 2);
  EXPECT_EQ(names(*form), (std::vector<std::string>{"Schedar", "Nunki", "Sirius", "Venus"}));
  QHeaderView* header = Find<QTableWidget>(*form, "StarList")->horizontalHeader();
  struct Click {
    int column;
    std::vector<std::string> names;
  } const clicks[] = {
      {3, {"Nunki", "Schedar", "Sirius", "Venus"}},  // " 0.8" " 2.2" "-1.5" "-4.1"
      {1, {"Venus", "Schedar", "Sirius", "Nunki"}},  // "05°" "09°" "40°" "60°"
      {2, {"Schedar", "Nunki", "Sirius", "Venus"}},
      {0, {"Nunki", "Schedar", "Sirius", "Venus"}},
  };
  for (const Click& click : clicks) {
    const int x = header->sectionViewportPosition(click.column) + 5;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    EXPECT_EQ(settings.sortColumn, click.column);
    EXPECT_EQ(names(*form), click.names) << "column " << click.column;
  }
  form = Open();
  EXPECT_EQ(settings.sortColumn, 2);
  EXPECT_EQ(names(*form), (std::vector<std::string>{"Schedar", "Nunki", "Sirius", "Venus"}));
}

TEST_F(StarListFormTest, PrintWritesTheWindowImageOrSaysWhyNot) {
  catalog.hc[kSunIndex] = 20.0;
  const QString pdf = QString::fromStdString(::testing::TempDir()) + "star_list_print.pdf";
  QFile::remove(pdf);
  QString target = pdf;
  bool accept = true;
  choosePrinter = [&](QPrinter& printer, QWidget* parent) {
    EXPECT_NE(parent, nullptr);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    return accept;
  };
  auto form = Open();
  form->show();
  QTest::mouseClick(Find<QPushButton>(*form, "PrintBtn"), Qt::LeftButton);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
  EXPECT_GT(file.size(), 2000);
  EXPECT_TRUE(presenter.shown.empty());
  // A cancelled dialog prints nothing and says nothing; an unwritable file is reported.
  accept = false;
  target = QString::fromStdString(::testing::TempDir()) + "no_such_dir/star_list.pdf";
  form->PrintBtnClick();
  EXPECT_TRUE(presenter.shown.empty());
  accept = true;
  form->PrintBtnClick();
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
  QTest::mouseClick(Find<QPushButton>(*form, "ListCloseBtn"), Qt::LeftButton);
  EXPECT_FALSE(form->isVisible());
  QFile::remove(pdf);
}

}  // namespace
}  // namespace nocturna
