// Message boxes on screen: a table keeps its columns (fixed pitch, no line broken).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

#include "ui/main_window/qt_message_presenter.h"

namespace nocturna {
namespace {

TEST(QtMessagePresenterTest, ATableKeepsItsColumnsAndItsLinesWhole) {
  const std::string row = "Fomalhaut   072\xB0" "00.0'  072\xB0" "16.3'  071\xB0" "56.6'  18\xB0" "08.3'  25\xB0" "46.9'  +0.55  11.0";
  for (const bool table : {false, true}) {
    Message message{MessageKind::Information, "Body        Preset\n\r" + row, "Sights"};
    message.fixedPitch = table;
    bool fixedPitch = !table, wide = false;
    QTimer::singleShot(0, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      if (auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        fixedPitch = QFontInfo(label->font()).fixedPitch();
        wide = !table || label->width() >= QFontMetrics(label->font()).horizontalAdvance(MessageText(row));
      }
      modal->close();
    });
    QtMessagePresenter().Show(message);
    EXPECT_EQ(fixedPitch, table);
    EXPECT_TRUE(wide) << "the row fits on one line";
  }
}

}  // namespace
}  // namespace nocturna
