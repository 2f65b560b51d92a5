// The registry hive and the saved home position: the file's text, its atomic replacement under
// failures, damaged files, and the read rules of the "lat" and "lon" values.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "platform/home_position.h"
#include "platform/registry_hive.h"
#include "platform/registry_hive_file.h"

namespace nocturna {
namespace {

namespace fs = std::filesystem;

// A private folder for one test, removed afterwards; the user's own files are never touched.
class HiveFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "hive-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    path_ = (folder_ / "nocturna" / "registry.hive").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string FileText(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void WriteFile(const std::string& path, const std::string& text) const {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  // Files in the hive's folder other than the hive itself (temporary files left behind).
  int StrayFiles() const {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(path_).parent_path())) {
      if (entry.path().filename() != "registry.hive") ++n;
    }
    return n;
  }
  DrPosition ReadBack() const {
    const HomePositionRead read = ReadHomePosition(path_);
    EXPECT_TRUE(read.found);
    return {read.latitude.value_or(-999.0), read.longitude.value_or(-999.0)};
  }

  fs::path folder_;
  std::string path_;
};

Hive HiveWith(const std::string& name, HiveValueType type, std::vector<std::uint8_t> data) {
  Hive hive;
  SetHiveValue(OpenOrCreateHiveKey(hive, kHomePositionKey), HiveValue{name, type, data});
  return hive;
}

std::vector<std::uint8_t> Bytes(double value) {
  const auto bytes = LittleEndianBytes(value);
  return {bytes.begin(), bytes.end()};
}

// A body of lines sealed with the check line a valid file ends with, so that only the
// structure is under test: the CRC-32 of zlib, computed here bit by bit.
std::string WithChecksum(const std::string& body) {
  std::uint32_t c = 0xFFFFFFFFU;
  for (const unsigned char ch : body) {
    c ^= ch;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
  }
  char check[16];
  std::snprintf(check, sizeof check, "%08x", c ^ 0xFFFFFFFFU);
  return body + "crc32 " + check + "\n";
}

TEST(RegistryHiveText, KnownBytesAndRoundTrip) {
  // Little-endian IEEE 754 doubles, from Python's struct.pack('<d', v).
  EXPECT_EQ(Bytes(42.0), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0x45, 0x40}));
  EXPECT_EQ(Bytes(-70.5), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0xa0, 0x51, 0xc0}));
  EXPECT_EQ(WithChecksum("123456789").substr(9), "crc32 cbf43926\n");

  Hive hive;
  HiveKey& quillon = OpenOrCreateHiveKey(hive, "\\software\\Quillon");
  SetHiveValue(quillon, {"lat", HiveValueType::Binary, Bytes(42.0)});
  SetHiveValue(quillon, {"empty", HiveValueType::None, {}});
  SetHiveValue(OpenOrCreateHiveKey(hive, "\\software\\Other"), {"name", HiveValueType::String, {'x'}});
  SetHiveValue(OpenOrCreateHiveKey(hive, "\\SOFTWARE\\quillon"), {"LAT", HiveValueType::Binary, Bytes(-0.0)});
  const std::string text = SerializeHive(hive);
  EXPECT_EQ(text.substr(0, 74),
            "NOCTURNA-HIVE 1\nkey \\software\\Quillon\nvalue LAT binary 8 0000000000000080\n");
  const HiveParse parse = ParseHive(text);
  ASSERT_TRUE(parse.ok) << parse.problem;
  ASSERT_EQ(parse.hive.keys.size(), 2u);  // names compare without regard to case
  const HiveKey* key = FindHiveKey(parse.hive, "\\Software\\QUILLON");
  ASSERT_NE(key, nullptr);
  ASSERT_EQ(key->values.size(), 2u);
  EXPECT_EQ(FindHiveValue(*key, "lat")->data, Bytes(-0.0));
  EXPECT_EQ(FindHiveValue(*key, "empty")->type, HiveValueType::None);
  EXPECT_EQ(SerializeHive(parse.hive), text);

  // Names the file cannot hold are refused rather than written half.
  for (const std::string& bad :
       {std::string(), std::string("with space"), std::string("tab\t"), std::string(256, 'a')}) {
    EXPECT_EQ(SerializeHive(HiveWith(bad, HiveValueType::Binary, {})), "") << bad;
  }
}

