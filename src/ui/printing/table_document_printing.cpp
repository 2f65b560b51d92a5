#include "ui/printing/table_document_printing.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include "ui/main_window/latin1_text.h"

namespace nocturna {

namespace {

constexpr int kTextPoints = 10;
constexpr int kTitlePoints = 14;
constexpr int kFooterPoints = 8;

struct PageFrame {
  double left;
  double unit;  // column unit
  double top;
  double line;  // line height
  double width;
};

PageFrame FrameOf(const QPagedPaintDevice& device) {
  const double w = device.width();
  const double h = device.height();
  return {0.08 * w, w / 120.0, 0.1 * h, h / 55.0, w};
}

QFont Font(int points, bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"), points);
  font.setBold(bold);
  return font;
}

// The line's box: n lines down from the top margin, across the text width.
QRectF LineBox(const PageFrame& frame, int n, double x, double width) {
  return QRectF(x, frame.top + n * frame.line, width, frame.line);
}

void DrawCells(QPainter& painter, const PageFrame& frame, int n, const DocumentTable& table,
               const std::vector<std::string>& cells) {
  double x = frame.left;
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    const DocumentColumn& column = table.columns[c];
    const double width = column.width * frame.unit;
    if (c < cells.size()) {
      const int align = (column.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
      painter.drawText(LineBox(frame, n, x, width), align, FromLatin1(cells[c]));
    }
    x += width;
  }
}

std::vector<std::string> CaptionsOf(const DocumentTable& table) {
  std::vector<std::string> captions;
  for (const DocumentColumn& column : table.columns) captions.push_back(column.caption);
  return captions;
}

double TableWidth(const PageFrame& frame, const DocumentTable& table) {
  double width = 0.0;
  for (const DocumentColumn& column : table.columns) width += column.width * frame.unit;
  return width;
}

void DrawLine(QPainter& painter, const PageFrame& frame, int n, const TableDocument& document,
              const DocumentLine& line) {
  const double textWidth = frame.width - 2 * frame.left;
  switch (line.kind) {
    case DocumentLineKind::Title:
      painter.setFont(Font(kTitlePoints, true));
      painter.drawText(LineBox(frame, n, frame.left, textWidth), Qt::AlignLeft | Qt::AlignVCenter,
                       FromLatin1(document.title));
      break;
    case DocumentLineKind::Heading:
      painter.setFont(Font(kTextPoints, true));
      painter.drawText(LineBox(frame, n, frame.left, textWidth), Qt::AlignLeft | Qt::AlignVCenter,
                       FromLatin1(document.headingLines[line.index]));
      break;
    case DocumentLineKind::Captions: {
      const DocumentTable& table = document.tables[line.table];
      painter.setFont(Font(kTextPoints, true));
      DrawCells(painter, frame, n, table, CaptionsOf(table));
      const QRectF box = LineBox(frame, n, frame.left, TableWidth(frame, table));
      painter.drawLine(box.bottomLeft(), box.bottomRight());
      break;
    }
    case DocumentLineKind::Row: {
      const DocumentTable& table = document.tables[line.table];
      painter.setFont(Font(kTextPoints, false));
      DrawCells(painter, frame, n, table, table.rows[line.index]);
      break;
    }
    case DocumentLineKind::Blank:
      break;
  }
}

}  // namespace

void DrawTableDocument(QPainter& painter, QPagedPaintDevice& device, const TableDocument& document) {
  const std::vector<DocumentPage> pages = PaginateTableDocument(document, kDocumentLinesPerPage);
  const PageFrame frame = FrameOf(device);
  painter.save();
  painter.setPen(QPen(Qt::black, std::max(1.0, frame.line / 40)));
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) device.newPage();
    painter.fillRect(QRectF(0, 0, device.width(), device.height()), Qt::white);
    for (std::size_t n = 0; n < pages[p].size(); ++n) {
      DrawLine(painter, frame, static_cast<int>(n), document, pages[p][n]);
    }
    painter.setFont(Font(kFooterPoints, false));
    const QString footer = QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size());
    painter.drawText(LineBox(frame, kDocumentLinesPerPage + 1, frame.left, frame.width - 2 * frame.left),
                     Qt::AlignRight | Qt::AlignVCenter, footer);
  }
  painter.restore();
}

}  // namespace nocturna
