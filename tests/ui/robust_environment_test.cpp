// The window in a hostile environment: a settings place that cannot be used (the folder is a
// file, the settings file is a folder, a folder that refuses writing), a settings file of random
// bytes or cut short, and a help document of any bytes. Each is told to the user in a message,
// the window still works, and nothing saved before is lost.
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "memory_window_fixture.h"
#include "platform/home_position.h"
#include "support/file_text.h"
#include "ui/help/help_dialog.h"
#include "ui/help/help_topics.h"

namespace nocturna::testing {
namespace {

namespace fs = std::filesystem;

using testing::ReadFile;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string RandomBytes(std::size_t count, unsigned seed) {
  std::mt19937 engine(seed);
  std::string bytes(count, '\0');
  for (char& c : bytes) c = static_cast<char>(engine() & 0xFFU);
  return bytes;
}

// True when the system lets this process create files in a folder without write permission
// (the superuser): a read-only folder cannot then be simulated with permissions.
bool PermissionsAreBypassed(const std::string& scratch) {
  const std::string folder = scratch + "/probe";
  fs::create_directory(folder);
  ::chmod(folder.c_str(), 0500);
  const bool created = std::ofstream(folder + "/file").good();
  ::chmod(folder.c_str(), 0700);
  fs::remove_all(folder);
  return created;
}

class RobustSettingsTest : public MemoryWindowTest {
 protected:
  void Save() { Find<QAction>("SavePosition")->trigger(); }
  void TypeLongitude(const char* text) {
    Find<QLineEdit>("Longitude")->setText(QString::fromLatin1(text));
    Settle();
  }
  // The folder of the settings file, as the window finds it.
  std::string Folder() const { return fs::path(HivePath()).parent_path().string(); }
  std::string SavedHive(double latitude, double longitude) {
    fs::create_directories(Folder());
    Hive hive;
    for (const auto& [name, degrees] : {std::pair{"lat", latitude}, std::pair{"lon", longitude}}) {
      const auto bytes = LittleEndianBytes(degrees);
      SetHiveValue(OpenOrCreateHiveKey(hive, kHomePositionKey),
                   {name, HiveValueType::Binary, {bytes.begin(), bytes.end()}});
    }
    return SerializeHive(hive);
  }
  void ExpectDefaultPosition(const char* what) {
    EXPECT_EQ(State().drPosition.latitude, 42.0) << what;
    EXPECT_EQ(State().drPosition.longitude, 75.0) << what;
  }
};

// Where the settings should be, something else stands: a file where the folder goes, or a
// folder where the file goes. Opening says the position could not be read and starts at the
// default; saving says it did not save; what stands there is left exactly as it was.
TEST_F(RobustSettingsTest, AnUnusableSettingsPlaceIsReportedAtOpeningAndSavingAndLeftAlone) {
  struct Case {
    const char* what;
    bool folderIsAFile;
  };
  for (const Case c : {Case{"the settings folder is a file", true}, Case{"the settings file is a folder", false}}) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Folder());
    std::string keptPath;
    if (c.folderIsAFile) {
      fs::create_directories(fs::path(Folder()).parent_path());
      keptPath = Folder();
    } else {
      fs::create_directories(HivePath());
      keptPath = HivePath() + "/notes";
    }
    WriteFile(keptPath, "someone else's data");

    Open();
    ExpectDefaultPosition(c.what);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
    EXPECT_NE(presenter.shown[0].text.find("could not be read"), std::string::npos) << presenter.shown[0].text;

    TypeLongitude("Longitude 010\xB0" "00.0'E");
    Save();
    ASSERT_EQ(presenter.shown.size(), 2u);
    EXPECT_EQ(presenter.shown[1].kind, MessageKind::Error);
    EXPECT_NE(presenter.shown[1].text.find("not saved"), std::string::npos) << presenter.shown[1].text;
    EXPECT_EQ(ReadFile(keptPath), "someone else's data");
    EXPECT_EQ(State().drPosition.longitude, -10.0) << "the window keeps working";

    form->close();
    form.reset();
    presenter.shown.clear();
    fs::remove_all(c.folderIsAFile ? Folder() : HivePath());
  }
}