TEST(RegistryHiveText, RefusesEveryDamage) {
  Hive hive;
  SetHiveValue(OpenOrCreateHiveKey(hive, kHomePositionKey), {"lat", HiveValueType::Binary, Bytes(42.0)});
  SetHiveValue(OpenOrCreateHiveKey(hive, kHomePositionKey), {"lon", HiveValueType::Binary, Bytes(75.0)});
  const std::string text = SerializeHive(hive);
  // Every shorter file (a write cut off anywhere) and every changed byte is refused.
  for (std::size_t n = 0; n < text.size(); ++n) {
    EXPECT_FALSE(ParseHive(text.substr(0, n)).ok) << "cut at " << n;
    for (const char replacement : {'0', '\n', '\0', '\xB0'}) {
      std::string changed = text;
      if (changed[n] == replacement) continue;
      changed[n] = replacement;
      EXPECT_FALSE(ParseHive(changed).ok) << "byte " << n << " changed";
    }
  }
  // Well-sealed files whose structure is wrong.
  const std::string head = "NOCTURNA-HIVE 1\n";
  const std::string key = "key \\software\\Quillon\n";
  const struct {
    std::string body;
    const char* why;
  } cases[] = {
      {"NOCTURNA-HIVE 2\n", "newer format"},
      {"NOCTURNA-HIVE 1 \n", "trailing space"},
      {head + "value lat binary 8 0000000000004540\n", "value outside a key"},
      {head + "key software\n", "key without backslash"},
      {head + key + key, "repeated key"},
      {head + key + "value lat binary 8 0000000000004540\nvalue LAT binary 0\n", "repeated value"},
      {head + key + "value lat float 8 0000000000004540\n", "unknown type"},
      {head + key + "value lat binary 8 00000000000045\n", "too little data"},
      {head + key + "value lat binary 08 0000000000004540\n", "leading zero"},
      {head + key + "value lat binary 8 000000000000454G\n", "not hex"},
      {head + key + "value lat binary 8 0000000000004540 \n", "extra field"},
      {head + key + "value lat binary 0 \n", "empty data field"},
      {head + key + "value lat binary 99999999 00\n", "huge length"},
      {head + key + "\n", "empty line"},
      {head + key + "value lat binary 2 0a0b\r\n", "carriage return"},
  };
  for (const auto& c : cases) {
    const HiveParse parse = ParseHive(WithChecksum(c.body));
    EXPECT_FALSE(parse.ok) << c.why;
    EXPECT_FALSE(parse.problem.empty()) << c.why;
  }
  EXPECT_TRUE(ParseHive(WithChecksum(head + key + "value lat binary 0\n")).ok);
}

TEST_F(HiveFolder, SaveThenReadIsBitForBit) {
  EXPECT_EQ(LoadHive(path_).state, HiveFileState::Absent);
  const HomePositionRead none = ReadHomePosition(path_);
  EXPECT_FALSE(none.found);
  EXPECT_TRUE(none.messages.empty());

  const DrPosition positions[] = {{42.0, 75.0},   {0.1, -70.5},         {-0.0, 180.0},
                                  {-90.0, -180.0}, {1e-300, 0.3 - 0.1}, {33.123456789, 1.0 / 3}};
  for (const DrPosition& p : positions) {
    const HomePositionSave save = SaveHomePosition(path_, p);
    ASSERT_TRUE(save.saved) << (save.messages.empty() ? "" : save.messages[0].text);
    EXPECT_TRUE(save.messages.empty());
    const DrPosition back = ReadBack();
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back.latitude), std::bit_cast<std::uint64_t>(p.latitude));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back.longitude), std::bit_cast<std::uint64_t>(p.longitude));
  }
  EXPECT_EQ(StrayFiles(), 0);
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::others_read, fs::perms::none);

  // Other keys and values of a readable file are kept by a save.
  Hive hive = LoadHive(path_).hive;
  SetHiveValue(OpenOrCreateHiveKey(hive, kHomePositionKey), {"note", HiveValueType::String, {'h'}});
  SetHiveValue(OpenOrCreateHiveKey(hive, "\\software\\Else"), {"x", HiveValueType::Dword, {1, 0, 0, 0}});
  ASSERT_TRUE(SaveHive(path_, hive, false).ok);
  ASSERT_TRUE(SaveHomePosition(path_, {10.0, 20.0}).saved);
  const Hive after = LoadHive(path_).hive;
  ASSERT_NE(FindHiveKey(after, "\\software\\Else"), nullptr);
  EXPECT_NE(FindHiveValue(*FindHiveKey(after, kHomePositionKey), "note"), nullptr);
  EXPECT_EQ(ReadBack().latitude, 10.0);
}

