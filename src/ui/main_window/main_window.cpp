#include "ui/main_window/main_window.h"

#include <QAction>
#include <QDateEdit>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

#include "foundations/text_forms.h"
#include "gps/gps_controller.h"
#include "ui/gps_settings/network_fix_out.h"
#include "ui/chart_drawing/decorations.h"
#include "ui/main_window/section_typing.h"
#include "ui/chart_drawing/sky_paint_box.h"

namespace nocturna {

namespace {

const QColor kAqua(0, 255, 255);
const QColor kSkyBlue(166, 202, 240);
const QColor kHotTrack(0, 102, 204);
constexpr int kToolBarHeight = 22;
constexpr int kButtonBarHeight = 23;

void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
  if (role == QPalette::Window) widget->setAutoFillBackground(true);
}

QLabel* MakePanel(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                  int x, int width) {
  auto* panel = new QLabel(caption, parent);
  panel->setObjectName(QLatin1String(name));
  panel->setToolTip(hint);
  panel->setAlignment(Qt::AlignCenter);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(x, 0, width, kToolBarHeight);
  Paint(panel, QPalette::Window, parent->palette().color(QPalette::Button));
  return panel;
}

QPushButton* MakeBarButton(QWidget* parent, const char* name, const QString& caption,
                           const QString& hint, int x) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(hint);
  button->setGeometry(x, 1, 65, 21);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

// The zone date and time with their captions.
void AddDateAndTimeFields(QWidget* bar, MainWindowControls& c) {
  c.datePanel =
      MakePanel(bar, "DatePanel", QStringLiteral("Date"), QStringLiteral("Zone date."), 8, 33);
  Paint(c.datePanel, QPalette::Window, kSkyBlue);

  auto* datePicker = new TypedDateEdit(bar);
  datePicker->setObjectName(QStringLiteral("StarDatePicker"));
  datePicker->setToolTip(QStringLiteral("Enter the zone date."));
  datePicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  datePicker->setCalendarPopup(true);
  // The years the calendar arithmetic holds.
  datePicker->setDateRange(QDate(1901, 1, 1), QDate(2099, 12, 31));
  datePicker->setGeometry(41, 0, 88, kToolBarHeight);
  Paint(datePicker, QPalette::Base, kAqua);
  c.starDatePicker = datePicker;

  c.zoneTimePanel =
      MakePanel(bar, "zonetime", QStringLiteral("ZT"), QStringLiteral("Zone Time"), 137, 25);

  auto* timePicker = new TypedTimeEdit(bar);
  timePicker->setObjectName(QStringLiteral("StarTimePicker"));
  timePicker->setToolTip(QStringLiteral("Enter the zone time."));
  timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  timePicker->setGeometry(162, 0, 97, kToolBarHeight);
  Paint(timePicker, QPalette::Base, kAqua);
  c.starTimePicker = timePicker;
}

// The zone description and the dead-reckoning position.
void AddZoneAndPositionFields(QWidget* bar, MainWindowControls& c) {
  c.zoneDescriptionPanel = MakePanel(bar, "zonedescription", QStringLiteral("ZD"),
                                     QStringLiteral("Zone description."), 267, 25);

  auto* zd = new QSpinBox(bar);
  zd->setObjectName(QStringLiteral("ZDEdit"));
  zd->setToolTip(QStringLiteral("Change the zone description."));
  zd->setRange(-12, 12);
  zd->setGeometry(292, 0, 41, kToolBarHeight);
  Paint(zd, QPalette::Base, QColor(71, 244, 16));
  c.zdEdit = zd;

  // Qt's mask letters: '0' an optional digit, '9' a required one, 'A' a required letter,
  // '>' upper case; the literal words escape the letters that are mask characters.
  auto* latitude = new QLineEdit(bar);
  latitude->setObjectName(QStringLiteral("Latitude"));
  latitude->setToolTip(QStringLiteral("Enter the DR latitude."));
  latitude->setInputMask(QStringLiteral("L\\atitu\\de 09\u00B099.9'>A;_"));
  latitude->setGeometry(341, 0, 97, kToolBarHeight);
  Paint(latitude, QPalette::Base, kAqua);
  c.latitude = latitude;

  auto* longitude = new QLineEdit(bar);
  longitude->setObjectName(QStringLiteral("Longitude"));
  longitude->setToolTip(QStringLiteral("Enter the DR longitude."));
  longitude->setInputMask(QStringLiteral("Lo\\ngitu\\de 099\u00B099.9'>A;_"));
  longitude->setGeometry(449, 0, 113, kToolBarHeight);
  Paint(longitude, QPalette::Base, kAqua);
  c.longitude = longitude;
}

void AddGpsButtons(QWidget* bar, MainWindowControls& c) {
  auto* gps = new QPushButton(QStringLiteral("Start GPS"), bar);
  gps->setObjectName(QStringLiteral("SpeedGPS"));
  gps->setCheckable(true);
  gps->setFont(QFont(QStringLiteral("Tahoma"), 8));
  gps->setGeometry(570, 0, 111, kToolBarHeight);
  Paint(gps, QPalette::ButtonText, Qt::red);
  c.speedGps = gps;

  auto* gpsTime = new QPushButton(QStringLiteral("GPS Time"), bar);
  gpsTime->setObjectName(QStringLiteral("GPSTimeBtn"));
  gpsTime->setGeometry(689, 0, 88, kToolBarHeight);
  gpsTime->setEnabled(false);
  c.gpsTimeButton = gpsTime;
}

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  return action;
}

