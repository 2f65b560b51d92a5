// The printed page drawn into an image and set beside the window's chart of the same catalog:
// the same bodies are drawn, the Sun is named on paper only, the Moon is lit on the same side,
// and the printed letters and numbers follow the rotation and the mirror as on screen.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>

#include "foundations/angles.h"
#include "ui/chart_drawing/chart_painter.h"
#include "ui/printing/chart_printing.h"

namespace nocturna {
namespace {

// The screen's paint box, and a Letter page at 120 dots per inch.
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kPageWidth = 1320;
constexpr int kPageHeight = 1020;

class PrintRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int k = 1; k < kBodyCount; ++k) {
      catalog.hc[k] = -50.0;  // everything below the horizon unless a test lifts it
      catalog.entries[k].magnitude = 1.0;
      std::snprintf(catalog.entries[k].name, sizeof catalog.entries[k].name, "Body");
    }
    std::snprintf(catalog.entries[kSunIndex].name, sizeof catalog.entries[kSunIndex].name, "Sun");
    catalog.hc[kSunIndex] = -30.0;  // night on screen unless a test lifts the Sun
    catalog.sunPlanetRecords[kSunRecord].radiusVector = 1.0;
    observer.staticTime = true;
  }

  QImage Screen() const {
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawChart(painter, kScreenWidth, kScreenHeight, kScreenWidth, observer, ChartPass{}, catalog,
              events);
    return image;
  }

  QImage Page() const {
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawPrintedChart(painter, kPageWidth, kPageHeight, observer, catalog, events);
    return image;
  }

  SymbolBox ScreenBox(int k) const {
    return BodySymbolBox(ScreenChartGeometry(kScreenWidth, kScreenHeight, kScreenWidth),
                         ChartPoint(catalog, k, observer.rotateSign, observer.flipSign));
  }
  SymbolBox PageBox(int k) const {
    return BodySymbolBox(PrintedPage(kPageWidth, kPageHeight).chart,
                         ChartPoint(catalog, k, observer.rotateSign, observer.flipSign));
  }

  BodyCatalog catalog{};
  SunEventsRecord events{};
  ObserverState observer;
};

// Pixels that differ between two images inside a rectangle.
int Differences(const QImage& a, const QImage& b, const QRect& area) {
  int count = 0;
  const QRect r = area.intersected(a.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  }
  return count;
}

QRect RectOf(const SymbolBox& box) {
  return QRect(QPoint(box.left, box.top), QPoint(box.right, box.bottom));
}

TEST_F(PrintRenderTest, PaperDrawsTheBodiesTheScreenDraws) {
  // Each body alone against the empty sky, in both filter modes. Expected by the rules: all
  // bodies from 0 to 90 degrees up to magnitude 3.5; "Bright" from 15 to 75 degrees up to
  // magnitude 1.5; from the Sun on, down to -0.8 degrees.
  struct Case {
    const char* what;
    int k;
    double hc, magnitude;
    bool shownAll, shownBright;
  } const cases[] = {
      {"star at 45, magnitude 1", 7, 45.0, 1.0, true, true},
      {"star at 80", 7, 80.0, 1.0, true, false},
      {"star of magnitude 1.6", 7, 45.0, 1.6, true, false},
      {"star of magnitude 3.6", 7, 45.0, 3.6, false, false},
      {"star at 10", 7, 10.0, 0.5, true, false},
      {"star below the horizon", 7, -0.5, 0.5, false, false},
      {"planet at 30", kJupiterIndex, 30.0, -2.0, true, true},
      {"Sun at -0.5", kSunIndex, -0.5, 6.0 - 16.0, true, true},
      {"Sun at -0.81", kSunIndex, -0.81, 6.0 - 16.0, false, false},
      {"Sun at 80", kSunIndex, 80.0, 6.0 - 16.0, true, false},
      {"Sun at 50", kSunIndex, 50.0, 6.0 - 16.0, true, true},
      {"Moon at -0.5", kMoonIndex, -0.5, 6.0 - 15.0, true, true},
      {"Moon at 80", kMoonIndex, 80.0, 6.0 - 15.0, true, false},
  };
  for (const bool bright : {false, true}) {
    observer.brightOnly = bright;
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (bright ? ", Bright" : ", all"));
      SetUp();
      observer.brightOnly = bright;
      catalog.hc[kSunIndex] = c.k == kSunIndex ? c.hc : -30.0;
      catalog.moonRecord.illuminatedFraction = 1.0;
      catalog.entries[kMoonIndex].sha = 0.0;
      catalog.entries[kSunIndex].sha = 180.0;
      const QImage emptyScreen = Screen();
      const QImage emptyPage = Page();
      catalog.hc[c.k] = c.hc;
      catalog.zn[c.k] = 150.0;
      catalog.entries[c.k].magnitude = c.magnitude;
      const bool expected = bright ? c.shownBright : c.shownAll;
      EXPECT_EQ(Differences(Screen(), emptyScreen, RectOf(ScreenBox(c.k))) > 0, expected);
      EXPECT_EQ(Differences(Page(), emptyPage, RectOf(PageBox(c.k))) > 0, expected);
    }
  }
}

