#pragma once
// The reports' JSON: each document is built as an nlohmann::ordered_json, whose members keep the
// order they are added in, and written out by JsonDocumentText alone.
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace nocturna {

using Json = nlohmann::ordered_json;

// The value, or null when there is none.
template <typename T>
Json ValueOrNull(const std::optional<T>& value) {
  return value ? Json(*value) : Json(nullptr);
}

// The document as one line ending in a newline. Its texts are the program's Windows-1252 and are
// written as Unicode with every character beyond ASCII escaped ("\u00b0" for the degree sign), so
// the line reads the same through any output encoding. A number has the digits that read back
// as the same double; one that is not finite is written null.
std::string JsonDocumentText(const Json& document);

}  // namespace nocturna
