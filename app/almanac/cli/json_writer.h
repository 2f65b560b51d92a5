#pragma once
// A small writer of JSON text: objects, arrays, strings, full-precision numbers, null.
#include <string>
#include <string_view>

namespace nocturna {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The member name of the next value inside an object.
  void Key(std::string_view name);
  // A number with all 17 significant digits; null when it is not finite.
  void Number(double value);
  void Integer(long value);
  // A Windows-1252 text, escaped for JSON (bytes above 0x7F pass unchanged).
  void String(std::string_view text);
  void Boolean(bool value);
  void Null();
  // An array of the texts, in order, each as String writes it.
  template <typename Texts>
  void StringArray(const Texts& texts) {
    BeginArray();
    for (const auto& text : texts) String(text);
    EndArray();
  }
  const std::string& Text() const { return text_; }

 private:
  void BeforeValue();
  std::string text_;
  bool needComma_ = false;
};

}  // namespace nocturna
