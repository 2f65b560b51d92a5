// Reading the masked position fields: clamping, corrections in place, hemispheres, non-numbers.
#include <gtest/gtest.h>

#include "chart/position_field.h"

namespace nocturna {
namespace {

struct FieldCase {
  const char* typed;
  bool isNumber;
  double degrees;
  const char* shown;  // the corrected text, or the offending characters when not a number
};

void Check(const FieldCase& c, const PositionFieldReading& r) {
  SCOPED_TRACE(c.typed);
  ASSERT_EQ(r.isNumber, c.isNumber);
  if (!c.isNumber) {
    EXPECT_EQ(r.badText, c.shown);
    return;
  }
  EXPECT_NEAR(r.degrees, c.degrees, 1e-12) << "difference " << r.degrees - c.degrees;
  EXPECT_EQ(r.text, c.shown);
}

TEST(PositionField, LatitudeIsReadByPositionClampedAndCorrected) {
  const FieldCase cases[] = {
      {"Latitude 42\xB0" "00.0'N", true, 42.0, "Latitude 42\xB0" "00.0'N"},
      {"Latitude 33\xB0" "51.6'S", true, -(33 + 51.6 / 60), "Latitude 33\xB0" "51.6'S"},
      {"Latitude 95\xB0" "30.0'S", true, -90.0, "Latitude 90\xB0" "00.0'S"},
      {"Latitude 90\xB0" "00.0'N", true, 90.0, "Latitude 90\xB0" "00.0'N"},
      {"Latitude 42\xB0" "60.0'N", true, 42 + 59.9 / 60, "Latitude 42\xB0" "59.9'N"},
      {"Latitude 89\xB0" "75.5'N", true, 89 + 59.9 / 60, "Latitude 89\xB0" "59.9'N"},
      {"Latitude 00\xB0" "00.0'Q", true, 0.0, "Latitude 00\xB0" "00.0'N"},
      {"Latitude _7\xB0" "30.0'X", true, 7.5, "Latitude _7\xB0" "30.0'N"},
      {"Latitude 42\xB0" "00.0'_", true, 42.0, "Latitude 42\xB0" "00.0'N"},
      {"Latitude __\xB0" "00.0'N", false, 0.0, "__"},
      {"Latitude 4_\xB0" "00.0'N", false, 0.0, "4_"},
      {"Latitude 42\xB0" "0_.0'N", false, 0.0, "0_.0"},
      {"Latitude 42", false, 0.0, "Latitude 42"},
      {"", false, 0.0, ""},
  };
  for (const FieldCase& c : cases) Check(c, ReadLatitudeField(c.typed));
}

TEST(PositionField, LongitudeIsReadByPositionClampedAndCorrected) {
  const FieldCase cases[] = {
      {"Longitude 075\xB0" "00.0'W", true, 75.0, "Longitude 075\xB0" "00.0'W"},
      {"Longitude 090\xB0" "00.0'W", true, 90.0, "Longitude 090\xB0" "00.0'W"},
      {"Longitude 070\xB0" "30.0'E", true, -70.5, "Longitude 070\xB0" "30.0'E"},
      {"Longitude 181\xB0" "00.0'E", true, -180.0, "Longitude 180\xB0" "00.0'E"},
      {"Longitude 180\xB0" "00.0'W", true, 180.0, "Longitude 180\xB0" "00.0'W"},
      {"Longitude 180\xB0" "00.1'W", true, 180.0, "Longitude 180\xB0" "00.0'W"},
      {"Longitude 010\xB0" "99.9'W", true, 10 + 59.9 / 60, "Longitude 010\xB0" "59.9'W"},
      {"Longitude 000\xB0" "00.0'G", true, 0.0, "Longitude 000\xB0" "00.0'W"},
      {"Longitude _45\xB0" "00.0'E", true, -45.0, "Longitude _45\xB0" "00.0'E"},
      {"Longitude ___\xB0" "00.0'W", false, 0.0, "___"},
      {"Longitude 0_5\xB0" "00.0'W", false, 0.0, "0_5"},
      {"Longitude 075\xB0" "__.0'W", false, 0.0, "__.0"},
  };
  for (const FieldCase& c : cases) Check(c, ReadLongitudeField(c.typed));
}

}  // namespace
}  // namespace nocturna
