// The about box: its card of texts and the OK button that closes it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/help/about_box.h"

namespace nocturna {
namespace {

TEST(AboutBox, ShowsNameVersionPublisherAndPurpose) {
  TAboutBox box;
  box.show();
  EXPECT_EQ(box.windowTitle(), "About Nocturna");
  EXPECT_EQ(box.size(), QSize(313, 214));
  EXPECT_EQ(box.palette().color(QPalette::Window), QColor(0, 255, 255));

  struct Text {
    const char* name;
    QString text;
    QPoint at;
    int pixelSize;
    bool bold;
  };
  const Text texts[] = {
      {"ProductName", QStringLiteral("Nocturna"), {88, 24}, 24, true},
      {"Version", QStringLiteral("Version 1.0"), {104, 56}, 13, true},
      {"Copyright", QString(), {80, 80}, 11, false},
      {"Comments", QStringLiteral("Nocturna locates the postition of celestial bodies used for navigation."),
       {32, 112}, 11, false},
  };
  for (const Text& t : texts) {
    const auto* label = box.findChild<QLabel*>(QString::fromLatin1(t.name));
    ASSERT_NE(label, nullptr) << t.name;
    if (!t.text.isEmpty()) {
      EXPECT_EQ(label->text(), t.text) << t.name;
    }
    EXPECT_FALSE(label->text().isEmpty()) << t.name;
    EXPECT_EQ(label->pos(), t.at) << t.name;
    EXPECT_EQ(label->font().pixelSize(), t.pixelSize) << t.name;
    EXPECT_EQ(label->font().bold(), t.bold) << t.name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << t.name;
    EXPECT_TRUE(box.rect().contains(label->geometry())) << t.name << " runs off the box";
  }
  const auto* icon = box.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->geometry(), QRect(24, 16, 32, 32));
  EXPECT_FALSE(icon->pixmap().isNull());
  box.close();
}

TEST(AboutBox, OkAndEscapeCloseIt) {
  for (const bool escape : {false, true}) {
    TAboutBox box;
    box.show();
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(119, 180, 75, 25));
    EXPECT_TRUE(ok->isDefault());
    if (escape) {
      QTest::keyClick(&box, Qt::Key_Escape);
    } else {
      QTest::mouseClick(ok, Qt::LeftButton);
    }
    EXPECT_FALSE(box.isVisible()) << (escape ? "Escape" : "OK");
    EXPECT_EQ(box.result(), escape ? QDialog::Rejected : QDialog::Accepted);
  }
}

}  // namespace
}  // namespace nocturna