// The previous position survives every way a save can fail: the rename refused, the flush
// refused, and the program killed before the rename. (A full disk: the window's tests.)
TEST_F(HiveFolder, FailedSaveKeepsThePreviousPosition) {
  ASSERT_TRUE(SaveHomePosition(path_, {42.5, 71.25}).saved);
  const std::string before = FileText(path_);

  HiveFileOps refuseRename;
  refuseRename.rename = [](const char*, const char*) {
    errno = EROFS;
    return -1;
  };
  HiveFileOps refuseFlush;
  refuseFlush.fsync = [](int) {
    errno = EIO;
    return -1;
  };
  for (const HiveFileOps& ops : {refuseRename, refuseFlush}) {
    const HomePositionSave save = SaveHomePosition(path_, {-10.0, -20.0}, ops);
    EXPECT_FALSE(save.saved);
    ASSERT_EQ(save.messages.size(), 1u);
    EXPECT_EQ(save.messages[0].kind, MessageKind::Error);
    EXPECT_NE(save.messages[0].text.find("not saved"), std::string::npos) << save.messages[0].text;
    EXPECT_EQ(FileText(path_), before);
    EXPECT_EQ(StrayFiles(), 0);
  }

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    HiveFileOps die;
    die.fsync = [](int) -> int { ::_exit(3); };
    SaveHomePosition(path_, {-10.0, -20.0}, die);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3);
  EXPECT_EQ(FileText(path_), before);
  EXPECT_EQ(ReadBack().longitude, 71.25);
  EXPECT_EQ(StrayFiles(), 1);  // the dead save's temporary file, which nothing reads
  ASSERT_TRUE(SaveHomePosition(path_, {1.0, 2.0}).saved);
  EXPECT_EQ(ReadBack().longitude, 2.0);
}

