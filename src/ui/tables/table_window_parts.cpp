#include "ui/tables/table_window_parts.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextEdit>

#include "ui/main_window/latin1_text.h"

namespace nocturna {

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QLabel* MakeTitlePanel(QWidget* parent, const char* name, const QString& caption, int height,
                       const QColor& background, const QColor& text) {
  auto* panel = new QLabel(caption, parent);
  panel->setObjectName(QLatin1String(name));
  panel->setFixedHeight(height);
  panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  panel->setIndent(4);
  panel->setTextFormat(Qt::PlainText);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  // Where "Arial Black" is missing, its substitute at the heaviest weight looks like it.
  panel->setFont(QFont(QStringLiteral("Arial Black"), 10, QFont::Black));
  SetBackground(panel, background);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::WindowText, text);
  panel->setPalette(palette);
  return panel;
}

QPushButton* MakePanelButton(QWidget* panel, const char* name, const QString& caption,
                             const QString& hint, int x, int width) {
  auto* button = new QPushButton(caption, panel);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(hint);
  button->setFont(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Normal));
  button->setAutoDefault(false);
  button->setGeometry(x, 2, width, panel->height() - 4);
  return button;
}

QTextEdit* MakeHeadingText(QWidget* parent, const char* name, int height, bool wordWrap) {
  auto* edit = new QTextEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setReadOnly(true);
  edit->setFixedHeight(height);
  edit->setLineWrapMode(wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->document()->setDocumentMargin(1);
  return edit;
}

void WriteHeadingLines(QTextEdit* edit, const std::vector<ColouredLine>& lines) {
  edit->clear();
  QTextCursor cursor(edit->document());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setForeground(lines[i].colour);
    cursor.insertText(FromLatin1(lines[i].text), format);
  }
  edit->moveCursor(QTextCursor::Start);
}

QTableWidget* MakeReportView(QWidget* parent, const char* name, const QStringList& headings,
                             const std::vector<int>& widths) {
  auto* view = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  view->setObjectName(QLatin1String(name));
  view->setShowGrid(true);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setWordWrap(false);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 3);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QHeaderView* header = view->horizontalHeader();
  header->setSectionsClickable(true);
  header->setHighlightSections(false);
  for (int column = 0; column < static_cast<int>(headings.size()); ++column) {
    auto* item = new QTableWidgetItem(headings[column]);
    item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    view->setHorizontalHeaderItem(column, item);
    const int width = column < static_cast<int>(widths.size()) ? widths[column] : 0;
    if (width > 0) {
      header->resizeSection(column, width);
    } else {
      header->setSectionResizeMode(column, QHeaderView::Stretch);
    }
  }
  return view;
}

void FillReportView(QTableWidget* view, const std::vector<TableRow>& rows) {
  view->clearContents();
  view->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    for (int column = 0; column < view->columnCount() && column < kTableColumnCount; ++column) {
      auto* item = new QTableWidgetItem(FromLatin1(rows[r].cells[column]));
      item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      view->setItem(r, column, item);
    }
  }
}

std::vector<std::vector<std::string>> ReportViewTexts(const QTableWidget* view) {
  std::vector<std::vector<std::string>> texts;
  for (int r = 0; r < view->rowCount(); ++r) {
    std::vector<std::string> row;
    for (int column = 0; column < view->columnCount(); ++column) {
      const QTableWidgetItem* item = view->item(r, column);
      row.push_back(item ? ToLatin1(item->text()) : std::string());
    }
    texts.push_back(row);
  }
  return texts;
}

}  // namespace nocturna
