#include "ui/sights/sight_form_printing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "sights/dead_reckoning.h"
#include "sights/sight_fields.h"
#include "sights/sight_texts.h"
#include "ui/main_window/latin1_text.h"
#include "ui/sights/plotting_sheet.h"
#include "sights/sight_form.h"
#include "ui/sights/sight_form_texts.h"

namespace nocturna {
namespace {

constexpr double kTextPoints = 9;
constexpr double kSmallestPoints = 5;
constexpr double kMargin = 0.05;  // of the page's width and height on every side

enum class LineKind { Title, Heading, Captions, Row, Text, Blank };
struct PrintedLine {
  LineKind kind = LineKind::Blank;
  std::string text;             // a title, heading or text line
  const std::vector<std::string>* cells = nullptr;  // a row
};

struct FormLayout {
  QFont font;
  QFont bold;
  QFont fixedPitch;  // the lines under the table, whose texts line up in columns
  double left = 0, top = 0, width = 0, line = 0;
  int linesPerPage = 0;
  std::vector<double> columnWidths;
};

QFont PrintFont(double points, bool bold) {
  QFont font(QStringLiteral("Arial"), 10);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Columns as wide as their widest text, the type made smaller until they fit across the page.
FormLayout LayOut(QPagedPaintDevice& device, const SightFormPrint& print,
                  const std::vector<std::string>& captions) {
  FormLayout layout;
  layout.left = kMargin * device.width();
  layout.top = kMargin * device.height();
  layout.width = device.width() - 2 * layout.left;
  for (double points = kTextPoints;; points -= 0.5) {
    layout.font = PrintFont(points, false);
    layout.bold = PrintFont(points, true);
    layout.fixedPitch = QFont(QStringLiteral("DejaVu Sans Mono"));
    layout.fixedPitch.setStyleHint(QFont::TypeWriter);
    layout.fixedPitch.setPointSizeF(points);
    const QFontMetricsF plain(layout.font, &device), heavy(layout.bold, &device);
    layout.columnWidths.assign(captions.size(), 0.0);
    for (std::size_t c = 0; c < captions.size(); ++c) {
      double widest = heavy.horizontalAdvance(FromLatin1(captions[c]));
      for (const auto& row : print.rows)
        if (c < row.size()) widest = std::max(widest, plain.horizontalAdvance(FromLatin1(row[c])));
      layout.columnWidths[c] = widest + plain.averageCharWidth() * 1.5;
    }
    layout.line = heavy.lineSpacing() * 1.25;
    double total = 0;
    for (double w : layout.columnWidths) total += w;
    if (total <= layout.width || points <= kSmallestPoints) break;
  }
  // Two lines kept at the foot for the page number.
  layout.linesPerPage = std::max(4, static_cast<int>((device.height() - 2 * layout.top) / layout.line) - 2);
  return layout;
}

// A text broken at spaces into lines no wider than the page; its indent kept, and two spaces
// more on the lines it goes on to.
std::vector<std::string> Wrapped(const std::string& text, const QFontMetricsF& metrics, double width) {
  const std::size_t indent = std::min(text.find_first_not_of(' '), text.size());
  std::vector<std::string> lines;
  std::string current = text.substr(0, indent);
  int words = 0;  // on the current line
  for (std::size_t start = indent; start < text.size();) {
    const std::size_t space = std::min(text.find(' ', start), text.size());
    const std::string word = text.substr(start, space - start);
    const std::string longer = words == 0 ? current + word : current + " " + word;
    if (words > 0 && metrics.horizontalAdvance(FromLatin1(longer)) > width) {
      lines.push_back(current);
      current = text.substr(0, indent) + "  " + word;
      words = 1;
    } else {
      current = longer;
      ++words;
    }
    start = space + 1;
  }
  lines.push_back(current);
  return lines;
}

std::vector<PrintedLine> Lines(const SightFormPrint& print, const FormLayout& layout,
                               QPagedPaintDevice& device) {
  const QFontMetricsF metrics(layout.fixedPitch, &device);
  std::vector<PrintedLine> lines{{LineKind::Title, "Sight form", nullptr}};
  for (const std::string& heading : print.headingLines) lines.push_back({LineKind::Heading, heading, nullptr});
  lines.push_back({});
  lines.push_back({LineKind::Captions, "", nullptr});
  for (const auto& row : print.rows) lines.push_back({LineKind::Row, "", &row});
  for (const auto* block : {&print.notes, &print.footLines}) {
    if (block->empty()) continue;
    lines.push_back({});
    for (const std::string& text : *block)
      for (const std::string& part : Wrapped(text, metrics, layout.width))
        lines.push_back({LineKind::Text, part, nullptr});
  }
  return lines;
}

void DrawCells(QPainter& painter, const FormLayout& layout, double y,
               const std::vector<std::string>& cells) {
  double x = layout.left;
  for (std::size_t c = 0; c < cells.size() && c < layout.columnWidths.size(); ++c) {
    const QRectF box(x, y, layout.columnWidths[c], layout.line);
    const bool name = c == static_cast<std::size_t>(SightFormColumn::body);
    painter.drawText(box, (name ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                     FromLatin1(cells[c]));
    x += layout.columnWidths[c];
  }
}

void DrawLine(QPainter& painter, const FormLayout& layout, double y, const PrintedLine& line,
              const std::vector<std::string>& captions) {
  const QRectF box(layout.left, y, layout.width, layout.line);
  switch (line.kind) {
    case LineKind::Title:
    case LineKind::Heading:
      painter.setFont(layout.bold);
      painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, FromLatin1(line.text));
      break;
    case LineKind::Captions: {
      painter.setFont(layout.bold);
      DrawCells(painter, layout, y, captions);
      double right = layout.left;
      for (double w : layout.columnWidths) right += w;
      painter.drawLine(QPointF(layout.left, y + layout.line), QPointF(right, y + layout.line));
      break;
    }
    case LineKind::Row:
      painter.setFont(layout.font);
      DrawCells(painter, layout, y, *line.cells);
      break;
    case LineKind::Text:
      painter.setFont(layout.fixedPitch);
      painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, FromLatin1(line.text));
      break;
    case LineKind::Blank:
      break;
  }
}

// The lines in pages: a page that goes on with the rows starts with the captions again.
std::vector<std::vector<PrintedLine>> Paginate(const std::vector<PrintedLine>& lines, int perPage) {
  std::vector<std::vector<PrintedLine>> pages(1);
  for (const PrintedLine& line : lines) {
    if (static_cast<int>(pages.back().size()) >= perPage) {
      pages.emplace_back();
      if (line.kind == LineKind::Row) pages.back().push_back({LineKind::Captions, "", nullptr});
    }
    if (pages.back().empty() && line.kind == LineKind::Blank) continue;
    pages.back().push_back(line);
  }
  return pages;
}

void DrawFooter(QPainter& painter, const FormLayout& layout, QPagedPaintDevice& device, int page,
                int pages) {
  painter.setFont(layout.font);
  const QRectF box(layout.left, device.height() - layout.top - layout.line, layout.width, layout.line);
  painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Page %1 of %2").arg(page).arg(pages));
}

}  // namespace

SightFormPrint SightFormPrintOf(const std::vector<SightRecord>& log,
                                const SightLogReduction& reduction, const SightFormSetting& setting,
                                const char* ephemerisSwitch) {
  SightFormPrint print;
  print.setting = setting;
  print.reduction = reduction;
  const DeadReckoning& dr = setting.dr;
  print.headingLines = {
      "DR " + FormatLatitude(dr.position.latitude) + " " + FormatLongitude(dr.position.longitude) +
          " at " + FormatUtcMoment(dr.utc) + " UTC" +
          PrintfText(", course %05.1f\xB0, speed %.1f kn", dr.courseDegrees, dr.speedKnots),
      "Fix time " + FormatUtcMoment(setting.fixTime) + " UTC",
      EphemerisNote(setting.ephemeris, ephemerisSwitch)};
  const SightForm form = SightFormOf(log, reduction);
  const std::size_t note = static_cast<std::size_t>(SightFormColumn::note);
  print.captions.assign(form.headings.begin(), form.headings.begin() + note);
  for (const auto& row : form.rows) {
    if (!row[note].empty()) print.notes.push_back("Row " + row.front() + ": " + row[note]);
    print.rows.emplace_back(row.begin(), row.begin() + note);
  }
  // The other kinds' steps, the noon runs and the deviation card, the lines of position, the fix.
  if (!log.empty()) print.footLines = SightFormFootLines(form);
  return print;
}

void DrawSightFormPages(QPainter& painter, QPagedPaintDevice& device, const SightFormPrint& print) {
  const std::vector<std::string>& captions = print.captions;
  const FormLayout layout = LayOut(device, print, captions);
  const auto pages = Paginate(Lines(print, layout, device), layout.linesPerPage);
  const int pageCount = static_cast<int>(pages.size()) + 1;
  painter.save();
  painter.setPen(QPen(Qt::black, std::max(1.0, layout.line / 40)));
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) device.newPage();
    painter.fillRect(QRectF(0, 0, device.width(), device.height()), Qt::white);
    for (std::size_t n = 0; n < pages[p].size(); ++n)
      DrawLine(painter, layout, layout.top + n * layout.line, pages[p][n], captions);
    DrawFooter(painter, layout, device, static_cast<int>(p) + 1, pageCount);
  }
  device.newPage();
  painter.fillRect(QRectF(0, 0, device.width(), device.height()), Qt::white);
  painter.translate(layout.left, layout.top);
  const SightFormSetting& s = print.setting;
  DrawPlottingSheet(painter, static_cast<int>(layout.width),
                    static_cast<int>(device.height() - 2 * layout.top - 2 * layout.line),
                    print.reduction, PositionAt(s.dr, s.fixTime), s.fixTime, s.dr);
  painter.translate(-layout.left, -layout.top);
  DrawFooter(painter, layout, device, pageCount, pageCount);
  painter.restore();
}

}  // namespace nocturna
