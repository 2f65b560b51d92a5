// View > "DUT1...": the DUT1 of the precise ephemeris, given by hand or from the IERS tables (the
// bundled one and the last file imported), remembered; the chart is painted with it at once.
#include <QAction>
#include <QPushButton>

#include "ephemeris/precise/dut1_table.h"
#include "foundations/printf_text.h"
#include "ui/main_window/dut1_dialog.h"
#include "ui/main_window/main_window.h"

namespace nocturna {
namespace {

// What the tables hold: the imported file's days, or the bundled table's end.
std::string TablesText(const Dut1Table* imported) {
  if (imported == nullptr) {
    return "No IERS file imported: the bundled IERS table ends on " + MjdDateText(BundledDut1Table().lastMjd) +
           ". Import a Bulletin A or finals2000A file for later days.";
  }
  return PrintfText("Imported %s: %s to %s.", imported->kind, MjdDateText(imported->firstMjd).c_str(),
                    MjdDateText(imported->LastMjd()).c_str());
}

}  // namespace

void TForm1::TakeRememberedDut1() {
  if (!services_.readDut1) return;
  const RememberedDut1 remembered = services_.readDut1();
  observer_.ephemeris.dut1Seconds = remembered.givenSeconds;
  observer_.ephemeris.dut1Table = remembered.importedTable;
}

void TForm1::Dut1Click() {
  auto* dialog = new Dut1Dialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->ShowChoice(observer_.ephemeris.dut1Seconds);
  ShowDut1InUse(*dialog);
  dialog->ImportButton()->setEnabled(services_.chooseIersFile && services_.importIersFile);
  connect(dialog->ImportButton(), &QPushButton::clicked, dialog, [this, dialog] { ImportIersFileClick(*dialog); });
  connect(dialog, &QDialog::accepted, this, [this, dialog] { TakeDut1Choice(dialog->Choice()); });
  dialog->open();
}

void TForm1::ShowDut1InUse(Dut1Dialog& dialog) {
  const EphemerisChoice precise{EphemerisKind::precise, observer_.ephemeris.dut1Seconds, observer_.ephemeris.dut1Table};
  const AlmanacMoment& moment = lastPass_.moment;
  const EphemerisReport used = ReportEphemeris(precise, moment.utDate, moment.utClock);
  std::string inUse = PrintfText("At the chart's moment, %04d-%02d-%02d %02d:%02d:%02d UTC: ", moment.utDate.year,
                                 moment.utDate.month, moment.utDate.day, moment.utClock.hour, moment.utClock.minute,
                                 moment.utClock.second);
  inUse += used.refusal != nullptr ? std::string(used.refusal)
                                   : PrintfText("DUT1 %+.3f s (%s).", used.dut1Seconds, Dut1SourceText(used).c_str());
  if (observer_.ephemeris.kind != EphemerisKind::precise) {
    inUse += " The standard ephemeris, in use now, applies no DUT1 (View > Precise ephemeris).";
  }
  dialog.ShowInUse(inUse, TablesText(observer_.ephemeris.dut1Table.get()));
}

void TForm1::ImportIersFileClick(Dut1Dialog& dialog) {
  const QString path = services_.chooseIersFile(&dialog);
  if (path.isEmpty()) return;
  const Dut1TableLoad load = services_.importIersFile(path.toStdString());
  if (!load.table) {
    presenter_->Show(Message{MessageKind::Error,
                             "The IERS file was not imported: " + load.problem + ".\n\rThe DUT1 table in use is kept.",
                             "DUT1"});
    return;
  }
  // A file imported is meant to be used: the tables are chosen, to be confirmed with OK.
  observer_.ephemeris.dut1Table = load.table;
  dialog.ShowChoice(std::nullopt);
  PaintChartNow();
  ShowDut1InUse(dialog);
}

void TForm1::TakeDut1Choice(std::optional<double> givenSeconds) {
  if (givenSeconds == observer_.ephemeris.dut1Seconds) return;
  observer_.ephemeris.dut1Seconds = givenSeconds;
  if (services_.saveGivenDut1) services_.saveGivenDut1(givenSeconds);
  PaintChartNow();
}

}  // namespace nocturna
