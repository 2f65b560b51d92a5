#include "ui/tables/almanac_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include "ui/main_window/latin1_text.h"
#include "ui/tables/table_window_parts.h"

namespace nocturna {
namespace {

constexpr int kClientWidth = 301;
constexpr int kClientHeight = 579;
constexpr int kPanelHeight = 25;
constexpr int kHeadingHeight = 48;
constexpr int kStarViewHeight = 424;
constexpr int kAngleColumn = 1;
const QColor kSilver(192, 192, 192);
const QColor kPanelBlue(0, 0, 255);

// The button names the other mode, the one a click gives.
QString ModeCaption(AlmanacMode mode) {
  return mode == AlmanacMode::Gha ? QStringLiteral("SHA") : QStringLiteral("GHA");
}

}  // namespace

TAlmanacForm::TAlmanacForm(const BodyCatalog& catalog, const ObserverState& observer,
                           const ChartPass& lastPass, AlmanacSettings& settings,
                           PrinterChoice choosePrinter, MessagePresenter& presenter,
                           QWidget* parent)
    : TableWindow("AlmanacForm", QStringLiteral("Almanac"), kClientWidth, kClientHeight, catalog,
                  observer, lastPass, std::move(choosePrinter), presenter, parent),
      settings_(settings) {
  QLabel* panel = MakeTitlePanel(this, "Panel2", QStringLiteral("Stars & Planets"), kPanelHeight,
                                 kPanelBlue, kSilver);
  modeButton_ = MakePanelButton(panel, "ModeButton", ModeCaption(settings_.mode),
                                QStringLiteral("Toggle GHA/SHA."), 150, 45);
  // Silver text on the panel's blue, so the caption reads like the panel's.
  QPalette silverText = modeButton_->palette();
  silverText.setColor(QPalette::ButtonText, kSilver);
  silverText.setColor(QPalette::Button, kPanelBlue);
  modeButton_->setPalette(silverText);
  AddPrintButton(panel, 197);
  QPushButton* close =
      MakePanelButton(panel, "CloseBitBtn", QStringLiteral("&Close"), QString(), 247, 50);
  stars_ = MakeHeadingText(this, "Stars", kHeadingHeight, false);
  starView_ = MakeReportView(this, "StarView",
                             {QStringLiteral("Stars"), QStringLiteral("SHA"),
                              QStringLiteral("Declination"), QStringLiteral("Mag")},
                             {80, 75, 75, 0});
  starView_->setFixedHeight(kStarViewHeight);
  planetView_ = MakeReportView(this, "PlanetView",
                               {QStringLiteral("Planets"), QStringLiteral("SHA"),
                                QStringLiteral("Declination"), QStringLiteral("Mag")},
                               {80, 75, 75, 0});
  QPalette red = planetView_->palette();
  red.setColor(QPalette::Text, Qt::red);
  planetView_->setPalette(red);

  StackParts({panel, stars_, starView_, planetView_});

  connect(modeButton_, &QPushButton::clicked, this, &TAlmanacForm::ModeButtonClick);
  connect(close, &QPushButton::clicked, this, &TAlmanacForm::CloseBitBtnClick);
  connect(starView_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TAlmanacForm::StarViewColumnClick);
  StarsEnter();
}

void TAlmanacForm::StarsEnter() {
  shown_ = BuildAlmanacPage(catalog_, lastPass_.moment, observer_.zoneDescription,
                            observer_.drPosition, settings_.mode);
  WriteHeadingLines(stars_, {{shown_.dateLine, QColor(0, 0, 255)},
                             {shown_.positionLine, QColor(0, 128, 0)},
                             {shown_.ghaAriesLine, QColor(0, 128, 0)}});
  const QString heading = FromLatin1(shown_.angleHeading);
  starView_->horizontalHeaderItem(kAngleColumn)->setText(heading);
  planetView_->horizontalHeaderItem(kAngleColumn)->setText(heading);
  FillReportView(starView_, shown_.stars);
  FillReportView(planetView_, shown_.planets);
}

void TAlmanacForm::ModeButtonClick() {
  settings_.mode = settings_.mode == AlmanacMode::Gha ? AlmanacMode::Sha : AlmanacMode::Gha;
  modeButton_->setText(ModeCaption(settings_.mode));
  StarsEnter();
}

void TAlmanacForm::StarViewColumnClick(int column) {
  settings_.sortColumn = column;
  SortTableRows(shown_.stars, column);
  FillReportView(starView_, shown_.stars);
}

void TAlmanacForm::CloseBitBtnClick() { close(); }

}  // namespace nocturna
