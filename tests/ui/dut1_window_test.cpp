// View > "DUT1...": the value in use with its source, an IERS file imported (a damaged one refused
// with its line, the table in use kept), a value given by hand, saved and shown in the title.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <optional>
#include <vector>

#include "platform/user_data_path.h"
#include "support/iers_excerpts.h"
#include "support/shown_main_window.h"
#include "ui/main_window/dut1_dialog.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

struct Dut1WindowRun : testing::ShownMainWindow {
  std::vector<std::optional<double>> saved;
  QString chosenFile;
  const std::string kept = UserDataFilePath("iers-dut1.txt");

  Dut1WindowRun() {
    Show([this](MainWindowServices& services) {
      services.readPreciseEphemeris = [] { return true; };
      services.readDut1 = [] { return RememberedDut1{}; };
      services.saveGivenDut1 = [this](std::optional<double> seconds) { saved.push_back(seconds); };
      services.chooseIersFile = [this](QWidget*) { return chosenFile; };
      services.importIersFile = [this](const std::string& path) { return ImportDut1TableFile(path, kept); };
    });
  }

  Dut1Dialog* OpenDialog() {
    form->findChild<QAction*>(QStringLiteral("Dut1Setting1"))->trigger();
    QApplication::processEvents();
    return form->findChild<Dut1Dialog*>(QStringLiteral("Dut1Dialog"));
  }
  void Import(Dut1Dialog& dialog, const std::string& name) {
    chosenFile = QString::fromStdString(testing::IersExcerptPath(name));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Dut1Import")), Qt::LeftButton);
  }
  QString InUse(Dut1Dialog& dialog) { return dialog.findChild<QLabel*>(QStringLiteral("Dut1InUse"))->text(); }
};

TEST(Dut1Window, ImportsAFileRefusesADamagedOneAndTakesAGivenValue) {
  Dut1WindowRun run;
  QAction* item = run.form->findChild<QAction*>(QStringLiteral("Dut1Setting1"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+D")));
  Dut1Dialog* dialog = run.OpenDialog();
  ASSERT_NE(dialog, nullptr);
  // 2026-06-01: after the bundled table, whose last value is held.
  EXPECT_TRUE(run.InUse(*dialog).contains(QStringLiteral("(bundled IERS to 2023-09-12, held)"))) << run.InUse(*dialog).toStdString();

  run.Import(*dialog, "README.md");
  ASSERT_EQ(run.presenter.shown.size(), 1u);
  EXPECT_NE(run.presenter.shown[0].text.find("README.md: line 1: not a finals row"), std::string::npos);
  EXPECT_NE(run.presenter.shown[0].text.find("The DUT1 table in use is kept."), std::string::npos);
  EXPECT_EQ(run.form->Observer().ephemeris.dut1Table, nullptr);

  run.Import(*dialog, testing::kBulletinExcerpt);
  ASSERT_NE(run.form->Observer().ephemeris.dut1Table, nullptr);
  EXPECT_EQ(testing::IersExcerptText(testing::kBulletinExcerpt), [&] {
    std::ifstream in(run.kept, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }());
  EXPECT_TRUE(run.InUse(*dialog).contains(QStringLiteral("(Bulletin A to 2023-09-16, held)")));
  EXPECT_TRUE(run.form->windowTitle().contains(QStringLiteral("(Bulletin A to 2023-09-16, held)")))
      << run.form->windowTitle().toStdString();

  dialog->findChild<QRadioButton*>(QStringLiteral("Dut1Given"))->setChecked(true);
  dialog->findChild<QDoubleSpinBox*>(QStringLiteral("Dut1Seconds"))->setValue(-0.25);
  dialog->accept();
  QApplication::processEvents();
  EXPECT_EQ(run.saved, (std::vector<std::optional<double>>{-0.25}));
  EXPECT_TRUE(run.form->windowTitle().startsWith(QStringLiteral("Nocturna - precise ephemeris, DUT1 -0.250 s (given)")))
      << run.form->windowTitle().toStdString();
  EXPECT_EQ(run.presenter.shown.size(), 1u);
}

}  // namespace
}  // namespace nocturna
