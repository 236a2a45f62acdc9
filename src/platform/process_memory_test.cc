#include "platform/process_memory.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelon {
namespace {

// Asking for pages ahead never touches what they hold: a buffer asked for
// after it was partly written, in stretches that begin and end inside
// pages, keeps every byte.
TEST(ProcessMemoryTest, PrefaultingKeepsWhatTheBufferHolds) {
  std::string text;
  text.reserve(1 << 20);
  for (int i = 0; i < 100000; ++i)
    text.push_back(static_cast<char>('A' + i % 26));
  const std::string before = text;
  PrefaultForWriting(text.data(), text.capacity());
  PrefaultForWriting(text.data() + 5, 3);  // within one page
  PrefaultForWriting(text.data() + 4097, 70000);
  PrefaultForWriting(text.data(), 0);
  EXPECT_TRUE(text == before);
  text.append(text.capacity() - text.size(), 'z');
  EXPECT_EQ(text.substr(0, 100000), before);
  EXPECT_EQ(text.back(), 'z');
}

}  // namespace
}  // namespace kestrelon