TEST_F(PrintRenderTest, SunCarriesItsNameOnPaperOnly) {
  // The Sun at 200 degrees, then elsewhere (so that the sky keeps the day's colour).
  catalog.hc[kSunIndex] = 40.0;
  catalog.entries[kSunIndex].magnitude = 6.0 - 16.0;
  catalog.zn[kSunIndex] = 200.0;
  const QImage screen = Screen();
  const QImage page = Page();
  const SymbolBox s = ScreenBox(kSunIndex);
  const SymbolBox p = PageBox(kSunIndex);
  catalog.zn[kSunIndex] = 20.0;
  const QImage screenWithout = Screen();
  const QImage pageWithout = Page();
  // Right of the disc, where a star's name goes: nothing on screen, "Sun" on paper.
  const QRect screenLabel(s.right + 3, TruncToInt(s.top - s.halfSize / 2.0), 25, 12);
  const QRect pageLabel(p.right + 5, TruncToInt(p.top - p.halfSize), 25, 12);
  EXPECT_EQ(Differences(screen, screenWithout, screenLabel), 0);
  EXPECT_GT(Differences(page, pageWithout, pageLabel), 10);
}

TEST_F(PrintRenderTest, MoonIsLitOnTheSameSideOnScreenAndPaper) {
  // The Moon at the zenith, clear of spokes. Its elongation east of the Sun (SHA of the Sun
  // less the Moon's) from 0 to 180 degrees is an evening Moon, lit towards the west: the
  // left of the unrotated chart.
  catalog.hc[kMoonIndex] = 90.0;
  catalog.zn[kMoonIndex] = 0.0;
  catalog.entries[kMoonIndex].magnitude = 6.0 - 20.0;
  struct Case {
    double sunSha, moonSha, fraction;
    bool leftLit, rightLit;
  } const cases[] = {
      {100.0, 10.0, 0.5, true, false},   // first quarter (the difference is +90)
      {10.0, 100.0, 0.5, false, true},   // last quarter (-90, that is 270)
      {350.0, 20.0, 0.3, false, true},   // +330: a morning crescent
      {20.0, 350.0, 0.3, true, false},   // -330, that is 30: an evening crescent
      {200.0, 10.0, 0.8, false, true},   // +190: a waning gibbous Moon
  };
  const QRgb black = qRgb(0, 0, 0);
  const QRgb silver = qRgb(192, 192, 192);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Sun SHA " << c.sunSha << ", Moon SHA " << c.moonSha);
    catalog.entries[kSunIndex].sha = c.sunSha;
    catalog.entries[kMoonIndex].sha = c.moonSha;
    catalog.moonRecord.illuminatedFraction = c.fraction;
    const QImage screen = Screen();
    const QImage page = Page();
    const SymbolBox s = ScreenBox(kMoonIndex);
    const SymbolBox p = PageBox(kMoonIndex);
    const int sx = (s.left + s.right) / 2, sy = (s.top + s.bottom) / 2;
    const int px = (p.left + p.right) / 2, py = (p.top + p.bottom) / 2;
    const int sd = TruncToInt(s.halfSize * 0.8), pd = TruncToInt(p.halfSize * 0.8);
    EXPECT_EQ(screen.pixel(sx - sd, sy) == silver, c.leftLit);
    EXPECT_EQ(screen.pixel(sx + sd, sy) == silver, c.rightLit);
    EXPECT_EQ(page.pixel(px - pd, py) == black, c.leftLit);
    EXPECT_EQ(page.pixel(px + pd, py) == black, c.rightLit);
  }
}

// The text as DrawTextAt writes it at (0, 0) on white, with an opaque white ground.
QImage TextImage(const QFont& font, const QString& text, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBackground(Qt::white);
  painter.setBackgroundMode(Qt::OpaqueMode);
  DrawTextAt(painter, 0, 0, text);
  return image;
}

// Whether `text` stands on the page with its top-left corner at `at`.
bool TextStandsAt(const QImage& page, const QFont& font, const QString& text, QPoint at) {
  QImage probe(1, 1, QImage::Format_RGB32);
  const QFontMetrics metrics(font, &probe);
  const QSize size(metrics.horizontalAdvance(text), metrics.height());
  const QImage expected = TextImage(font, text, size);
  const QRect inner = QRect(QPoint(1, 1), size - QSize(2, 2));
  for (int y = inner.top(); y <= inner.bottom(); ++y) {
    for (int x = inner.left(); x <= inner.right(); ++x) {
      if (page.pixel(at.x() + x, at.y() + y) != expected.pixel(x, y)) return false;
    }
  }
  return true;
}

