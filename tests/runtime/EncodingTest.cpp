#include <gtest/gtest.h>

#include "runtime/Encoding.h"

using namespace Runtime;

TEST(Encoding, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Encoding, MapsTheHighRangeAndRejectsWhatItLacks) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\xC3\xA9");      // e acute
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), "\x80");
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");     // a CJK character
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");           // truncated sequence
  EXPECT_EQ(Utf8ToCp1252("\xFF" "b"), "?b");
}
