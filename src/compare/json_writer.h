// A small streaming JSON writer: objects, arrays, strings, numbers, booleans
// and null, indented by two blanks per level. Strings are escaped so that
// the output is always valid JSON: quote, backslash and control characters
// are escaped, valid UTF-8 passes through, and any byte that is not part of
// valid UTF-8 is written as the character of the same code (\u00XX), since
// mechanism files are not always UTF-8. A number that is not finite is
// written as null. Misuse (a value without a key inside an object) is the
// caller's fault and is not checked beyond debug assertions.
#ifndef KESTRELON_COMPARE_JSON_WRITER_H_
#define KESTRELON_COMPARE_JSON_WRITER_H_

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view value);
  void Number(double value);
  void Integer(long long value);
  void Bool(bool value);
  void Null();

  // The text so far, closed by a line feed once the outermost value ends.
  const std::string& text() const { return text_; }

 private:
  void BeforeValue();
  void NewLine();

  std::string text_;
  // One entry per open object or array: whether it holds a value yet.
  std::vector<bool> has_items_;
  bool after_key_ = false;
};

// `value` as a JSON string literal, quotes included.
std::string JsonQuote(std::string_view value);

}  // namespace kestrelon

#endif  // KESTRELON_COMPARE_JSON_WRITER_H_