// One item of a main menu: its object name, caption and the control that keeps it.
struct MenuItem {
  const char* name;
  const char* caption;
  QAction* MainWindowControls::*control;
};
constexpr MenuItem kSeparator{nullptr, nullptr, nullptr};

QMenu* AddMenu(QMenuBar* bar, const char* caption, std::initializer_list<MenuItem> items,
               MainWindowControls& controls) {
  QMenu* menu = bar->addMenu(QString::fromLatin1(caption));
  for (const MenuItem& item : items) {
    if (item.name == nullptr) {
      menu->addSeparator();
    } else {
      controls.*item.control = AddItem(menu, item.name, QString::fromLatin1(item.caption));
    }
  }
  return menu;
}

// The usual keys of a desktop program; the captions stay as they are, the menu shows the key.
void SetMenuShortcuts(MainWindowControls& c) {
  c.contents->setShortcut(QKeySequence(Qt::Key_F1));
  c.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  c.printAlmanacPages->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
  c.exportGpx->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+G")));
  c.savePosition->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  c.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  c.preciseEphemeris->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
  c.dut1->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+D")));
}

// Alt and the letter open the menu, for captions without an access key of their own.
void OpenWithAltLetter(QWidget* window, QMenuBar* bar, QMenu* menu, Qt::Key letter) {
  QObject::connect(new QShortcut(QKeySequence(Qt::ALT | letter), window), &QShortcut::activated,
                   bar, [bar, menu] { bar->setActiveAction(menu->menuAction()); });
}

// The services after the check that every one is there.
MainWindowServices Checked(MainWindowServices services) {
  if (const char* missing = MissingMainWindowService(services)) {
    throw std::invalid_argument(std::string("MainWindowServices: no ") + missing);
  }
  return services;
}

}  // namespace

const char* MissingMainWindowService(const MainWindowServices& services) {
  if (services.presenter == nullptr) return "presenter";
  if (!services.clock) return "clock";
  if (!services.readHomePosition) return "readHomePosition";
  if (!services.saveHomePosition) return "saveHomePosition";
  if (!services.printDialog) return "printDialog";
  if (!services.serialDevices) return "serialDevices";
  if (services.systemClock == nullptr) return "systemClock";
  return nullptr;
}

