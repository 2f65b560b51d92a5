#pragma once
// The pieces the visible-bodies list and the almanac window are built from: the title panel
// with its buttons, the bold coloured heading lines and the report-style list views.
#include <QColor>
#include <QStringList>
#include <string>
#include <vector>

#include "navigation/table_rows.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QWidget;

namespace nocturna {

// A panel across the top of a table window, its caption left-aligned in "Arial Black".
QLabel* MakeTitlePanel(QWidget* parent, const char* name, const QString& caption, int height,
                       const QColor& background, const QColor& text);
// Paints a panel's or a view's background.
void SetBackground(QWidget* widget, const QColor& colour);

// A button on a title panel at x, width pixels wide.
QPushButton* MakePanelButton(QWidget* panel, const char* name, const QString& caption,
                             const QString& hint, int x, int width);

// A read-only rich text, `height` pixels high, for the heading lines.
QTextEdit* MakeHeadingText(QWidget* parent, const char* name, int height, bool wordWrap);

struct ColouredLine {
  std::string text;  // Windows-1252
  QColor colour;
};
// Replaces the text by the lines, in bold, each in its colour; the caret at the start.
void WriteHeadingLines(QTextEdit* edit, const std::vector<ColouredLine>& lines);

// A list view in report style with grid lines: one column per heading, of the given widths
// (0: the rest of the view); the first column left-aligned, the others centred.
QTableWidget* MakeReportView(QWidget* parent, const char* name, const QStringList& headings,
                             const std::vector<int>& widths);
// Replaces the rows of the view by the rows' texts (Windows-1252), in order.
void FillReportView(QTableWidget* view, const std::vector<TableRow>& rows);
// The view's texts, row by row, in Windows-1252 (for tests and checks).
std::vector<std::vector<std::string>> ReportViewTexts(const QTableWidget* view);

}  // namespace nocturna
