// Whatever text the latitude and longitude fields hold when the user leaves them: the reading
// is a number in range or a message, and the corrected text reads back to the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "chart/position_field.h"
#include "fuzz_check.h"

namespace {

using namespace nocturna;

void CheckField(const std::string& text, PositionFieldReading (*read)(const std::string&),
                double maximum) {
  const PositionFieldReading reading = read(text);
  if (!reading.isNumber) {
    NotANumberMessage(reading.badText);
    return;
  }
  FUZZ_CHECK(std::isfinite(reading.degrees));
  FUZZ_CHECK(std::fabs(reading.degrees) <= maximum);
  FUZZ_CHECK(reading.text.size() == text.size());
  const PositionFieldReading again = read(reading.text);
  FUZZ_CHECK(again.isNumber);
  FUZZ_CHECK(again.degrees == reading.degrees);
  FUZZ_CHECK(again.text == reading.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CheckField(text, ReadLatitudeField, 90.0);
  CheckField(text, ReadLongitudeField, 180.0);
  return 0;
}
