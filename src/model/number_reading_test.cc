#include "model/number_reading.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace kestrelon {
namespace {

// Coefficients are read without from_chars where the digits and the power
// of ten are exact doubles; the value must still be the correctly rounded
// one, to the last bit, at the edges of that shortcut too.
TEST(NumberReadingTest, NumbersReadToTheBitAsFromChars) {
  for (const char* text :
       {"7.861E+16", "-0.6200", "0.1", "1E+22", "1E+23", "3E-22", "1E-23",
        "9007199254740992", "9007199254740993", "1234567890123456789",
        "12345678901234567890", "123456789E+30", "8.9999999999999999E+15",
        "4.9E-324", "1.7976931348623157E+308", "-0.0", "1.", "+.5"}) {
    std::string_view plain = text[0] == '+' ? text + 1 : text;
    double want = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), want);
    std::optional<double> got = ParseNumberText(text);
    ASSERT_TRUE(got.has_value()) << text;
    EXPECT_EQ(std::bit_cast<uint64_t>(*got), std::bit_cast<uint64_t>(want))
        << text;
  }
}

}  // namespace
}  // namespace kestrelon