TForm1::TForm1(BodyCatalog& catalog, SunEventsRecord& events, MainWindowServices services,
               QWidget* parent)
    : QMainWindow(parent),
      catalog_(catalog),
      events_(events),
      services_(Checked(std::move(services))),
      presenter_(services_.presenter) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Nocturna"));
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  Paint(this, QPalette::Window, Qt::white);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  BuildToolBar(client);
  BuildButtonBar(client);
  controls_.skyPaintBox = new SkyPaintBox([this] { FormPaint(); }, client);
  column->addWidget(controls_.toolBar);
  column->addWidget(controls_.buttonBar);
  column->addWidget(controls_.skyPaintBox, 1);
  setCentralWidget(client);
  BuildDecorations(client);
  BuildMenus();
  resize(790, 333 + menuBar()->sizeHint().height());

  ConnectInputs();
  ConnectSetMenu();
  ConnectPrint();
  ConnectLists();
  ConnectStarFinder();
  ConnectMemory();
  ConnectAnimation();
  ConnectEphemeris();
  ConnectPicking();
  ConnectGps();
  ConnectGpsSettings();
  ConnectNightVision();
  ConnectHelp();
  ConnectSights();
  ConnectGpxExport();
  Initialize();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::BuildToolBar(QWidget* parent) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setFixedHeight(kToolBarHeight);
  Paint(bar, QPalette::Window, kHotTrack);
  controls_.toolBar = bar;
  AddDateAndTimeFields(bar, controls_);
  AddZoneAndPositionFields(bar, controls_);
  AddGpsButtons(bar, controls_);
  for (QWidget* w : {static_cast<QWidget*>(controls_.datePanel),
                     static_cast<QWidget*>(controls_.zoneTimePanel),
                     static_cast<QWidget*>(controls_.starTimePicker)}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
  }
}

void TForm1::BuildButtonBar(QWidget* parent) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(QStringLiteral("ButtonPanel"));
  bar->setFixedHeight(kButtonBarHeight);
  Paint(bar, QPalette::Window, palette().color(QPalette::Highlight));
  controls_.buttonBar = bar;
  MainWindowControls& c = controls_;
  c.animateButton = MakeBarButton(bar, "AnimateButton", QStringLiteral("Animate"),
                                  QStringLiteral("Display sky in real time animaton"), 8);
  c.animateButton->setCheckable(true);
  c.homeButton = MakeBarButton(bar, "HomeButton", QStringLiteral("Home"),
                               QStringLiteral("Set to default lat and lon."), 80);
  c.nowButton = MakeBarButton(bar, "NowButton", QStringLiteral("Now"),
                              QStringLiteral("Set current time and date"), 153);
  c.lanButton = MakeBarButton(bar, "LANButton", QStringLiteral("LAN"),
                              QStringLiteral("Local Apparent Noon"), 225);
  c.riseButton =
      MakeBarButton(bar, "RiseButton", QStringLiteral("Rise"), QStringLiteral("Sunrise"), 298);
  c.setButton =
      MakeBarButton(bar, "SetButton", QStringLiteral("Set"), QStringLiteral("Sunset"), 371);
  c.dawnButton = MakeBarButton(bar, "DawnButton", QStringLiteral("Dawn"),
                               QStringLiteral("AM Civil Twilight"), 443);
  c.duskButton = MakeBarButton(bar, "DuskButton", QStringLiteral("Dusk"),
                               QStringLiteral("PMCivil Twilight"), 516);
  c.hcZnButton = MakeBarButton(bar, "HcZnButton", QStringLiteral("Hc-Zn"),
                               QStringLiteral("Display list of visible bodies"), 588);
  c.almanacButton = MakeBarButton(bar, "AlmanacButton", QStringLiteral("Almanac"),
                                  QStringLiteral("Opens nautical almanac"), 661);
  c.rotateButton = MakeBarButton(bar, "RotateButton", QStringLiteral("N<->S"),
                                 QStringLiteral("Rotate sky 180 degrees"), 734);
  c.flipEwButton = MakeBarButton(bar, "FlipEWButton", QStringLiteral("E<->W"),
                                 QStringLiteral("Flip East and West"), 806);
  c.brightButton = MakeBarButton(bar, "BrightButton", QStringLiteral("Bright"),
                                 QStringLiteral("Show only first magnitude above 15 degrees."), 879);
  c.brightButton->setCheckable(true);
  c.printButton =
      MakeBarButton(bar, "PrintBtn", QStringLiteral("Print"), QStringLiteral("Print sky chart."), 952);
  c.starFinderButton = MakeBarButton(bar, "StarFinderButton", QStringLiteral("Finder"),
                                     QStringLiteral("Stars to shoot at twilight"), 1024);
}

