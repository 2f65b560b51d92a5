#include "ui/main_window/application_look.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QProxyStyle>
#include <QToolTip>

namespace nocturna {

namespace {

// Hints wait one second before they show.
class HintDelayStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 1000;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

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
  application.setStyle(new HintDelayStyle);
  QPalette hints = QToolTip::palette();
  hints.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
  hints.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(hints);
}

}  // namespace nocturna
