#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace nocturna {

void JsonWriter::BeforeValue() {
  if (needComma_) text_ += ',';
  needComma_ = true;
}

void JsonWriter::BeginObject() {
  BeforeValue();
  text_ += '{';
  needComma_ = false;
}

void JsonWriter::EndObject() {
  text_ += '}';
  needComma_ = true;
}

void JsonWriter::BeginArray() {
  BeforeValue();
  text_ += '[';
  needComma_ = false;
}

void JsonWriter::EndArray() {
  text_ += ']';
  needComma_ = true;
}

void JsonWriter::Key(std::string_view name) {
  String(name);
  text_ += ':';
  needComma_ = false;
}

void JsonWriter::Number(double value) {
  if (!std::isfinite(value)) {
    Null();
    return;
  }
  BeforeValue();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  text_ += buffer;
}

void JsonWriter::Integer(long value) {
  BeforeValue();
  text_ += std::to_string(value);
}

void JsonWriter::String(std::string_view value) {
  BeforeValue();
  text_ += '"';
  for (char c : value) {
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
      text_ += escape;
    } else {
      text_ += c;
    }
  }
  text_ += '"';
}

void JsonWriter::Boolean(bool value) {
  BeforeValue();
  text_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
}

}  // namespace nocturna
