// The remembered home position through the window: "&Save", "Home" and window creation, over
// a settings hive in the test's own folder.
#include <sys/resource.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <bit>
#include <csignal>
#include <fstream>
#include <sstream>

#include "memory_window_fixture.h"
#include "platform/home_position.h"
#include "support/file_text.h"

namespace nocturna::testing {
namespace {

QString Latin1(const char* text) { return QString::fromLatin1(text); }

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

using testing::ReadFile;

class MemoryPositionTest : public MemoryWindowTest {
 protected:
  void Type(const char* field, const char* text) {
    Find<QLineEdit>(field)->setText(Latin1(text));
    Settle();  // the repaint it asks for
  }
  void Save() { Find<QAction>("SavePosition")->trigger(); }
  void Home() { QTest::mouseClick(Find<QPushButton>("HomeButton"), Qt::LeftButton); }
  // Puts a hive with the given values of "\software\Quillon" in place.
  void WriteHive(std::vector<HiveValue> values) {
    Hive hive;
    for (HiveValue& value : values) {
      SetHiveValue(OpenOrCreateHiveKey(hive, kHomePositionKey), std::move(value));
    }
    ASSERT_TRUE(SaveHive(HivePath(), hive, false).ok);
  }
  static HiveValue Binary(const char* name, double degrees) {
    const auto bytes = LittleEndianBytes(degrees);
    return {name, HiveValueType::Binary, {bytes.begin(), bytes.end()}};
  }
};

TEST_F(MemoryPositionTest, SaveThenHomeReturnsTheSavedDoublesAndTheirZone) {
  Open();
  Type("Latitude", "Latitude 33\xB0" "51.7'S");
  Type("Longitude", "Longitude 070\xB0" "30.0'E");
  const DrPosition saved = State().drPosition;
  EXPECT_EQ(saved.longitude, -70.5);
  const int paints = form->PaintCount();
  Save();
  Settle();
  EXPECT_TRUE(presenter.shown.empty());
  EXPECT_EQ(form->PaintCount(), paints);  // saving repaints nothing

  // Stored west positive, as 8 little-endian bytes.
  const HomePositionRead stored = ReadHomePosition(HivePath());
  ASSERT_TRUE(stored.found);
  EXPECT_EQ(*stored.longitude, -70.5);
  EXPECT_NE(ReadFile(HivePath()).find("value lon binary 8 0000000000a051c0\n"), std::string::npos);

  Type("Latitude", "Latitude 10\xB0" "00.0'N");
  Type("Longitude", "Longitude 020\xB0" "00.0'W");
  const DateTime ut = State().universalTime;
  EXPECT_EQ(State().zoneDescription, 1);
  Home();
  Settle();
  EXPECT_EQ(Bits(State().drPosition.latitude), Bits(saved.latitude));
  EXPECT_EQ(Bits(State().drPosition.longitude), Bits(saved.longitude));
  EXPECT_EQ(Find<QLineEdit>("Longitude")->displayText(), Latin1("Longitude 070\xB0" "30.0'E"));
  EXPECT_EQ(Find<QLineEdit>("Latitude")->displayText(), Latin1("Latitude 33\xB0" "51.7'S"));
  EXPECT_EQ(Find<QSpinBox>("ZDEdit")->value(), -5);
  EXPECT_EQ(State().zoneDescription, -5);
  EXPECT_DOUBLE_EQ(State().universalTime, ut);  // the zone moved, UT stayed
  EXPECT_NEAR(PickerTime(), ut + 5.0 / 24, 1e-3 / 86400);
  EXPECT_GT(form->PaintCount(), paints);
  EXPECT_TRUE(presenter.shown.empty());

  // A new window starts at the saved position.
  form->close();
  form.reset();
  Open();
  EXPECT_EQ(Bits(State().drPosition.longitude), Bits(-70.5));
  EXPECT_EQ(State().zoneDescription, -5);
}

TEST_F(MemoryPositionTest, HomeWithNothingUsableChangesNothing) {
  Open();
  Type("Longitude", "Longitude 010\xB0" "00.0'W");
  const ObserverState before = State();
  const int paints = form->PaintCount();
  const auto unchanged = [&] {
    EXPECT_EQ(State().drPosition.latitude, before.drPosition.latitude);
    EXPECT_EQ(State().drPosition.longitude, before.drPosition.longitude);
    EXPECT_EQ(State().zoneDescription, before.zoneDescription);
    EXPECT_EQ(State().zoneTime, before.zoneTime);
    EXPECT_EQ(Find<QLineEdit>("Longitude")->displayText(), Latin1("Longitude 010\xB0" "00.0'W"));
    EXPECT_EQ(form->PaintCount(), paints);
  };
  Home();  // no file at all: silently nothing
  Settle();
  unchanged();
  EXPECT_TRUE(presenter.shown.empty());

  WriteHive({});  // a file without the key: silently nothing
  Home();
  Settle();
  unchanged();
  EXPECT_TRUE(presenter.shown.empty());

  // A value that is not binary: the registry read error, and not even the good value is used.
  WriteHive({Binary("lat", 12.0), {"lon", HiveValueType::String, {'7', '0'}}});
  Home();
  Settle();
  unchanged();
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
  EXPECT_NE(presenter.shown[0].text.find("Registry read error"), std::string::npos);
  EXPECT_NE(presenter.shown[0].text.find("\"lon\""), std::string::npos);
}

// Other settings saved beside it (here night vision) make the key without "lat" and "lon": the
// window opens at 42°N 75°W, not at 0°, 0°, and Home leaves the position as it is.
TEST_F(MemoryPositionTest, AKeyWithOnlyOtherSettingsIsNoHomePosition) {
  WriteHive({{"nightvision", HiveValueType::Dword, {1, 0, 0, 0}}});
  Open();
  EXPECT_EQ(State().drPosition.latitude, 42.0);
  EXPECT_EQ(State().drPosition.longitude, 75.0);
  EXPECT_EQ(State().zoneDescription, 5);
  Type("Longitude", "Longitude 020\xB0" "00.0'W");
  Home();
  Settle();
  EXPECT_EQ(State().drPosition.longitude, 20.0);
  EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(MemoryPositionTest, CreationReadsTheKeyWithItsGapsAndSurvivesADamagedFile) {
  // A key without "lon": that coordinate stays 0.
  WriteHive({Binary("lat", -12.5)});
  Open();
  EXPECT_EQ(State().drPosition.latitude, -12.5);
  EXPECT_EQ(State().drPosition.longitude, 0.0);
  EXPECT_EQ(State().zoneDescription, 0);
  EXPECT_TRUE(presenter.shown.empty());
  form->close();
  form.reset();

  // A longitude out of range is reported and ignored (left at 0).
  WriteHive({Binary("lat", 40.0), Binary("lon", 200.0)});
  Open();
  EXPECT_EQ(State().drPosition.latitude, 40.0);
  EXPECT_EQ(State().drPosition.longitude, 0.0);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Warning);
  form->close();
  form.reset();
  presenter.shown.clear();

  // A damaged file is reported once, the window opens at 42°N 75°W, and the file stays.
  const std::string junk = "NOCTURNA-HIVE 1\nkey \\software\\Quillon\nvalue lat binary 8 00";
  {
    std::ofstream(HivePath(), std::ios::binary | std::ios::trunc) << junk;
  }
  Open();
  EXPECT_EQ(State().drPosition.latitude, 42.0);
  EXPECT_EQ(State().drPosition.longitude, 75.0);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_NE(presenter.shown[0].text.find("damaged"), std::string::npos);
  EXPECT_EQ(ReadFile(HivePath()), junk);

  // Saving keeps the damaged file aside and says where.
  Save();
  ASSERT_EQ(presenter.shown.size(), 2u);
  EXPECT_EQ(presenter.shown[1].kind, MessageKind::Information);
  EXPECT_EQ(ReadFile(HivePath() + ".damaged"), junk);
  EXPECT_EQ(ReadHomePosition(HivePath()).latitude, 42.0);
}

// A save that cannot finish (here the disk is full: a file-size limit) is reported and leaves
// the position saved before readable.
TEST_F(MemoryPositionTest, AFailedSaveIsReportedAndKeepsThePreviousPosition) {
  Open();
  Type("Longitude", "Longitude 070\xB0" "30.0'E");
  Save();
  const std::string before = ReadFile(HivePath());
  Type("Longitude", "Longitude 100\xB0" "00.0'W");

  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = old;
  tiny.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
  Save();
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldSignal);

  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
  EXPECT_NE(presenter.shown[0].text.find("not saved"), std::string::npos);
  EXPECT_EQ(ReadFile(HivePath()), before);
  Home();
  Settle();
  EXPECT_EQ(State().drPosition.longitude, -70.5);
}

}  // namespace
}  // namespace nocturna::testing
