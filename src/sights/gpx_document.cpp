#include "sights/gpx_document.h"

#include <cmath>
#include <cstdio>

namespace nocturna {
namespace {

constexpr double kDegreesToRadians = M_PI / 180.0;

std::string IsoTime(DateTime utc) {
  const DecodedDateTime t = DecodeDateTime(utc + 0.5 / 86400.0);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

// lat="..." lon="..." with nine decimals (east positive), as GPX writes a point.
std::string PointAttributes(const DrPosition& position) {
  char text[80];
  std::snprintf(text, sizeof text, "lat=\"%.9f\" lon=\"%.9f\"", position.latitude, -position.longitude);
  return text;
}

// The position `miles` along the true bearing from `from`, on the Mercator sailing's flat
// approximation: well within a line's drawing accuracy over a few tens of miles.
DrPosition Along(const DrPosition& from, double bearingDegrees, double miles) {
  const double bearing = bearingDegrees * kDegreesToRadians;
  const double latitude = from.latitude + miles * std::cos(bearing) / 60.0;
  const double meanLatitude = (from.latitude + latitude) / 2.0 * kDegreesToRadians;
  return {latitude, from.longitude - miles * std::sin(bearing) / (60.0 * std::cos(meanLatitude))};
}

std::string Waypoint(const DrPosition& position, DateTime utc, const std::string& name, const std::string& description) {
  return "  <wpt " + PointAttributes(position) + ">\n    <time>" + IsoTime(utc) + "</time>\n    <name>" + name +
         "</name>\n" + (description.empty() ? "" : "    <desc>" + description + "</desc>\n") + "  </wpt>\n";
}

std::string FixWaypoint(const SightFix& fix) {
  char description[200];
  std::snprintf(description, sizeof description,
                "Celestial fix from %zu lines; error ellipse %.1f x %.1f nm, major axis %03.0f deg true%s",
                fix.residualsMiles.size(), fix.semiMajorMiles, fix.semiMinorMiles, fix.majorAxisDegrees,
                fix.poorGeometry ? "; poor geometry" : "");
  return Waypoint(fix.position, fix.utc, "Fix " + IsoTime(fix.utc).substr(11, 5), description);
}

// The line of position: through the intercept's foot, square to the azimuth.
std::string LineRoute(const SightLine& line, int number) {
  const DrPosition foot = Along(line.dr, line.znDegrees, line.interceptMiles);
  char name[64];
  std::snprintf(name, sizeof name, "LOP %d %s Zn %03.0f", number, IsoTime(line.utc).substr(11, 5).c_str(), line.znDegrees);
  std::string route = "  <rte>\n    <name>" + std::string(name) + "</name>\n";
  for (const double side : {-90.0, 90.0}) {
    route += "    <rtept " + PointAttributes(Along(foot, line.znDegrees + side, kGpxLineHalfMiles)) + "/>\n";
  }
  return route + "  </rte>\n";
}

// The run: the DR at each sight's time, then at the DR time.
std::string RunTrack(const GpxSights& sights) {
  std::string track = "  <trk>\n    <name>Run</name>\n    <trkseg>\n";
  const auto point = [](const DrPosition& position, DateTime utc) {
    return "      <trkpt " + PointAttributes(position) + "><time>" + IsoTime(utc) + "</time></trkpt>\n";
  };
  for (const SightLine& line : sights.reduction->lines) track += point(line.dr, line.utc);
  track += point(sights.dr, sights.drTime);
  return track + "    </trkseg>\n  </trk>\n";
}

}  // namespace

std::string GpxDocument(const GpxSights& sights) {
  std::string gpx =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"Nocturna\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
  if (sights.reduction->fix.found) gpx += FixWaypoint(sights.reduction->fix);
  gpx += Waypoint(sights.dr, sights.drTime, "DR", "Dead-reckoning position");
  int number = 0;
  for (const SightLine& line : sights.reduction->lines) gpx += LineRoute(line, ++number);
  gpx += RunTrack(sights);
  return gpx + "</gpx>\n";
}

}  // namespace nocturna