void TForm1::BuildMenus() {
  MainWindowControls& c = controls_;
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  using C = MainWindowControls;
  AddMenu(bar, "&File",
          {{"OpenList1", "&Open List", &C::openList},
           {"OpenAlmanac1", "Open Almanac", &C::openAlmanac},
           {"SavePosition", "&Save", &C::savePosition},
           kSeparator,
           {"Print1", "&Print...", &C::print},
           {"PrintAlmanacPages1", "Print Almanac Pa&ges...", &C::printAlmanacPages},
           {"ExportGpx1", "&Export GPX...", &C::exportGpx},
           kSeparator,
           {"Exit1", "E&xit", &C::exit}},
          c);
  QMenu* action = AddMenu(bar, "Action",
                          {{"Run1", "Run", &C::run},
                           {"Stop1", "Stop", &C::stop},
                           {"Reset1", "Reset", &C::reset},
                           {"RotateNS1", "Rotate N-S", &C::rotateNs},
                           {"FlipEW1", "Flip E-W", &C::flipEw},
                           {"StarFinder1", "Star &Finder...", &C::starFinder}},
                          c);
  QMenu* set = AddMenu(bar, "Set",
                       {{"Now1", "Now", &C::now},
                        {"Sunrise1", "Sunrise", &C::sunrise},
                        {"AMCivTwi1", "AMCivTwi", &C::amCivTwi},
                        {"AMNautTwi1", "AMNautTwi", &C::amNautTwi},
                        {"AMPVC1", "AMPVC", &C::amPvc},
                        {"Sunset1", "Sunset", &C::sunset},
                        {"PMCivTwi1", "PMCivTwi", &C::pmCivTwi},
                        {"PMNautTwi1", "PMNautTwi", &C::pmNautTwi},
                        {"PMPVC1", "PMPVC", &C::pmPvc},
                        {"Meridian", "Meridian", &C::meridian}},
                       c);
  AddMenu(bar, "&Help",
          {{"Contents1", "&Contents", &C::contents},
           {"SearchforHelpOn1", "&Search for Help On...", &C::searchForHelpOn},
           {"HowtoUseHelp1", "&How to Use Help", &C::howToUseHelp},
           {"About1", "&About...", &C::about}},
          c);
  c.howToUseHelp->setEnabled(false);  // no command behind it
  QMenu* view = AddMenu(bar, "View",
                        {{"BrightStars1", "Bright Stars", &C::brightStars},
                         {"ShowAll1", "Show All", &C::showAll},
                         {"PreciseEphemeris1", "Precise ephemeris", &C::preciseEphemeris},
                         {"Dut1Setting1", "DUT1...", &C::dut1}},
                        c);
  c.preciseEphemeris->setCheckable(true);
  SetMenuShortcuts(c);
  // "&File" and "&Help" carry their access keys in the caption; the other menus' captions have
  // none, so Alt and the first letter open them.
  OpenWithAltLetter(this, bar, action, Qt::Key_A);
  OpenWithAltLetter(this, bar, set, Qt::Key_S);
  OpenWithAltLetter(this, bar, view, Qt::Key_V);
  connect(c.printAlmanacPages, &QAction::triggered, this, &TForm1::PrintAlmanacPagesClick);
  BuildSetPopup();
}

