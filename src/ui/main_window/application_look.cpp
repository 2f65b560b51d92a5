#include "ui/main_window/application_look.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>
#include <algorithm>

namespace nocturna {

namespace {

bool nightVision = false;

// Hints wait one second before they show; at night the style's own icons (the message boxes')
// are dark red.
class ApplicationStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 1000;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    const QIcon day = QProxyStyle::standardIcon(icon, option, widget);
    if (!nightVision || day.isNull()) return day;
    QIcon night;
    for (const QSize size : day.availableSizes()) night.addPixmap(QPixmap::fromImage(NightVisionArtwork(day.pixmap(size).toImage())));
    if (night.isNull()) night.addPixmap(QPixmap::fromImage(NightVisionArtwork(day.pixmap(64).toImage())));
    return night;
  }
};

// The brightest red of night vision: enough to read by, too dim to spoil dark-adapted eyes.
constexpr int kNightRed = 170;

// Every widget's colours (the style sheet also overrides the palettes set on single widgets,
// such as the GPS toggle's caption colour).
const char kNightStyleSheet[] =
    "* { color: #aa0000; background-color: #000000; selection-color: #000000;"
    " selection-background-color: #600000; border-color: #400000; }"
    "QPushButton, QToolButton, QComboBox, QLineEdit, QSpinBox, QDateEdit, QTimeEdit, QTableView,"
    " QHeaderView::section, QMenu, QMenuBar { background-color: #100000; border: 1px solid #400000; }"
    "QMenu::item:selected, QMenuBar::item:selected, QPushButton:checked { background-color: #400000; }"
    "QToolTip { color: #aa0000; background-color: #000000; border: 1px solid #400000; }";

QPalette NightPalette() {
  const QColor text(kNightRed, 0, 0);
  const QColor black(0, 0, 0);
  const QColor ground(16, 0, 0);
  QPalette palette;
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText, QPalette::ToolTipText,
        QPalette::PlaceholderText, QPalette::Link, QPalette::HighlightedText}) {
    palette.setColor(role, text);
  }
  for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::ToolTipBase, QPalette::Shadow}) {
    palette.setColor(role, black);
  }
  for (const QPalette::ColorRole role :
       {QPalette::Button, QPalette::AlternateBase, QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark}) {
    palette.setColor(role, ground);
  }
  palette.setColor(QPalette::Highlight, QColor(96, 0, 0));
  palette.setColor(QPalette::HighlightedText, black);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(80, 0, 0));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 0, 0));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(80, 0, 0));
  return palette;
}

}  // namespace

void SetNightVision(bool on) {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr || on == nightVision) return;
  if (dynamic_cast<ApplicationStyle*>(QApplication::style()) == nullptr) application->setStyle(new ApplicationStyle);
  static const QPalette dayPalette = QApplication::palette();
  static const QPalette dayHints = QToolTip::palette();
  nightVision = on;
  QApplication::setPalette(on ? NightPalette() : dayPalette);
  QToolTip::setPalette(on ? NightPalette() : dayHints);
  application->setStyleSheet(on ? QString::fromLatin1(kNightStyleSheet) : QString());
}

bool NightVisionOn() { return nightVision; }

void TurnToNightVision(QImage& picture) {
  if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
  }
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      const int darkness = 255 - qGray(line[x]);
      line[x] = qRgb(darkness * kNightRed / 255, 0, 0);
    }
  }
}

QImage NightVisionArtwork(const QImage& artwork) {
  QImage red = artwork.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < red.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(red.scanLine(y));
    for (int x = 0; x < red.width(); ++x) {
      const int brightness = std::max({qRed(line[x]), qGreen(line[x]), qBlue(line[x])});
      line[x] = qRgba(brightness * kNightRed / 255, 0, 0, qAlpha(line[x]));
    }
  }
  return red;
}

void InstallFontSubstitutes() {
  const QStringList plainSans{"Liberation Sans", "Arimo", "DejaVu Sans", "Nimbus Sans"};
  QFont::insertSubstitutions("MS Sans Serif", plainSans);
  QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Liberation Sans", "Nimbus Sans"});
  QFont::insertSubstitutions("Arial Black", {"DejaVu Sans", "Liberation Sans", "Nimbus Sans"});
  QFont::insertSubstitutions("BrushScript BT", {"Z003", "URW Chancery L", "DejaVu Serif"});
  QFont::insertSubstitutions("MurrayHill Bd BT", {"URW Bookman", "C059", "DejaVu Serif"});
}

void InstallApplicationLook(QApplication& application) {
  InstallFontSubstitutes();
  QApplication::setApplicationName(QStringLiteral("Nocturna"));
  application.setStyle(new ApplicationStyle);
  QPalette hints = QToolTip::palette();
  hints.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
  hints.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(hints);
}

}  // namespace nocturna
