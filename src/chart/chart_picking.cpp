#include "chart/chart_picking.h"

#include "foundations/printf_text.h"
#include "foundations/text_forms.h"
#include "navigation/position_update.h"

namespace nocturna {

std::vector<int> BodiesAt(const BodyCatalog& catalog, const ChartGeometry& geometry,
                          int rotateSign, int flipSign, int px, int py) {
  std::vector<int> found;
  for (int k = kFirstStarIndex; k < kBodyCount; ++k) {
    const SymbolBox box =
        BodySymbolBox(geometry, ChartPoint(catalog, k, rotateSign, flipSign));
    if (box.left <= px && px <= box.right && box.top <= py && py <= box.bottom) {
      found.push_back(k);
    }
  }
  return found;
}

Message BodyMessage(const BodyCatalog& catalog, int k) {
  const CelestialBody& body = catalog.entries[k];
  const std::string hc = FormatAltAz(catalog.hc[k], false, 2);
  const std::string zn = FormatAngle360(catalog.zn[k]);
  const std::string gha = FormatAngle360(catalog.gha[k]);
  const std::string sha = FormatAngle360(body.sha);
  Message message;
  message.kind = MessageKind::Information;
  message.caption = body.name;
  if (k == kSunIndex || k == kMoonIndex) {
    const double semiDiameter =
        k == kSunIndex
            ? SunSemiDiameterMinutes(catalog.sunPlanetRecords[kSunRecord].radiusVector)
            : catalog.moonRecord.semiDiameter * 60.0;
    message.text = PrintfText("Hc = %s\n\rZn = %s\n\rSD = %4.1f\n\rGHA = %s\n\rSHA = %s",
                              hc.c_str(), zn.c_str(), semiDiameter, gha.c_str(), sha.c_str());
  } else {
    message.text = PrintfText(
        "Hc = %s\n\rZn = %s\n\rDec= %s\n\rMagnitude = %1.1f\n\rGHA = %s\n\rSHA = %s", hc.c_str(),
        zn.c_str(), FormatDeclination(body.declination).c_str(), body.magnitude, gha.c_str(),
        sha.c_str());
  }
  return message;
}

}  // namespace nocturna
