#pragma once
// The main window: the observer's inputs, the tool bar, the button bar, the menus and the sky
// chart. Its handlers are private, spread over files by feature, each connected from the
// constructor's list of Connect...() calls. Under src/ui:
//   main_window/main_window.cpp            creation: controls, menus, the services, initial state
//   main_window/main_window_layout.cpp     FormShow, FormResize, close
//   main_window/main_window_inputs.cpp     date, time, ZD and position fields, "Now", the clock, "Exit"
//   main_window/main_window_events.cpp     the Set menu's jumps to the day's Sun events
//   main_window/main_window_paint.cpp      FormPaint: compute, then draw
//   main_window/main_window_picking.cpp    a click on the chart names the bodies under it
//   main_window/main_window_memory.cpp     the home position: "&Save" and "Home"
//   main_window/main_window_animation.cpp  the real-time animation and the N<->S, E<->W and Bright toggles
//   main_window/main_window_gps.cpp        the GPS toggle and "GPS Time"
//   main_window/main_window_ephemeris.cpp  View > Precise ephemeris
//   main_window/main_window_dut1.cpp       View > DUT1...: given by hand or from imported IERS files
//   printing/main_window_print.cpp         "Print": the chart on one landscape page
//   tables/main_window_lists.cpp           the visible-bodies list and the almanac window
//   sights/main_window_sights.cpp          Action > Sights...: the sights window and its fix as the DR
//   sights/main_window_gpx_export.cpp      File > Export GPX...: the last fix, its lines and the DR
//   star_finder/main_window_star_finder.cpp  Action > Star Finder...: the finder and its rings
//   almanac_pages/main_window_almanac_pages.cpp  File > Print Almanac Pages...
//   help/main_window_help.cpp              the help topics dialog and the about box
//   gps_settings/main_window_gps_settings.cpp  Action > GPS Settings...: the GPS source, the fix out
//   main_window/main_window_night_vision.cpp   View > Night vision
// Beside them in main_window/: the typed date and time (section_typing), the position fields
// (field_entry), the clock, the message boxes and the look; chart_drawing/ paints the chart.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "chart/chart_compute.h"
#include "chart/chart_geometry.h"
#include "chart/event_navigation.h"
#include "chart/observer_state.h"
#include "gps/gps_window.h"
#include "navigation/body_catalog.h"
#include "platform/gps_source_setting.h"
#include "platform/message_presenter.h"
#include "ui/main_window/current_universal_time.h"
#include "ui/main_window/main_window_services.h"
#include "ui/tables/table_windows.h"

class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class QTimer;
class QWidget;

namespace nocturna {

class Dut1Dialog;
class GpsController;
class NetworkFixOut;
struct DeadReckoning;
struct SightLogReduction;
struct PositionFieldReading;
class SkyPaintBox;

// Every control and menu item, for the handlers in the other files and for tests; each carries
// its name as objectName.
struct MainWindowControls {
  // Tool bar.
  QWidget* toolBar = nullptr;
  QLabel* datePanel = nullptr;
  QDateEdit* starDatePicker = nullptr;
  QLabel* zoneTimePanel = nullptr;  // "zonetime"
  QTimeEdit* starTimePicker = nullptr;
  QLabel* zoneDescriptionPanel = nullptr;  // "zonedescription"
  QSpinBox* zdEdit = nullptr;
  QLineEdit* latitude = nullptr;
  QLineEdit* longitude = nullptr;
  QPushButton* speedGps = nullptr;
  QPushButton* gpsTimeButton = nullptr;
  // Button bar.
  QWidget* buttonBar = nullptr;
  QPushButton* animateButton = nullptr;
  QPushButton* homeButton = nullptr;
  QPushButton* nowButton = nullptr;
  QPushButton* lanButton = nullptr;
  QPushButton* riseButton = nullptr;
  QPushButton* setButton = nullptr;
  QPushButton* dawnButton = nullptr;
  QPushButton* duskButton = nullptr;
  QPushButton* hcZnButton = nullptr;
  QPushButton* almanacButton = nullptr;
  QPushButton* rotateButton = nullptr;
  QPushButton* flipEwButton = nullptr;
  QPushButton* brightButton = nullptr;
  QPushButton* printButton = nullptr;
  QPushButton* starFinderButton = nullptr;
  // Chart and decorations.
  SkyPaintBox* skyPaintBox = nullptr;
  QLabel* logo = nullptr;
  QLabel* varloWheel = nullptr;
  QLabel* varloLabel = nullptr;
  // Main menu.
  QAction* openList = nullptr;
  QAction* openAlmanac = nullptr;
  QAction* savePosition = nullptr;
  QAction* print = nullptr;
  QAction* printAlmanacPages = nullptr;  // Ctrl+Shift+P
  QAction* exportGpx = nullptr;          // Ctrl+Shift+G
  QAction* exit = nullptr;
  QAction* run = nullptr;
  QAction* stop = nullptr;
  QAction* reset = nullptr;
  QAction* rotateNs = nullptr;
  QAction* flipEw = nullptr;
  QAction* starFinder = nullptr;
  QAction* now = nullptr;
  QAction* sunrise = nullptr;
  QAction* amCivTwi = nullptr;
  QAction* amNautTwi = nullptr;
  QAction* amPvc = nullptr;
  QAction* sunset = nullptr;
  QAction* pmCivTwi = nullptr;
  QAction* pmNautTwi = nullptr;
  QAction* pmPvc = nullptr;
  QAction* meridian = nullptr;
  QAction* contents = nullptr;
  QAction* searchForHelpOn = nullptr;
  QAction* howToUseHelp = nullptr;
  QAction* about = nullptr;
  QAction* brightStars = nullptr;
  QAction* showAll = nullptr;
  QAction* preciseEphemeris = nullptr;  // checkable, Ctrl+E
  QAction* dut1 = nullptr;              // "DUT1...", Ctrl+Shift+D
  // The pop-up Set menu of the "Date" and "ZT" panels and the time picker.
  QMenu* popupSetMenu = nullptr;
};

namespace testing {
class MainWindowTestAccess;
}

class TForm1 : public QMainWindow, public GpsWindow {
  Q_OBJECT