void TForm1::BuildSetPopup() {
  struct PopupItem {
    const char* name;
    const char* caption;
    void (TForm1::*slot)();
  };
  const PopupItem items[] = {
      {"PopupNow", "Now", &TForm1::Now1Click},
      {"PopupSunrise", "Sunrise", &TForm1::Sunrise1Click},
      {"PopupAmCivTwi", "AmCivTwi", &TForm1::AMCivTwi1Click},
      {"PopupAmNautTwi", "AmNautTwi", &TForm1::AMNautTwi1Click},
      {"PopupSunset", "Sunset", &TForm1::Sunset1Click},
      {"PopupPMCivTwi", "PMCivTwi", &TForm1::PMCivTwi1Click},
      {"PopupPMNautTwi", "PMNautTwi", &TForm1::PMNautTwi1Click},
  };
  QMenu* popup = new QMenu(this);
  popup->setObjectName(QStringLiteral("PopupSetMenu"));
  controls_.popupSetMenu = popup;
  for (const PopupItem& item : items) {
    connect(AddItem(popup, item.name, QString::fromLatin1(item.caption)), &QAction::triggered,
            this, item.slot);
  }
  for (QWidget* owner : {static_cast<QWidget*>(controls_.datePanel),
                         static_cast<QWidget*>(controls_.zoneTimePanel),
                         static_cast<QWidget*>(controls_.starTimePicker)}) {
    connect(owner, &QWidget::customContextMenuRequested, this,
            [popup, owner](const QPoint& at) { popup->popup(owner->mapToGlobal(at)); });
  }
}

void TForm1::BuildDecorations(QWidget* parent) {
  auto* logo = new QLabel(parent);
  logo->setObjectName(QStringLiteral("Logo"));
  logo->setPixmap(NocturnaLogo());
  logo->adjustSize();
  controls_.logo = logo;

  auto* wheel = new QLabel(parent);
  wheel->setObjectName(QStringLiteral("VarloWheel"));
  wheel->setPixmap(NocturnaEmblem(113));
  wheel->setScaledContents(true);
  wheel->resize(113, 113);
  controls_.varloWheel = wheel;

  auto* notice = new QLabel(PublisherNotice(), parent);
  notice->setObjectName(QStringLiteral("VarloLabel"));
  notice->setAlignment(Qt::AlignCenter);
  notice->setWordWrap(true);
  QFont bold(QStringLiteral("MS Sans Serif"), 8);
  bold.setBold(true);
  notice->setFont(bold);
  Paint(notice, QPalette::WindowText, QColor(0, 0, 128));
  notice->resize(250, 26);
  controls_.varloLabel = notice;
  for (QLabel* decoration : {logo, wheel, notice}) {
    decoration->setAttribute(Qt::WA_TransparentForMouseEvents);
    decoration->raise();
  }
}

// Window creation: the home position (or 42°N 75°W), its zone description, the clock's UT and
// the zone time in the pickers. Input handlers run while the fields get their first values but
// paint nothing until the window is built (staticTime is still false).
void TForm1::Initialize() {
  DrPosition home;
  if (!services_.readHomePosition(home)) home = DrPosition{42.0, 75.0};
  observer_.drPosition = home;
  if (services_.readPreciseEphemeris && services_.readPreciseEphemeris()) {
    observer_.ephemeris.kind = EphemerisKind::precise;
    controls_.preciseEphemeris->setChecked(true);
  }
  TakeRememberedDut1();
  observer_.zoneDescription = ZoneDescriptionFromLongitude(home);
  ShowZoneDescription(observer_.zoneDescription);
  observer_.SetUniversalTime(CurrentUniversalTime());
  WritePositionTexts(FormatLatitude(home.latitude), FormatLongitude(home.longitude));
  ShowZoneTimeInPickers();
  observer_.staticTime = true;
}

ChartGeometry TForm1::ScreenGeometry() const {
  return ScreenChartGeometry(controls_.skyPaintBox->width(), controls_.skyPaintBox->height(),
                             width());
}

}  // namespace nocturna
