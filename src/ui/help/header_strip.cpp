#include "ui/help/header_strip.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

namespace nocturna {

void HeaderStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionHeader option;
  option.initFrom(this);
  option.orientation = Qt::Horizontal;
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.state |= QStyle::State_Raised | QStyle::State_Horizontal;
  style()->drawControl(QStyle::CE_Header, &option, &painter, this);
}

}  // namespace nocturna
