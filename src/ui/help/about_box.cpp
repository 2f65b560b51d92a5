#include "ui/help/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include "ui/help/center_on_screen.h"

namespace nocturna {
namespace {

constexpr int kIconSize = 32;
const QColor kAqua(0, 255, 255);
const QColor kBlue(0, 0, 255);

// The program's icon: a crescent Moon and three stars on a night-blue disc.
QPixmap ProgramIcon() {
  QPixmap icon(kIconSize, kIconSize);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 0, 96), 1));
  painter.setBrush(QColor(0, 0, 128));
  painter.drawEllipse(QRectF(0.5, 0.5, kIconSize - 1, kIconSize - 1));
  QPainterPath moon;
  moon.addEllipse(QRectF(6, 6, 16, 16));
  QPainterPath shadow;
  shadow.addEllipse(QRectF(10, 4, 16, 16));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 160));
  painter.drawPath(moon.subtracted(shadow));
  painter.setBrush(Qt::white);
  for (const QPointF& star : {QPointF(23, 10), QPointF(20, 22), QPointF(26, 18)}) {
    painter.drawEllipse(star, 1.3, 1.3);
  }
  return icon;
}

QLabel* AddText(QWidget* parent, const char* name, const QString& text, QPoint at, int pixelSize, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kBlue);
  label->setPalette(palette);
  label->move(at);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("About Nocturna"));
  setFixedSize(313, 214);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kAqua);
  setPalette(palette);
  setAutoFillBackground(true);

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Panel1"));
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(2);
  frame->setGeometry(8, 8, 297, 161);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("ProgramIcon"));
  icon->setPixmap(ProgramIcon());
  icon->setGeometry(24, 16, kIconSize, kIconSize);

  AddText(this, "ProductName", QStringLiteral("Nocturna"), {88, 24}, 24, true);
  AddText(this, "Version", QStringLiteral("Version 1.0"), {104, 56}, 13, true);
  AddText(this, "Copyright", QStringLiteral("Published by Varlo, Inc."), {80, 80}, 11, false);
  QLabel* comments =
      AddText(this, "Comments",
              QString::fromLatin1("Nocturna locates the postition of celestial bodies used for navigation."),
              {32, 112}, 11, false);
  comments->setWordWrap(true);
  comments->setGeometry(32, 112, 257, 40);
  comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  ok->setGeometry(119, 180, 75, 25);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);  // Esc closes the box as well
}

void TAboutBox::Open(QWidget* parent) {
  TAboutBox box(parent);
  box.exec();
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) CenterOnScreen(*this);
}

}  // namespace nocturna
