#include "compare/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrelon {
namespace {

TEST(JsonWriterTest, WritesValidJsonWhateverTheBytes) {
  struct Case {
    std::string text;
    const char* want;
  } cases[] = {
      {std::string("\"\\\r\n\t\0\x1f\x7f", 8),
       "\"\\\"\\\\\\r\\n\\t\\u0000\\u001F\\u007F\""},
      // Valid UTF-8 passes: e acute, an emoji.
      {"\xc3\xa9\xf0\x9f\x98\x80", "\"\xc3\xa9\xf0\x9f\x98\x80\""},
      // Bytes outside valid UTF-8 (a lone byte, a cut sequence, an overlong
      // form, a surrogate, past U+10FFFF) become the character of their code.
      {"\xe9"
       "A\xc3",
       "\"\\u00E9A\\u00C3\""},
      {"\xc0\xaf\xed\xa0\x80", "\"\\u00C0\\u00AF\\u00ED\\u00A0\\u0080\""},
      {"\xf4\x90\x80\x80", "\"\\u00F4\\u0090\\u0080\\u0080\""},
  };
  for (const Case& c : cases) EXPECT_EQ(JsonQuote(c.text), c.want) << c.text;

  JsonWriter w;
  w.BeginObject();
  w.Key("a");
  w.BeginArray();
  w.Integer(1);
  w.Number(0.25);
  w.Number(std::nan(""));
  w.Number(HUGE_VAL);
  w.EndArray();
  w.Key("c");
  w.BeginObject();
  w.EndObject();
  w.Key("e");
  w.Bool(true);
  w.EndObject();
  EXPECT_EQ(w.text(),
            "{\n  \"a\": [\n    1,\n    0.25,\n    null,\n    null\n  ],\n"
            "  \"c\": {},\n  \"e\": true\n}\n");
}

}  // namespace
}  // namespace kestrelon
