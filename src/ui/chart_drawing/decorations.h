#pragma once
// The main window's artwork, painted for this program: the name plate over the chart and the
// publisher's emblem, with its notice.
#include <QPixmap>
#include <QString>

namespace nocturna {

// "Nocturna" in script beside a crescent Moon and a few stars, on a transparent ground.
QPixmap NocturnaLogo();

// A navigator's emblem: a compass rose inside a ship's wheel, size x size pixels.
QPixmap NocturnaEmblem(int size);

// The publisher's notice under the emblem.
QString PublisherNotice();

}  // namespace nocturna
