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

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  return action;
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
  Initialize();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::BuildToolBar(QWidget* parent) {
  auto* bar = new QWidget(parent);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setFixedHeight(kToolBarHeight);
  Paint(bar, QPalette::Window, kHotTrack);
  controls_.toolBar = bar;

  controls_.datePanel =
      MakePanel(bar, "DatePanel", QStringLiteral("Date"), QStringLiteral("Zone date."), 8, 33);
  Paint(controls_.datePanel, QPalette::Window, kSkyBlue);

  auto* datePicker = new TypedDateEdit(bar);
  datePicker->setObjectName(QStringLiteral("StarDatePicker"));
  datePicker->setToolTip(QStringLiteral("Enter the zone date."));
  datePicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  datePicker->setCalendarPopup(true);
  // The years the calendar arithmetic holds.
  datePicker->setDateRange(QDate(1901, 1, 1), QDate(2099, 12, 31));
  datePicker->setGeometry(41, 0, 88, kToolBarHeight);
  Paint(datePicker, QPalette::Base, kAqua);
  controls_.starDatePicker = datePicker;

  controls_.zoneTimePanel =
      MakePanel(bar, "zonetime", QStringLiteral("ZT"), QStringLiteral("Zone Time"), 137, 25);

  auto* timePicker = new TypedTimeEdit(bar);
  timePicker->setObjectName(QStringLiteral("StarTimePicker"));
  timePicker->setToolTip(QStringLiteral("Enter the zone time."));
  timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  timePicker->setGeometry(162, 0, 97, kToolBarHeight);
  Paint(timePicker, QPalette::Base, kAqua);
  controls_.starTimePicker = timePicker;

  controls_.zoneDescriptionPanel = MakePanel(bar, "zonedescription", QStringLiteral("ZD"),
                                             QStringLiteral("Zone description."), 267, 25);

  auto* zd = new QSpinBox(bar);
  zd->setObjectName(QStringLiteral("ZDEdit"));
  zd->setToolTip(QStringLiteral("Change the zone description."));
  zd->setRange(-12, 12);
  zd->setGeometry(292, 0, 41, kToolBarHeight);
  Paint(zd, QPalette::Base, QColor(71, 244, 16));
  controls_.zdEdit = zd;

  // Qt's mask letters: '0' an optional digit, '9' a required one, 'A' a required letter,
  // '>' upper case; the literal words escape the letters that are mask characters.
  auto* latitude = new QLineEdit(bar);
  latitude->setObjectName(QStringLiteral("Latitude"));
  latitude->setToolTip(QStringLiteral("Enter the DR latitude."));
  latitude->setInputMask(QStringLiteral("L\\atitu\\de 09\u00B099.9'>A;_"));
  latitude->setGeometry(341, 0, 97, kToolBarHeight);
  Paint(latitude, QPalette::Base, kAqua);
  controls_.latitude = latitude;

  auto* longitude = new QLineEdit(bar);
  longitude->setObjectName(QStringLiteral("Longitude"));
  longitude->setToolTip(QStringLiteral("Enter the DR longitude."));
  longitude->setInputMask(QStringLiteral("Lo\\ngitu\\de 099\u00B099.9'>A;_"));
  longitude->setGeometry(449, 0, 113, kToolBarHeight);
  Paint(longitude, QPalette::Base, kAqua);
  controls_.longitude = longitude;

  auto* gps = new QPushButton(QStringLiteral("Start GPS"), bar);
  gps->setObjectName(QStringLiteral("SpeedGPS"));
  gps->setCheckable(true);
  gps->setFont(QFont(QStringLiteral("Tahoma"), 8));
  gps->setGeometry(570, 0, 111, kToolBarHeight);
  Paint(gps, QPalette::ButtonText, Qt::red);
  controls_.speedGps = gps;

  auto* gpsTime = new QPushButton(QStringLiteral("GPS Time"), bar);
  gpsTime->setObjectName(QStringLiteral("GPSTimeBtn"));
  gpsTime->setGeometry(689, 0, 88, kToolBarHeight);
  gpsTime->setEnabled(false);
  controls_.gpsTimeButton = gpsTime;

  for (QWidget* w : {static_cast<QWidget*>(controls_.datePanel),
                     static_cast<QWidget*>(controls_.zoneTimePanel),
                     static_cast<QWidget*>(timePicker)}) {
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

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  c.openList = AddItem(file, "OpenList1", QStringLiteral("&Open List"));
  c.openAlmanac = AddItem(file, "OpenAlmanac1", QStringLiteral("Open Almanac"));
  c.savePosition = AddItem(file, "SavePosition", QStringLiteral("&Save"));
  file->addSeparator();
  c.print = AddItem(file, "Print1", QStringLiteral("&Print..."));
  QAction* pages = AddItem(file, "PrintAlmanacPages1", QStringLiteral("Print Almanac Pa&ges..."));
  pages->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
  connect(pages, &QAction::triggered, this, &TForm1::PrintAlmanacPagesClick);
  file->addSeparator();
  c.exit = AddItem(file, "Exit1", QStringLiteral("E&xit"));

  QMenu* action = bar->addMenu(QStringLiteral("Action"));
  c.run = AddItem(action, "Run1", QStringLiteral("Run"));
  c.stop = AddItem(action, "Stop1", QStringLiteral("Stop"));
  c.reset = AddItem(action, "Reset1", QStringLiteral("Reset"));
  c.rotateNs = AddItem(action, "RotateNS1", QStringLiteral("Rotate N-S"));
  c.flipEw = AddItem(action, "FlipEW1", QStringLiteral("Flip E-W"));
  c.starFinder = AddItem(action, "StarFinder1", QStringLiteral("Star &Finder..."));

  QMenu* set = bar->addMenu(QStringLiteral("Set"));
  c.now = AddItem(set, "Now1", QStringLiteral("Now"));
  c.sunrise = AddItem(set, "Sunrise1", QStringLiteral("Sunrise"));
  c.amCivTwi = AddItem(set, "AMCivTwi1", QStringLiteral("AMCivTwi"));
  c.amNautTwi = AddItem(set, "AMNautTwi1", QStringLiteral("AMNautTwi"));
  c.amPvc = AddItem(set, "AMPVC1", QStringLiteral("AMPVC"));
  c.sunset = AddItem(set, "Sunset1", QStringLiteral("Sunset"));
  c.pmCivTwi = AddItem(set, "PMCivTwi1", QStringLiteral("PMCivTwi"));
  c.pmNautTwi = AddItem(set, "PMNautTwi1", QStringLiteral("PMNautTwi"));
  c.pmPvc = AddItem(set, "PMPVC1", QStringLiteral("PMPVC"));
  c.meridian = AddItem(set, "Meridian", QStringLiteral("Meridian"));

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  c.contents = AddItem(help, "Contents1", QStringLiteral("&Contents"));
  c.searchForHelpOn = AddItem(help, "SearchforHelpOn1", QStringLiteral("&Search for Help On..."));
  c.howToUseHelp = AddItem(help, "HowtoUseHelp1", QStringLiteral("&How to Use Help"));
  c.howToUseHelp->setEnabled(false);  // no command behind it
  c.about = AddItem(help, "About1", QStringLiteral("&About..."));

  QMenu* view = bar->addMenu(QStringLiteral("View"));
  c.brightStars = AddItem(view, "BrightStars1", QStringLiteral("Bright Stars"));
  c.showAll = AddItem(view, "ShowAll1", QStringLiteral("Show All"));
  c.preciseEphemeris = AddItem(view, "PreciseEphemeris1", QStringLiteral("Precise ephemeris"));
  c.preciseEphemeris->setCheckable(true);
  c.preciseEphemeris->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));

  // The usual keys of a desktop program; the captions stay as they are, the menu shows the key.
  c.contents->setShortcut(QKeySequence(Qt::Key_F1));
  c.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  c.savePosition->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  c.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  // "&File" and "&Help" carry their access keys in the caption; the other menus' captions have
  // none, so Alt and the first letter open them.
  for (auto [menu, letter] : {std::pair{action, Qt::Key_A}, std::pair{set, Qt::Key_S},
                              std::pair{view, Qt::Key_V}}) {
    connect(new QShortcut(QKeySequence(Qt::ALT | letter), this), &QShortcut::activated, bar,
            [bar, menu] { bar->setActiveAction(menu->menuAction()); });
  }

  QMenu* popup = new QMenu(this);
  popup->setObjectName(QStringLiteral("PopupSetMenu"));
  c.popupSetMenu = popup;
  connect(AddItem(popup, "PopupNow", QStringLiteral("Now")), &QAction::triggered, this,
          &TForm1::Now1Click);
  connect(AddItem(popup, "PopupSunrise", QStringLiteral("Sunrise")), &QAction::triggered, this,
          &TForm1::Sunrise1Click);
  connect(AddItem(popup, "PopupAmCivTwi", QStringLiteral("AmCivTwi")), &QAction::triggered, this,
          &TForm1::AMCivTwi1Click);
  connect(AddItem(popup, "PopupAmNautTwi", QStringLiteral("AmNautTwi")), &QAction::triggered,
          this, &TForm1::AMNautTwi1Click);
  connect(AddItem(popup, "PopupSunset", QStringLiteral("Sunset")), &QAction::triggered, this,
          &TForm1::Sunset1Click);
  connect(AddItem(popup, "PopupPMCivTwi", QStringLiteral("PMCivTwi")), &QAction::triggered, this,
          &TForm1::PMCivTwi1Click);
  connect(AddItem(popup, "PopupPMNautTwi", QStringLiteral("PMNautTwi")), &QAction::triggered,
          this, &TForm1::PMNautTwi1Click);
  for (QWidget* owner : {static_cast<QWidget*>(c.datePanel),
                         static_cast<QWidget*>(c.zoneTimePanel),
                         static_cast<QWidget*>(c.starTimePicker)}) {
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
