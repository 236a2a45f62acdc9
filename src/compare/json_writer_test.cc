#include "compare/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kestrelon {
namespace {

TEST(JsonWriterTest, QuotesEveryStringIntoValidJson) {
  struct Case {
    std::string text;
    const char* want;
  } cases[] = {
      {"ABC", "\"ABC\""},
      {"A\"B\\C", "\"A\\\"B\\\\C\""},
      {"\r\n\t", "\"\\r\\n\\t\""},
      {std::string("A\0B", 3), "\"A\\u0000B\""},
      {"\x01\x1f\x7f", "\"\\u0001\\u001F\\u007F\""},
      // Valid UTF-8 passes: e acute, an emoji.
      {"\xc3\xa9", "\"\xc3\xa9\""},
      {"\xf0\x9f\x98\x80", "\"\xf0\x9f\x98\x80\""},
      // Bytes outside valid UTF-8 become the character of the same code.
      {"\xe9", "\"\\u00E9\""},
      {"A\xc3", "\"A\\u00C3\""},
      {"\xc0\xaf", "\"\\u00C0\\u00AF\""},
      {"\xed\xa0\x80", "\"\\u00ED\\u00A0\\u0080\""},
      {"\xf4\x90\x80\x80", "\"\\u00F4\\u0090\\u0080\\u0080\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JsonQuote(c.text), c.want) << c.text;
  }
}

TEST(JsonWriterTest, IndentsNestedValues) {
  JsonWriter w;
  w.BeginObject();
  w.Key("a");
  w.Integer(1);
  w.Key("b");
  w.BeginArray();
  w.String("x");
  w.Number(0.25);
  w.Null();
  w.EndArray();
  w.Key("c");
  w.BeginObject();
  w.EndObject();
  w.Key("d");
  w.BeginArray();
  w.EndArray();
  w.Key("e");
  w.Bool(true);
  w.Key("f");
  w.Number(std::nan(""));
  w.Key("g");
  w.Number(HUGE_VAL);
  w.EndObject();
  EXPECT_EQ(w.text(),
            "{\n"
            "  \"a\": 1,\n"
            "  \"b\": [\n"
            "    \"x\",\n"
            "    0.25,\n"
            "    null\n"
            "  ],\n"
            "  \"c\": {},\n"
            "  \"d\": [],\n"
            "  \"e\": true,\n"
            "  \"f\": null,\n"
            "  \"g\": null\n"
            "}\n");
}

}  // namespace
}  // namespace kestrelon
