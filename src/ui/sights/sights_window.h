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
#include "ui/printing/window_printing.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace nocturna {

// The table's columns; the first eight are typed, the rest computed.
namespace sight_columns {
enum SightColumn {
  kTimeColumn, kBodyColumn, kLimbColumn, kHsColumn, kIcColumn, kEyeColumn, kTempColumn,
  kPressureColumn, kDipColumn, kHaColumn, kRefractionColumn, kSdColumn, kParallaxColumn,
  kHoColumn, kHcColumn, kZnColumn, kInterceptColumn, kNoteColumn, kSightColumnCount
};
}  // namespace sight_columns

struct SightsWindowServices {
  MessagePresenter* presenter = nullptr;
  PrinterChoice choosePrinter;  // empty: the print dialog
  // "Yes" to the fix: the position (degrees, north and WEST positive) as typed DR input.
  std::function<void(const DrPosition&)> setDr;
  // The file to open (save: false) or to save as (true); empty text: cancelled. Empty
  // function: the file dialog.
  std::function<std::string(QWidget* parent, bool save)> chooseFile;
  std::string logPath;  // the log opened at first; empty: DefaultSightLogPath()
};

class TSightsForm : public QDialog {
  Q_OBJECT

 public:
  // dr: the main window's DR (degrees, north and WEST positive); zoneDescription in hours,
  // west positive, the first ZD for times typed as zone time; now: the main window's UT (days
  // since 1899-12-30), the time of a first sight added to an empty log.
  TSightsForm(const DrPosition& dr, int zoneDescription, DateTime now,
              const EphemerisChoice& ephemeris, SightsWindowServices services,
              QWidget* parent = nullptr);

  QTableWidget* Table() const { return table_; }
  const SightLogReduction& Reduction() const { return reduction_; }
  // The rows that read as sights, in row order, and each one's row.
  const std::vector<SightRecord>& Sights() const { return sights_; }
  const std::string& LogPath() const { return logPath_; }

  // Handlers, one per control.
  void AddButtonClick();
  void DeleteButtonClick();
  void FixButtonClick();
  void PlotButtonClick();
  void OpenButtonClick();
  void SaveButtonClick();
  void SaveAsButtonClick();
  void PrintButtonClick();
  // Any typed cell or setting changed: the rows are read and reduced again.
  void SightsChanged();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildSettings(QWidget* panel);
  void BuildButtons(QWidget* panel);
  void AddRow(const SightRecord& sight);
  void ShowLog(const std::vector<SightRecord>& sights);
  void LoadFrom(const std::string& path);
  bool SaveTo(const std::string& path);
  std::string ChooseFile(bool save);
  // The typed time of a UTC moment in the current basis, and back.
  std::string TypedTime(DateTime utc) const;
  std::optional<DateTime> UtcOfTyped(const std::string& text) const;
  std::optional<SightRecord> ReadRow(int row, std::string& reason, int& badColumn) const;
  void ShowRowResult(int row, const SightLine* line, const std::string& reason, int badColumn);
  void Say(MessageKind kind, const std::string& text);

  DrPosition dr_;
  DateTime now_;
  EphemerisChoice ephemeris_;
  SightsWindowServices services_;
  std::string logPath_;
  bool logDamaged_ = false;  // the file at logPath_ is damaged: a save keeps it aside
  bool modified_ = false;
  bool filling_ = false;     // the table is being filled: no re-reading on each cell
  QTableWidget* table_ = nullptr;
  QLineEdit* fixTimeEdit_ = nullptr;
  QLineEdit* courseEdit_ = nullptr;
  QLineEdit* speedEdit_ = nullptr;
  QComboBox* timeBasisBox_ = nullptr;
  QSpinBox* zoneDescriptionEdit_ = nullptr;
  QLineEdit* watchErrorEdit_ = nullptr;
  QComboBox* eyeUnitBox_ = nullptr;
  QLabel* settingsNote_ = nullptr;
  QLabel* fixLabel_ = nullptr;
  // The time basis the time cells were written in (to rewrite them when it changes).
  bool zoneTimes_ = false;
  int typedZoneDescription_ = 0;
  double typedWatchErrorSeconds_ = 0.0;
  std::vector<SightRecord> sights_;
  std::vector<int> sightRows_;
  DateTime fixTime_ = 0.0;
  DeadReckoning run_;  // its course and speed
  SightLogReduction reduction_;
};

}  // namespace nocturna
