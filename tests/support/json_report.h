#pragma once
// Reads what a report printed as JSON with a real parser, checking what every such document
// promises: one line of ASCII text, an object whose "units" member names its units.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <nlohmann/json.hpp>

namespace nocturna::testing {

using JsonDocument = nlohmann::ordered_json;

// The document; an empty object, with the test failed, when the text is not one.
inline JsonDocument ReadJsonReport(const std::string& text) {
  JsonDocument document = JsonDocument::parse(text, nullptr, /*allow_exceptions=*/false);
  const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return c > 0 && c < 0x7F; });
  EXPECT_TRUE(ascii && text.find('\n') == text.size() - 1) << "not one ASCII line: " << text.substr(0, 200);
  if (document.is_discarded() || !document.is_object()) {
    ADD_FAILURE() << "not a JSON object: " << text.substr(0, 200);
    return JsonDocument::object();
  }
  EXPECT_TRUE(document.contains("units") && document["units"].is_string()) << "no units named";
  return document;
}

}  // namespace nocturna::testing
