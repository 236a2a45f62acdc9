#include "compare/report_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

namespace kestrelon {
namespace {

// Valid UTF-8 (e acute, an emoji) passes; bytes outside it (a lone byte, a
// cut sequence, an overlong form, a surrogate, past U+10FFFF) become the
// character of their code.
TEST(ReportJsonTest, KeepsEveryByteAsACharacter) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"\xc3\xa9\xf0\x9f\x98\x80", "\xc3\xa9\xf0\x9f\x98\x80"},
      {"\xe9", "\xc3\xa9"},
      {"A\xc3", "A\xc3\x83"},
      {"\xc0\xaf", "\xc3\x80\xc2\xaf"},
      {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
      {"\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(AsUtf8(c.in), c.out) << c.in;
}

// Whatever the bytes of the files, the report parses, names and control
// characters come back as characters, and an undefined ratio is null.
TEST(ReportJsonTest, StaysValidJson) {
  CompareReport r;
  r.file_a = std::string("a\"\\\r\n\t\x01\x7f\xff.rxn");
  r.species.only_in_b = {"\xe9T"};
  RateDifference d;
  d.ratios[0] = 1.0 / 3.0;
  d.ratios[1] = HUGE_VAL;
  r.reactions.rate_differences.push_back(d);
  const std::string text = RenderReportJson(r);
  ASSERT_TRUE(text.ends_with("}\n"));
  const nlohmann::json got = nlohmann::json::parse(text);
  EXPECT_EQ(got["file_a"], "a\"\\\r\n\t\x01\x7f\xc3\xbf.rxn");
  EXPECT_EQ(got["species"]["only_in_b"][0], "\xc3\xa9T");
  EXPECT_EQ(got["same"], false);
  const nlohmann::json& rate = got["reactions"]["rate_differences"][0];
  EXPECT_EQ(rate["k_ratio_1000"], 0.333333);
  EXPECT_TRUE(rate["k_ratio_2000"].is_null());
}

}  // namespace
}  // namespace kestrelon