TEST_F(HiveFolder, DamagedFileIsReportedKeptAndSetAsideOnSave) {
  const std::string junk = "NOCTURNA-HIVE 1\nkey \\software\\Quillon\nvalue lat bin";
  WriteFile(path_, junk);
  const HomePositionRead read = ReadHomePosition(path_);
  EXPECT_FALSE(read.found);
  ASSERT_EQ(read.messages.size(), 1u);
  EXPECT_NE(read.messages[0].text.find("damaged"), std::string::npos);
  EXPECT_EQ(FileText(path_), junk);  // reading never rewrites

  const HomePositionSave save = SaveHomePosition(path_, {5.0, 6.0});
  ASSERT_TRUE(save.saved);
  ASSERT_EQ(save.messages.size(), 1u);
  EXPECT_EQ(save.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(FileText(path_ + ".damaged"), junk);
  EXPECT_EQ(ReadBack().latitude, 5.0);

  WriteFile(path_, "garbage");
  ASSERT_TRUE(SaveHomePosition(path_, {7.0, 8.0}).saved);
  EXPECT_EQ(FileText(path_ + ".damaged"), junk);
  EXPECT_EQ(FileText(path_ + ".damaged-2"), "garbage");

  // A file the system will not let us read is neither used nor replaced.
  fs::remove(path_);
  fs::create_directory(path_);
  EXPECT_FALSE(ReadHomePosition(path_).found);
  EXPECT_EQ(ReadHomePosition(path_).messages.size(), 1u);
  EXPECT_FALSE(SaveHomePosition(path_, {1.0, 1.0}).saved);
  EXPECT_TRUE(fs::is_directory(path_));
}

// A named pipe in the file's place answers at once as a damaged file (no writer ever comes), and
// the next save keeps it aside like any damaged file.
TEST_F(HiveFolder, ANamedPipeIsADamagedFileAndNeverBlocks) {
  fs::create_directories(fs::path(path_).parent_path());
  ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  auto reading = std::async(std::launch::async, [&] { return ReadHomePosition(path_); });
  if (reading.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
    ADD_FAILURE() << "reading the settings blocks on a named pipe";
    ::close(::open(path_.c_str(), O_WRONLY | O_NONBLOCK));  // a writer comes and goes: the read ends
  }
  const HomePositionRead read = reading.get();
  EXPECT_FALSE(read.found);
  ASSERT_EQ(read.messages.size(), 1u);
  EXPECT_NE(read.messages[0].text.find("is damaged (it is not a regular file)"), std::string::npos)
      << read.messages[0].text;

  ASSERT_TRUE(SaveHomePosition(path_, {5.0, 6.0}).saved);
  EXPECT_TRUE(fs::is_fifo(path_ + ".damaged"));
  EXPECT_EQ(ReadBack().latitude, 5.0);
}

// Saves killed between writing their temporary file and renaming it leave it behind; the next
// save removes those, and only those: other files of a like name are someone else's.
TEST_F(HiveFolder, TemporaryFilesOfKilledSavesGoAtTheNextSave) {
  ASSERT_TRUE(SaveHomePosition(path_, {1.0, 2.0}).saved);
  const std::string whole = FileText(path_);
  WriteFile(path_ + ".a1B2c3", whole);
  WriteFile(path_ + ".Zz9Yy8", whole.substr(0, 20));
  WriteFile(path_ + ".000000", "");
  WriteFile(path_ + ".backup", "my own notes");
  WriteFile(path_ + ".old", whole);
  ASSERT_EQ(StrayFiles(), 5);

  ASSERT_TRUE(SaveHomePosition(path_, {3.0, 4.0}).saved);
  EXPECT_EQ(StrayFiles(), 2);
  EXPECT_EQ(FileText(path_ + ".backup"), "my own notes");
  EXPECT_EQ(FileText(path_ + ".old"), whole);
  EXPECT_EQ(ReadBack().latitude, 3.0);
}

TEST_F(HiveFolder, ValueReadRules) {
  const struct {
    const char* name;
    HiveValueType type;
    std::vector<std::uint8_t> data;
    bool found;
    std::optional<double> latitude;
    int messages;
  } cases[] = {
      {"lat", HiveValueType::Binary, Bytes(12.5), true, 12.5, 0},
      {"lat", HiveValueType::None, Bytes(12.5), true, 12.5, 0},  // no type reads as binary
      {"lat", HiveValueType::String, Bytes(12.5), false, {}, 1},
      {"lat", HiveValueType::Qword, Bytes(12.5), false, {}, 1},
      {"lat", HiveValueType::Binary, {1, 2, 3, 4, 5, 6, 7, 8, 9}, false, {}, 1},
      {"lat", HiveValueType::Binary, {0, 0, 0x45, 0x40}, false, {}, 1},  // not a whole double
      {"lat", HiveValueType::Binary, Bytes(std::nan("")), true, {}, 1},
      {"lat", HiveValueType::Binary, Bytes(-HUGE_VAL), true, {}, 1},
      {"lat", HiveValueType::Binary, Bytes(90.5), true, {}, 1},
      {"lat", HiveValueType::Binary, Bytes(-90.0), true, -90.0, 0},
      {"other", HiveValueType::String, {'x'}, true, {}, 0},  // neither value: both left as were
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(SaveHive(path_, HiveWith(c.name, c.type, c.data), false).ok);
    const HomePositionRead read = ReadHomePosition(path_);
    EXPECT_EQ(read.found, c.found) << c.name << " " << c.data.size();
    EXPECT_EQ(read.latitude, c.latitude) << c.data.size();
    EXPECT_FALSE(read.longitude.has_value());
    ASSERT_EQ(static_cast<int>(read.messages.size()), c.messages) << c.data.size();
    if (c.messages > 0 && !c.found) {
      EXPECT_NE(read.messages[0].text.find("Registry read error"), std::string::npos);
    }
  }
  // A bad longitude stops the whole read: the good latitude is not used either.
  Hive both = HiveWith("lat", HiveValueType::Binary, Bytes(1.0));
  SetHiveValue(OpenOrCreateHiveKey(both, kHomePositionKey), {"lon", HiveValueType::String, {'7'}});
  ASSERT_TRUE(SaveHive(path_, both, false).ok);
  EXPECT_FALSE(ReadHomePosition(path_).latitude.has_value());
  // Longitudes may reach 180 either way, not beyond.
  SetHiveValue(OpenOrCreateHiveKey(both, kHomePositionKey), {"lon", HiveValueType::Binary, Bytes(-180.0)});
  ASSERT_TRUE(SaveHive(path_, both, false).ok);
  EXPECT_EQ(ReadHomePosition(path_).longitude, -180.0);
  SetHiveValue(OpenOrCreateHiveKey(both, kHomePositionKey), {"lon", HiveValueType::Binary, Bytes(180.01)});
  ASSERT_TRUE(SaveHive(path_, both, false).ok);
  EXPECT_FALSE(ReadHomePosition(path_).longitude.has_value());
}

TEST_F(HiveFolder, PathAndSymbolicLink) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string keep = oldXdg != nullptr ? oldXdg : "";
  ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  EXPECT_EQ(DefaultHivePath(), folder_.string() + "/nocturna/registry.hive");
  ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
  EXPECT_EQ(DefaultHivePath(), std::string(std::getenv("HOME")) + "/.config/nocturna/registry.hive");
  if (oldXdg != nullptr) {
    ::setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }

  // A hive kept elsewhere through a link stays linked after a save.
  const std::string real = (folder_ / "dotfiles" / "registry.hive").string();
  ASSERT_TRUE(SaveHomePosition(real, {3.0, 4.0}).saved);
  fs::create_directories(fs::path(path_).parent_path());
  fs::create_symlink(real, path_);
  ASSERT_TRUE(SaveHomePosition(path_, {5.0, 6.0}).saved);
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(ReadHomePosition(real).latitude, 5.0);
}

}  // namespace
}  // namespace nocturna
