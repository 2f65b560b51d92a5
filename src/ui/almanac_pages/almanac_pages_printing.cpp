#include "ui/almanac_pages/almanac_pages_printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QRectF>
#include <algorithm>

#include "ui/printing/print_pages.h"

namespace nocturna {
namespace {

// A line's height in terms of the font's pixel size: room for descenders and the rules.
constexpr double kLineSpacing = 1.18;
// Pages with few lines (the title page) keep the lines this far apart at most.
constexpr double kWidestSpacing = 1.6;
constexpr double kTitleScale = 1.25;
constexpr double kHeavyRule = 0.12;  // rule widths as parts of the font's pixel size
constexpr double kThinRule = 0.05;

QFont SheetFont(double pixelSize, bool bold) {
  QFont font(QString::fromLatin1(kAlmanacPagesFont));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
  font.setBold(bold);
  return font;
}

QString CellText(const SheetCell& cell) {
  return cell.symbol == SheetSymbol::none ? QString::fromLatin1(cell.text.c_str())
                                          : QString::fromUtf8(SheetSymbolUtf8(cell.symbol));
}

// A bookmark for each heading the index lists: a section at the top, a month (indented) under it.
std::vector<PdfBookmark> Bookmarks(const std::vector<BookletPage>& pages) {
  std::vector<PdfBookmark> bookmarks;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    for (const std::string& heading : pages[i].headings) {
      const std::size_t start = heading.find_first_not_of(' ');
      bookmarks.push_back({heading.substr(start == std::string::npos ? 0 : start), static_cast<int>(i),
                           start == 0 ? 0 : 1});
    }
  }
  return bookmarks;
}

}  // namespace

void DrawSheet(QPainter& painter, const Sheet& sheet, const QRectF& area) {
  const int lines = std::max<int>(1, static_cast<int>(sheet.lines.size()));
  const int columns = std::max(1, sheet.columns);
  // The advance of a fixed-width digit per pixel of font size, measured at a large size.
  const QFontMetricsF reference(SheetFont(1000, false), painter.device());
  const double advancePerPixel = reference.horizontalAdvance(QLatin1Char('0')) / 1000.0;
  const double pixelSize = std::min(area.width() / columns / advancePerPixel,
                                    area.height() / lines / kLineSpacing);
  const double lineHeight = std::min(area.height() / lines, pixelSize * kWidestSpacing);
  const QFont body = SheetFont(pixelSize, false);
  const QFontMetricsF metrics(body, painter.device());
  const double charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
  const double left = area.left();
  const double ascent = (lineHeight + metrics.ascent() - metrics.descent()) / 2.0;

  for (int i = 0; i < static_cast<int>(sheet.lines.size()); ++i) {
    const SheetLine& line = sheet.lines[i];
    const double top = area.top() + i * lineHeight;
    for (const SheetRule& rule : line.rulesAbove) {
      painter.setPen(QPen(Qt::black, pixelSize * (rule.heavy ? kHeavyRule : kThinRule)));
      painter.drawLine(QPointF(left + rule.fromColumn * charWidth, top),
                       QPointF(left + rule.toColumn * charWidth, top));
    }
    painter.setPen(Qt::black);
    if (line.style == SheetLineStyle::title) {
      const QFont title = SheetFont(pixelSize * kTitleScale, true);
      painter.setFont(title);
      for (const SheetCell& cell : line.cells) {
        const QString text = CellText(cell);
        // Centred on the place the body font would give it, as the title is larger.
        const double centre = left + (cell.column + text.size() / 2.0) * charWidth;
        const double width = QFontMetricsF(title, painter.device()).horizontalAdvance(text);
        painter.drawText(QPointF(centre - width / 2.0, top + ascent), text);
      }
      continue;
    }
    painter.setFont(SheetFont(pixelSize, line.style == SheetLineStyle::heading));
    for (const SheetCell& cell : line.cells) {
      painter.drawText(QPointF(left + cell.column * charWidth, top + ascent), CellText(cell));
    }
  }
  painter.setPen(QPen(Qt::black, pixelSize * kThinRule));
  for (const SheetColumnRule& rule : sheet.columnRules) {
    const double x = left + (rule.column + 0.5) * charWidth;
    painter.drawLine(QPointF(x, area.top() + rule.fromLine * lineHeight),
                     QPointF(x, area.top() + rule.toLine * lineHeight));
  }
}

std::string PrintAlmanacPages(QPrinter& printer, const std::vector<BookletPage>& pages,
                              const PagePrinted& pagePrinted) {
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QString::fromLatin1(kAlmanacPagesJobName));
  bool wanted = true;
  const auto paint = [&](QPainter& painter, QPagedPaintDevice& device) {
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QRectF area(0, 0, page.width(), page.height());
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count && wanted; ++i) {
      if (i > 0) device.newPage();
      DrawSheet(painter, pages[i].sheet, area);
      wanted = !pagePrinted || pagePrinted(i + 1, count);
    }
  };
  return PrintPages(printer, paint, [&wanted] { return wanted; }, Bookmarks(pages));
}

}  // namespace nocturna