 public:
  // The catalog and the events record are the program's, kept for the whole run. Throws
  // std::invalid_argument when a service is missing.
  TForm1(BodyCatalog& catalog, SunEventsRecord& events, MainWindowServices services,
         QWidget* parent = nullptr);
  ~TForm1() override;

  // What the window shows: the observer's record, the controls, and what the last paint
  // computed (moment, event and position texts).
  const ObserverState& Observer() const { return observer_; }
  const MainWindowControls& Controls() const { return controls_; }
  const ChartPass& LastPass() const { return lastPass_; }
  // The chart's geometry in the paint box's pixels, as the last paint drew it.
  ChartGeometry ScreenGeometry() const;
  // Paints so far, and how many of them ran the day's Sun and Moon events.
  int PaintCount() const { return paintCount_; }
  int DailyRunCount() const { return dailyRunCount_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class testing::MainWindowTestAccess;

  // UT of this instant (days); stores daylightHours.
  DateTime CurrentUniversalTime();
  // Asks for a paint of the chart when the chart is static (not animating).
  void RepaintChart();
  // Runs FormPaint at once and shows the result (also while animating).
  void PaintChartNow();
  // Shows zoneTime in the date and time pickers without running their change handlers.
  void ShowZoneTimeInPickers();
  // Writes "Latitude <text>" and "Longitude <text>" (Windows-1252 position texts) into the
  // position fields; their change handlers read them as typed input.
  void WritePositionTexts(const std::string& latitudeText, const std::string& longitudeText);
  // Shows a zone description in the ZD spinner; a changed value runs ZDChange.
  void ShowZoneDescription(int zoneDescription);

  // Observer inputs.
  void StarDatePickerChange();
  void StarTimePickerChange();
  void ZDChange();
  void LatitudeChange();
  void Lonchange();
  // True when the key is swallowed (Delete).
  bool LatitudeKeyDown(int key);
  bool LongitudeKeyDown(int key);
  void Now1Click();
  void Exit1Click();

  // The Set menu: the zone time moves to the day's event.
  void Sunrise1Click();
  void AMCivTwi1Click();
  void AMNautTwi1Click();
  void AMPVC1Click();
  void Sunset1Click();
  void PMCivTwi1Click();
  void PMNautTwi1Click();
  void PMPVC1Click();
  void MeridianClick();

  // Position memory: "&Save" keeps the DR position in the settings hive, "Home" returns to it.
  void SavePositionClick();
  void HomeButtonClick();

  // The animation ("Animate"/"Run", "Stop", "Reset", the one-second Timer1) and the toggles.
  void AnimateButtonClick();
  void PauseClick();
  void Reset1Click();
  void Timer1Timer();
  // For the visible-bodies list and the almanac window when they close: a running animation
  // redraws the sky at its next tick.
  void ResetAnimationTicks();
  void RotateButtonClick();
  void FlipEWButtonClick();
  void BrightButtonClick();
  void BrightStars1Click();
  void ShowAll1Click();
  // "Precise ephemeris": the theory that fills the records, remembered beside the home position.
  void PreciseEphemeris1Click(bool checked);
  // The title says which ephemeris made the values of the last paint (plain "Nocturna" for the
  // standard one).
  void ShowEphemerisInTitle();
  // "DUT1...": the dialog; the remembered DUT1 taken at start; the import of an IERS file from
  // the dialog (a refused file told, the table in use kept); the choice taken with OK.
  void Dut1Click();
  void TakeRememberedDut1();
  void ShowDut1InUse(Dut1Dialog& dialog);
  void ImportIersFileClick(Dut1Dialog& dialog);
  void TakeDut1Choice(std::optional<double> givenSeconds);

  // A click at the paint box's pixel (x, y): a message box for every body drawn there.
  void SkyPaintBoxClick(int x, int y);

  // "Print": the chart on one landscape page, from what the last paint computed.
  void PrintClick();
  void PrintAlmanacPagesClick();  // File > Print Almanac Pages...: the pages of a passage

  // The table windows: "Hc-Zn" and "&Open List" open the visible-bodies list, "Almanac" and
  // "Open Almanac" the almanac; closing either resets the animation's tick count.
  void HcZnButtonClick();
  void ViewButtonClick();
  void AlmanacButtonClick();
  // "Finder" and "Star &Finder..." (Ctrl+F): opens the star finder, or brings it to the front.
  void StarFinderClick();

  // The Help menu: "&Search for Help On..." (and "&Contents") open the help topics dialog,
  // "&About..." the about box.
  void SearchforHelpOn1Click();
  void About1Click();

  // The GPS: the SpeedGPS toggle starts (down) and stops (up) the receiver; "GPS Time" offers
  // to set the computer's UTC clock to the last fix's time. FormDestroy stops a running reader
  // before its port closes.
  void SpeedGPSClick(bool down);
  void GPSTimeBtnClick();
  void FormDestroy();
  // What the GPS commands do to the window (see GpsWindow).
  void ApplyGpsFix(const DrPosition& position, int zoneDescription, const std::string& latitudeText,
                   const std::string& longitudeText) override;
  void SetSpeedGpsCaption(const std::string& caption, CaptionColour colour) override;
  void SetGpsTimeEnabled(bool enabled) override;
  void ProcessPendingEvents() override;
  MessagePresenter& Presenter() override { return *presenter_; }
  void RecordClockComparison(double systemUtc, double gpsUtc) override;

  // Action > "GPS Settings..." (Ctrl+G): the GPS source for the next start and the fix out,
  // remembered.
  void ConnectGpsSettings();
  void GpsSettings1Click();
  void StartFixOut(const FixOutSetting& setting);
  // View > "Night vision" (Ctrl+N): every window dark red on black, remembered.
  void ConnectNightVision();
  void NightVision1Click(bool on);
  // The menu of that title on the menu bar (added when there is none).
  QMenu* MenuTitled(const QString& title) const;

  // The chart: computes the moment and draws the data block and, with drawSky, the sky into
  // the paint box's picture.
  void FormPaint();
  // Layout of the decorations and the window's size against the screen.
  void FormShow();
  void FormResize();

  void BuildToolBar(QWidget* parent);
  void BuildButtonBar(QWidget* parent);
  void BuildMenus();
  void BuildSetPopup();
  void BuildDecorations(QWidget* parent);
  void ConnectInputs();
  void ConnectSetMenu();
  void ConnectPrint();
  void ConnectLists();
  void ConnectStarFinder();
  void ShowTableWindow(QDialog& window);
  void ConnectMemory();
  void ConnectAnimation();
  void ConnectEphemeris();
  void ConnectPicking();
  void ConnectGps();
  void ConnectHelp();
  // main_window_sights.cpp: Action > "Sights..." and the "Sights" button open the Sights window.
  void ConnectSights();
  void SightsButtonClick();
  // The fix the Sights window gave (with the DR it was reduced from): sent to the chart
  // plotters when the fix out is on, and kept for File > "Export GPX..." (Ctrl+Shift+G).
  void TakeSightsFix(const SightLogReduction& reduction, const DeadReckoning& dr);
  // An identify row's named bodies ringed (none: no rings); named ones move the chart, still,
  // to the row's UT and DR (degrees, north and WEST positive).
  void RingIdentifiedBody(DateTime utc, const DrPosition& dr, const std::vector<int>& named);
  void ConnectGpxExport();
  void ExportGpx1Click();
  void Initialize();
  void StopAtCurrentTime();
  void PlaceDecorations(double logoLeft, double wheelTop, double labelLeft);
  void JumpToSunEvent(double BodyEphemeris::*event, SunEventKind kind);
  // Reads a DR position field with `read`: the degrees into `degrees` and the corrected text
  // back into the field, true; a text that is not a number is reported once (`reported` keeps
  // the record) and changes nothing, false.
  bool TakePositionField(QLineEdit* field, PositionFieldReading (*read)(const std::string&),
                         bool& reported, double& degrees);

  BodyCatalog& catalog_;
  SunEventsRecord& events_;
  const MainWindowServices services_;  // every one set (checked on creation)
  MessagePresenter* const presenter_;  // services_.presenter
  ObserverState observer_;
  std::unique_ptr<GpsController> gps_;  // after the clock it reads: destroyed first
  std::unique_ptr<NetworkFixOut> fixOut_;
  FixOutSetting fixOutSetting_;
  std::string lastFixGpx_;  // the last fix from the sights as a GPX document; empty: none yet
  MainWindowControls controls_;
  TableWindows tables_;  // the list's and the almanac's settings for the whole run
  QTimer* timer1_ = nullptr;  // the animation's tick, "Timer1"
  ChartPass lastPass_;
  int paintCount_ = 0;
  int dailyRunCount_ = 0;
  bool latitudeReported_ = false;   // the latitude field's "not a number" is on record
  bool longitudeReported_ = false;  // likewise the longitude field's
  bool watchLogProblemShown_ = false;  // a watch log that cannot be kept is told once
  bool narrowLayout_ = false;  // snapped to the narrowest size: small font, decorations moved
};

}  // namespace nocturna
