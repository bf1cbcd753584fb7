#include <gtest/gtest.h>

#include "runtime/Error.h"

using namespace Runtime;

TEST(Error, CarriesNumberSourceAndStandardText) {
  try {
    Raise(ErrorNumber::Overflow, "CInt");
    FAIL();
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), 6);
    EXPECT_EQ(e.Source(), "CInt");
    EXPECT_EQ(e.Description(), "Overflow");
  }
  EXPECT_EQ(Error(1001, "x", "Own text").Description(), "Own text");
}
