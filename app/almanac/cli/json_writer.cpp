#include "cli/json_writer.h"

#include "foundations/windows1252.h"

namespace nocturna {
namespace {

// The value with its texts, member names included, turned from Windows-1252 into UTF-8.
Json InUnicode(const Json& value) {
  if (value.is_string()) return Windows1252ToUtf8(value.get_ref<const std::string&>());
  if (value.is_array()) {
    Json array = Json::array();
    for (const Json& element : value) array.push_back(InUnicode(element));
    return array;
  }
  if (value.is_object()) {
    Json object = Json::object();
    for (const auto& member : value.items()) object[Windows1252ToUtf8(member.key())] = InUnicode(member.value());
    return object;
  }
  return value;
}

}  // namespace

std::string JsonDocumentText(const Json& document) {
  constexpr int kOneLine = -1;
  constexpr bool kEscapeBeyondAscii = true;
  return InUnicode(document).dump(kOneLine, ' ', kEscapeBeyondAscii) + "\n";
}

}  // namespace nocturna
