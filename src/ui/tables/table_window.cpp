#include "ui/tables/table_window.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tables/table_window_parts.h"

namespace nocturna {

TableWindow::TableWindow(const char* name, const QString& title, int width, int height,
                         const BodyCatalog& catalog, const ObserverState& observer,
                         const ChartPass& lastPass, PrinterChoice choosePrinter,
                         MessagePresenter& presenter, QWidget* parent)
    : QDialog(parent),
      catalog_(catalog),
      observer_(observer),
      lastPass_(lastPass),
      choosePrinter_(std::move(choosePrinter)),
      presenter_(presenter) {
  setObjectName(QLatin1String(name));
  setWindowTitle(title);
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setModal(true);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
  setFixedSize(width, height);
}

void TableWindow::AddPrintButton(QWidget* panel, int x) {
  QPushButton* print =
      MakePanelButton(panel, "PrintBtn", QStringLiteral("Print"), QString(), x, 48);
  connect(print, &QPushButton::clicked, this, &TableWindow::PrintBtnClick);
}

void TableWindow::StackParts(std::initializer_list<QWidget*> parts) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  int left = static_cast<int>(parts.size());
  for (QWidget* part : parts) column->addWidget(part, --left == 0 ? 1 : 0);
}

void TableWindow::PrintBtnClick() { PrintDocument(Document(), *this, choosePrinter_, presenter_); }

}  // namespace nocturna
