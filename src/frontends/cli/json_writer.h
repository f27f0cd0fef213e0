#pragma once
// A small streaming JSON writer: objects, arrays, strings (UTF-8; invalid bytes become U+FFFD),
// numbers (non-finite ones as null) and booleans, with two-space indentation.
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The key of the next value inside an object.
  JsonWriter& Key(std::string_view key);
  void String(std::string_view text);
  void Number(double value);
  void Int(long long value);
  void Bool(bool value);
  void Null();

  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();
  void NewLine();
  void WriteQuoted(std::string_view text);

  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written in it yet
  bool after_key_ = false;
};

}  // namespace cli