TEST_F(PrintRenderTest, PrintedLettersAndNumbersFollowRotationAndMirrorAsOnScreen) {
  const ChartGeometry g = PrintedPage(kPageWidth, kPageHeight).chart;
  const SkyStyle style = PrintedSkyStyle();
  // Where the letter of spoke i (0, 9, 18, 27) and the number of spoke 1 begin on the page.
  const QImage pageDevice(1, 1, QImage::Format_RGB32);  // the page's dots per inch
  auto letterAt = [&](int quarter) {
    const double theta = DegToRad(90.0 * quarter);
    const int dx = FontNudge(pageDevice, style.letterFont, style.letterOffsets[quarter][0]);
    const int dy = FontNudge(pageDevice, style.letterFont, style.letterOffsets[quarter][1]);
    return QPoint(TruncToInt(g.centreX + std::sin(theta) * g.radius + dx),
                  TruncToInt(g.centreY - std::cos(theta) * g.radius + dy));
  };
  const double ten = DegToRad(10.0);
  const QPoint firstNumberAt(TruncToInt(g.centreX + std::sin(ten) * g.radius - 15),
                             TruncToInt(g.centreY - std::cos(ten) * g.radius));
  struct Case {
    int rotateSign, flipSign;
    const char* letters;  // top, right, bottom, left
    const char* firstNumber;
  } const cases[] = {
      {1, 1, "NESW", "10"},
      {-1, 1, "SWNE", "190"},
      {1, -1, "NWSE", "350"},
      {-1, -1, "SENW", "170"},
  };
  const QFont numberFont(QStringLiteral("MS Sans Serif"), 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "rotate " << c.rotateSign << ", flip " << c.flipSign);
    observer.rotateSign = c.rotateSign;
    observer.flipSign = c.flipSign;
    const QImage page = Page();
    for (int quarter = 0; quarter < 4; ++quarter) {
      const QString letter(QLatin1Char(c.letters[quarter]));
      EXPECT_TRUE(TextStandsAt(page, style.letterFont, letter, letterAt(quarter)))
          << "expected " << c.letters[quarter] << " at spoke " << 9 * quarter;
    }
    EXPECT_TRUE(TextStandsAt(page, numberFont, QString::fromLatin1(c.firstNumber), firstNumberAt))
        << "expected " << c.firstNumber << " on the first spoke clockwise from the top";
  }
}

// The nudges are font sizes: at 96 dots per inch they are the chart's long-standing pixels, on
// a 600-dot page 6.25 times as many, so paper keeps the screen's proportions.
TEST(ChartNudges, FontSizesGiveTheScreensPixelsAndScaleWithTheDevice) {
  QImage screen(1, 1, QImage::Format_RGB32);
  QImage paper(1, 1, QImage::Format_RGB32);
  paper.setDotsPerMeterX(23622);  // 600 dots per inch
  paper.setDotsPerMeterY(23622);
  const SkyStyle window;
  const SkyStyle printed = PrintedSkyStyle();
  const int windowLetters[4][2] = {{-7, -2}, {-14, -11}, {-5, -21}, {2, -11}};
  const int printedLetters[4][2] = {{-7, 3}, {-13, -11}, {-5, -23}, {2, -10}};
  for (int q = 0; q < 4; ++q) {
    for (int axis = 0; axis < 2; ++axis) {
      EXPECT_EQ(FontNudge(screen, window.letterFont, window.letterOffsets[q][axis]),
                windowLetters[q][axis]) << q << "," << axis;
      EXPECT_EQ(FontNudge(screen, printed.letterFont, printed.letterOffsets[q][axis]),
                printedLetters[q][axis]) << q << "," << axis;
    }
  }
  const QFont names(QStringLiteral("MS Sans Serif"), 8);
  EXPECT_EQ(FontNudge(screen, names, window.nameGap), 3);
  EXPECT_EQ(FontNudge(screen, names, printed.nameGap), 5);
  EXPECT_EQ(FontNudge(paper, names, printed.nameGap), 31);  // 5 x 6.25, rounded
  EXPECT_EQ(FontNudge(paper, printed.letterFont, printed.letterOffsets[0][0]), -44);
  EXPECT_EQ(FontNudge(paper, printed.letterFont, printed.letterOffsets[2][1]), -144);
}

}  // namespace
}  // namespace nocturna
