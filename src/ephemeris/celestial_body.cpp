#include "ephemeris/celestial_body.h"

#include <algorithm>
#include <cstring>

namespace nocturna {

void SetBodyName(CelestialBody& body, std::string_view text) {
  const std::size_t length = std::min<std::size_t>(text.size(), kBodyNameCapacity - 1);
  std::memcpy(body.name, text.data(), length);
  body.name[length] = '\0';
}

}  // namespace nocturna
