#include "ui/tables/star_list_form.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include "ui/tables/table_window_parts.h"

namespace nocturna {
namespace {

constexpr int kClientWidth = 286;
constexpr int kClientHeight = 512;
constexpr int kPanelHeight = 25;
constexpr int kHeadingHeight = 48;

// The button names the other form, the one a click gives.
QString DegMinCaption(bool degMin) {
  return degMin ? QString::fromLatin1("dd.d\xB0")
                : QString::fromLatin1(
                      "dd\xB0"
                      "dd.d'");
}

QColor LightColour(LightState light) {
  switch (light) {
    case LightState::Daylight:
      return QColor(0, 255, 255);
    case LightState::Twilight:
      return QColor(0, 0, 255);
    case LightState::NightTime:
      break;
  }
  return QColor(0, 0, 128);
}

}  // namespace

TStarListForm::TStarListForm(const BodyCatalog& catalog, const ObserverState& observer,
                             const ChartPass& lastPass, StarListSettings& settings,
                             PrinterChoice choosePrinter, MessagePresenter& presenter,
                             QWidget* parent)
    : TableWindow("StarListForm", QStringLiteral("Visible Bodies"), kClientWidth, kClientHeight,
                  catalog, observer, lastPass, std::move(choosePrinter), presenter, parent),
      settings_(settings) {
  panel_ = MakeTitlePanel(this, "Panel2", QString(), kPanelHeight,
                          LightColour(LightState::Daylight), Qt::yellow);
  degMinButton_ = MakePanelButton(panel_, "DegMinButton", DegMinCaption(settings_.degMin),
                                  QStringLiteral("Format Hc deg/min."), 120, 58);
  AddPrintButton(panel_, 180);
  QPushButton* close =
      MakePanelButton(panel_, "ListCloseBtn", QStringLiteral("&Close"), QString(), 230, 52);
  headingLines_ = MakeHeadingText(this, "List", kHeadingHeight, true);
  starList_ = MakeReportView(this, "StarList",
                             {QStringLiteral("Visible Bodies"), QStringLiteral("Hc"),
                              QStringLiteral("Zn"), QStringLiteral("Mag")},
                             {80, 65, 65, 55});

  StackParts({panel_, headingLines_, starList_});

  connect(degMinButton_, &QPushButton::clicked, this, &TStarListForm::DegMinButtonClick);
  connect(close, &QPushButton::clicked, this, &TStarListForm::ListCloseBtnClick);
  connect(starList_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TStarListForm::StarListColumnClick);
  StarListEnter();
}

bool TStarListForm::event(QEvent* event) {
  // The list is read again whenever the window becomes active.
  if (event->type() == QEvent::WindowActivate) StarListEnter();
  return TableWindow::event(event);
}

void TStarListForm::StarListEnter() {
  shown_ = BuildVisibleBodiesList(catalog_, lastPass_.moment, observer_.zoneDescription,
                                  observer_.drPosition, settings_.degMin, settings_.sortColumn);
  panel_->setText(QString::fromLatin1(LightStateCaption(shown_.light)));
  SetBackground(panel_, LightColour(shown_.light));
  WriteHeadingLines(headingLines_, {{shown_.dateLine, QColor(0, 0, 255)},
                                    {shown_.positionLine, QColor(0, 128, 0)},
                                    {shown_.lhaAriesLine, QColor(255, 0, 0)}});
  // Daylight rows in orange, the others in black.
  QPalette palette = starList_->palette();
  palette.setColor(QPalette::Text,
                   shown_.light == LightState::Daylight ? QColor(255, 128, 0) : QColor(Qt::black));
  starList_->setPalette(palette);
  FillReportView(starList_, shown_.rows);
  starList_->setVisible(true);
}

void TStarListForm::DegMinButtonClick() {
  settings_.degMin = !settings_.degMin;
  degMinButton_->setText(DegMinCaption(settings_.degMin));
  StarListEnter();
}

void TStarListForm::StarListColumnClick(int column) {
  settings_.sortColumn = column;
  SortTableRows(shown_.rows, column);
  FillReportView(starList_, shown_.rows);
}

void TStarListForm::ListCloseBtnClick() { close(); }

}  // namespace nocturna
