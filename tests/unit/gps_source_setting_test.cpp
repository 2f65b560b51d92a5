// The GPS source and the fix out as the settings file keeps them, and the endpoints typed.
#include "platform/gps_source_setting.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/setting_value.h"

namespace nocturna {
namespace {

TEST(GpsSourceSetting, TextsReadBackAndBadOnesAreRefused) {
  for (const char* text : {"serial", "gpsd localhost:2947", "gpsd [::1]:2947", "tcp 192.168.1.20:10110", "udp 10110"}) {
    const auto setting = ParseGpsSourceText(text);
    ASSERT_TRUE(setting) << text;
    EXPECT_EQ(GpsSourceText(*setting), text);
  }
  EXPECT_EQ(GpsSourceText(*ParseGpsSourceText("gpsd host")), "gpsd host:2947");
  for (const char* text : {"", "serial x", "gpsd", "tcp host:0", "tcp host:65536", "udp host", "tcp [::1", "gps x:1",
                           "tcp ho st:1"}) {
    EXPECT_FALSE(ParseGpsSourceText(text)) << text;
  }
  for (const char* text : {"off", "tcp 10110", "udp 127.0.0.1:10110", "tcp 10110 dr", "udp 127.0.0.1:10110 dr"}) {
    EXPECT_EQ(FixOutText(*ParseFixOutText(text)), text);
  }
  EXPECT_TRUE(ParseFixOutText("udp 127.0.0.1:10110 dr")->withDr);
  EXPECT_FALSE(ParseFixOutText("tcp 10110")->withDr);
  for (const char* text : {"tcp", "udp", "off dr", "tcp dr", "tcp 10110 dr dr"}) EXPECT_FALSE(ParseFixOutText(text)) << text;
}

TEST(GpsSourceSetting, SavedBesideTheHomePositionAndAnOlderFileReadsAsSerial) {
  char folder[] = "/tmp/nocturna-source-XXXXXX";
  ASSERT_NE(::mkdtemp(folder), nullptr);
  const std::string hive = std::string(folder) + "/registry.hive";
  EXPECT_EQ(ReadGpsSourceSetting(hive).kind, GpsSourceKind::Serial);  // no file
  ASSERT_TRUE(SaveSettingSwitch(hive, "ephemeris", true, "the ephemeris choice").empty());
  EXPECT_EQ(ReadGpsSourceSetting(hive).kind, GpsSourceKind::Serial);  // a file without the value
  ASSERT_TRUE(SaveGpsSourceSetting(hive, *ParseGpsSourceText("gpsd 127.0.0.1:2947")).empty());
  ASSERT_TRUE(SaveFixOutSetting(hive, *ParseFixOutText("tcp 10110")).empty());
  EXPECT_EQ(GpsSourceText(ReadGpsSourceSetting(hive)), "gpsd 127.0.0.1:2947");
  EXPECT_EQ(FixOutText(ReadFixOutSetting(hive)), "tcp 10110");
  EXPECT_TRUE(ReadSettingSwitch(hive, "ephemeris"));  // kept
  // A value that no longer reads is the serial port, not a failure.
  ASSERT_TRUE(SaveSettingValue(hive, {"gpssource", HiveValueType::String, {'x'}}, "the GPS source").empty());
  EXPECT_EQ(ReadGpsSourceSetting(hive).kind, GpsSourceKind::Serial);
  std::remove(hive.c_str());
  ::rmdir(folder);
}

}  // namespace
}  // namespace nocturna
