#include "compare/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrelon {
namespace {

TEST(JsonWriterTest, WritesValidJsonWhateverTheBytes) {
  // Valid UTF-8 (e acute, an emoji) passes; bytes outside it (a lone byte,
  // a cut sequence, an overlong form, a surrogate, past U+10FFFF) become the
  // character of their code.
  EXPECT_EQ(JsonQuote(std::string("\"\\\r\n\t\0\x1f\x7f", 8) +
                      "\xc3\xa9\xf0\x9f\x98\x80"
                      "\xe9"
                      "A\xc3"),
            "\"\\\"\\\\\\r\\n\\t\\u0000\\u001F\\u007F\xc3\xa9\xf0\x9f\x98\x80"
            "\\u00E9A\\u00C3\"");
  EXPECT_EQ(
      JsonQuote("\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80"),
      "\"\\u00C0\\u00AF\\u00ED\\u00A0\\u0080\\u00F4\\u0090\\u0080\\u0080\"");
  JsonWriter w;
  w.BeginObject();
  w.Key("a");
  w.BeginArray();
  w.Integer(1);
  w.Number(0.25);
  w.Number(std::nan(""));
  w.Number(HUGE_VAL);
  w.EndArray();
  w.Key("e");
  w.Bool(true);
  w.EndObject();
  EXPECT_EQ(w.text(),
            "{\n  \"a\": [\n    1,\n    0.25,\n    null,\n    null\n  ],\n"
            "  \"e\": true\n}\n");
}

}  // namespace
}  // namespace kestrelon