// A settings file of random bytes, or a saved file cut short as by a crash mid-write: reported
// as damaged at opening, the window starts at the default, the file is untouched until the
// user saves, and then it is kept aside byte for byte while the new position is saved.
TEST_F(RobustSettingsTest, ARandomOrTruncatedSettingsFileIsReportedKeptAndSetAside) {
  const std::string saved = SavedHive(10.0, 20.0);
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"random bytes", RandomBytes(4096, 7)},
      {"random bytes after the file's own heading", "NOCTURNA-HIVE 1\n" + RandomBytes(300, 8)},
      {"cut short", saved.substr(0, saved.size() / 2)},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Folder());
    fs::create_directories(Folder());
    WriteFile(HivePath(), c.bytes);

    Open();
    ExpectDefaultPosition(c.what);
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
    EXPECT_NE(presenter.shown[0].text.find("damaged"), std::string::npos) << presenter.shown[0].text;
    EXPECT_EQ(ReadFile(HivePath()), c.bytes);

    Save();
    EXPECT_EQ(ReadFile(HivePath() + ".damaged"), c.bytes);
    const HomePositionRead read = ReadHomePosition(HivePath());
    EXPECT_TRUE(read.found);
    EXPECT_EQ(read.latitude, 42.0);
    EXPECT_EQ(read.longitude, 75.0);

    form->close();
    form.reset();
    presenter.shown.clear();
  }
}

// A settings folder that refuses writing: the saved position is read, a new save is refused
// with a message, and the old file still holds the old position.
TEST_F(RobustSettingsTest, AReadOnlySettingsFolderKeepsTheSavedPosition) {
  const std::string saved = SavedHive(10.0, 20.0);
  WriteFile(HivePath(), saved);
  if (PermissionsAreBypassed(fs::path(Folder()).parent_path().string())) {
    GTEST_SKIP() << "running as the superuser: folder permissions do not stop writing";
  }
  ASSERT_EQ(::chmod(Folder().c_str(), 0500), 0);
  Open();
  EXPECT_EQ(State().drPosition.latitude, 10.0);
  EXPECT_EQ(State().drPosition.longitude, 20.0);
  EXPECT_TRUE(presenter.shown.empty());

  TypeLongitude("Longitude 030\xB0" "00.0'W");
  Save();
  ::chmod(Folder().c_str(), 0700);
  ASSERT_EQ(presenter.shown.size(), 1u);
  EXPECT_EQ(presenter.shown[0].kind, MessageKind::Error);
  EXPECT_NE(presenter.shown[0].text.find("not saved"), std::string::npos) << presenter.shown[0].text;
  EXPECT_EQ(ReadFile(HivePath()), saved);
}

// Any bytes as the help document: the dialog opens over whatever text they make, without a
// message, every topic can be chosen and typed, and the dialog closes cleanly.
TEST(RobustHelpFile, AnyBytesOpenTheHelpWithoutAMessage) {
  const QString project = QStringLiteral(NOCTURNA_SOURCE_DATA_DIR "/Starhelp.rtf");
  QFile projectFile(project);
  ASSERT_TRUE(projectFile.open(QIODevice::ReadOnly));
  const std::string help = projectFile.readAll().toStdString();
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"random bytes", RandomBytes(20000, 1)},
      {"random bytes behind an RTF heading", "{\\rtf1\\ansi " + RandomBytes(20000, 2)},
      {"the help document cut in the middle", help.substr(0, help.size() / 2)},
      {"the help document with every hundredth byte changed",
       [&help] {
         std::string damaged = help;
         for (std::size_t i = 0; i < damaged.size(); i += 100) damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
         return damaged;
       }()},
      {"groups nested a hundred thousand deep", "{\\rtf1 " + std::string(100000, '{') + "deep"},
      {"only NUL bytes", std::string(5000, '\0')},
  };
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString path = folder.filePath(QStringLiteral("Starhelp.rtf"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
    file.close();

    RecordingPresenter presenter;
    THelpDialog dialog(presenter, nullptr, {path});
    dialog.show();
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("HelpList"));
    auto* edit = dialog.findChild<QTextEdit*>(QStringLiteral("HelpEdit"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(presenter.shown.empty());
    for (int i = 0; i < list->count(); ++i) list->setCurrentIndex(i);
    list->setEditText(QStringLiteral("Sun"));
    QApplication::processEvents();
    dialog.close();
  }
  for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace nocturna::testing
