#include "navigation/nmea_waypoint.h"

#include <cmath>
#include <cstdio>

namespace nocturna {
namespace {

// degrees (>= 0) as whole degrees of `width` digits and minutes to 0.0001'.
std::string DegreesMinutes(double degrees, int width) {
  long tenThousandths = std::lround(degrees * 60.0 * 10000.0);
  const long whole = tenThousandths / (60L * 10000L);
  tenThousandths -= whole * 60L * 10000L;
  char text[64];
  std::snprintf(text, sizeof text, "%0*ld%02ld.%04ld", width, whole, tenThousandths / 10000L, tenThousandths % 10000L);
  return text;
}

}  // namespace

std::string NmeaChecksumEnding(std::string_view sentence) {
  unsigned sum = 0;
  for (const char c : sentence.substr(sentence.empty() || sentence[0] != '$' ? 0 : 1)) sum ^= static_cast<unsigned char>(c);
  char ending[8];
  std::snprintf(ending, sizeof ending, "*%02X\r\n", sum & 0xFF);
  return ending;
}

std::string WaypointSentence(const DrPosition& position, DateTime utc, std::string_view prefix, std::string_view talker) {
  const DecodedDateTime moment = DecodeDateTime(utc + 0.5 / 86400.0);  // to the nearest second
  char name[16];
  std::snprintf(name, sizeof name, "%02d%02d%02d", moment.hour, moment.minute, moment.second);
  const std::string body = "$" + std::string(talker) + "WPL," + DegreesMinutes(std::fabs(position.latitude), 2) + "," +
                           (position.latitude >= 0.0 ? "N" : "S") + "," +
                           DegreesMinutes(std::fabs(position.longitude), 3) + "," +
                           (position.longitude >= 0.0 ? "W" : "E") + "," + std::string(prefix) + name;
  return body + NmeaChecksumEnding(body);
}

}  // namespace nocturna
