#pragma once
// The Sights window: the sight log as a sight form, one row a shot, each row showing every
// correction, Ho, Hc, Zn and the intercept; the fix from the rows, offered as the new DR; the
// plotting sheet; the log opened and saved as a file.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ephemeris/ephemeris_choice.h"
#include "foundations/dr_position.h"
#include "platform/message_presenter.h"
#include "sights/sight_log_reduction.h"
#include "sights/sight_row.h"
#include "ui/printing/window_printing.h"
#include "ui/sights/sight_form_printing.h"
#include "ui/sights/sight_table_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace nocturna {

struct SightsWindowServices {
  MessagePresenter* presenter = nullptr;
  PrinterChoice choosePrinter;  // empty: the print dialog
  // "Yes" to the fix: the fix carried to the chart's time (degrees, north and WEST positive) as
  // typed DR input.
  std::function<void(const DrPosition&)> setDr;
  // The file to open (save: false) or to save as (true); empty text: cancelled. Empty
  // function: the file dialog.
  std::function<std::string(QWidget* parent, bool save)> chooseFile;
  std::string logPath;  // the log opened at first; empty: DefaultSightLogPath()
  // After each reduction: the last identify row's time, its DR and the bodies it names, for the
  // chart to ring; no bodies named: no rings.
  std::function<void(DateTime utc, const DrPosition& dr, const std::vector<int>& named)> ringOnChart;
};

class TSightsForm : public QDialog {
  Q_OBJECT

 public:
  // dr: the main window's DR (degrees, north and WEST positive) at its time `now` (UT, days
  // since 1899-12-30), also the time of a first sight added to an empty log; zoneDescription in
  // hours, west positive, the first ZD for times typed as zone time.
  TSightsForm(const DrPosition& dr, int zoneDescription, DateTime now,
              const EphemerisChoice& ephemeris, SightsWindowServices services,
              QWidget* parent = nullptr);

  QTableView* Table() const { return table_; }
  SightTableModel& Model() const { return *model_; }
  const SightLogReduction& Reduction() const { return reduction_; }
  // The rows that read as sights, in row order.
  const std::vector<SightRecord>& Sights() const { return sights_; }
  const SightForm& Form() const { return form_; }
  const std::string& LogPath() const { return logPath_; }
  bool Modified() const { return modified_; }
  // The DR the sights are reduced from, and its time.
  const DrPosition& Dr() const { return dr_.position; }
  DateTime DrTime() const { return dr_.utc; }
  // The DR with its time and the run (course and speed) typed here.
  const DeadReckoning& Reckoning() const { return dr_; }

  // Handlers, one per control.
  void AddButtonClick();
  void DeleteButtonClick();
  void FixButtonClick();
  void PlotButtonClick();
  void NoonButtonClick();
  void LunarsButtonClick();
  void OpenButtonClick();
  void SaveButtonClick();
  void SaveAsButtonClick();
  void PrintButtonClick();
  // The rows and settings read and reduced again.
  void Recompute();
  // Esc: the same question as closing.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildSettings(QWidget* panel);
  void BuildButtons(QWidget* panel);
  QWidget* BuildResults();
  void ReadTableSettings(std::string& problems);
  void ReadRunSettings(std::string& problems);
  SightFormPrint PrintedForm() const;
  void ShowResults();
  void RingIdentifiedBody();
  void Changed();
  // Unsaved changes saved, discarded or kept open as the user answers; true: the window may close.
  bool MayClose();
  void LoadFrom(const std::string& path);
  bool SaveTo(const std::string& path);
  std::string ChooseFile(bool save);
  void Say(MessageKind kind, const std::string& text);
  void ShowSettings(const SightLogSettings& settings);
  SightLogSettings Settings() const;

  DeadReckoning dr_;  // the chart's DR at the chart's time, with the run typed here
  EphemerisChoice ephemeris_;
  SightsWindowServices services_;
  std::string logPath_;
  bool logDamaged_ = false;  // the file at logPath_ is damaged: a save keeps it aside
  bool modified_ = false;
  std::vector<WatchComparison> watchLog_;  // the comparisons kept beside the log
  std::optional<double> statedWatchError_;  // the loaded log's own watch error
  SightTableModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* drLabel_ = nullptr;
  QLineEdit* fixTimeEdit_ = nullptr;
  QLineEdit* courseEdit_ = nullptr;
  QLineEdit* speedEdit_ = nullptr;
  QComboBox* timeBasisBox_ = nullptr;
  QSpinBox* zoneDescriptionEdit_ = nullptr;
  QLineEdit* watchErrorEdit_ = nullptr;
  QComboBox* eyeUnitBox_ = nullptr;
  QCheckBox* alphabeticalBox_ = nullptr;
  QLabel* settingsNote_ = nullptr;
  QLabel* fixLabel_ = nullptr;
  QLabel* linesLabel_ = nullptr;
  QLabel* kindsLabel_ = nullptr;
  QLabel* ephemerisNote_ = nullptr;
  QLabel* saveStatus_ = nullptr;
  std::vector<SightRecord> sights_;
  DateTime fixTime_ = 0.0;
  SightLogReduction reduction_;
  // What the chart was last asked to ring, so that editing other rows leaves the chart's moment alone.
  std::vector<double> lastRing_;
  SightForm form_;
};

}  // namespace nocturna
