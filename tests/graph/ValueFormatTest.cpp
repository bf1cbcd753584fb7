#include <gtest/gtest.h>

#include "graph/model/GraphValueFormat.h"
#include "runtime/Regional.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

// Restores the regional settings a test changes.
class RegionalGuard {
 public:
  RegionalGuard() : saved_(Runtime::RegionalSettings::Current()) {}
  ~RegionalGuard() { Runtime::RegionalSettings::Current() = saved_; }

 private:
  Runtime::RegionalSettings saved_;
};

}  // namespace

TEST(GraphValueFormat, NewFormatTakesTheRegionalStyle) {
  GraphValueFormat format;
  EXPECT_EQ(format.DigitsAfterDecimal(), -1);
  EXPECT_EQ(format.FormatValue(1234.56), "1,234.56");
  EXPECT_EQ(format.FormatValue(-1234.56), "-1,234.56");
  EXPECT_EQ(format.FormatValue(0.5), "0.50");
  EXPECT_EQ(format.FormatValue(Variant(int16_t{7})), "7.00");
}

TEST(GraphValueFormat, EachChoiceOverridesTheRegionalOne) {
  GraphValueFormat format;
  format.DigitsAfterDecimal(1);
  format.GroupDigits(enuYesNoDefault::yes);
  EXPECT_EQ(format.FormatValue(1234.56), "1,234.6");

  format.NegParen(enuYesNoDefault::yes);
  EXPECT_EQ(format.FormatValue(-1234.56), "(1,234.6)");
  EXPECT_EQ(format.FormatValue(1234.56), "1,234.6");

  format.GroupDigits(enuYesNoDefault::No);
  format.NegParen(enuYesNoDefault::No);
  EXPECT_EQ(format.FormatValue(-1234.56), "-1234.6");

  format.DigitsAfterDecimal(2);
  format.LeadingDigit(enuYesNoDefault::No);
  EXPECT_EQ(format.FormatValue(0.25), ".25");
  format.LeadingDigit(enuYesNoDefault::yes);
  EXPECT_EQ(format.FormatValue(0.25), "0.25");

  format.DigitsAfterDecimal(0);
  format.LeadingDigit(enuYesNoDefault::No);
  EXPECT_EQ(format.FormatValue(0.25), "0");
  EXPECT_EQ(format.FormatValue(1234.5), "1235");
}

TEST(GraphValueFormat, FollowsTheRegionalSeparatorsAndDecimals) {
  RegionalGuard guard;
  auto& regional = Runtime::RegionalSettings::Current();
  regional.DecimalPoint = ',';
  regional.Grouping = '.';
  regional.Decimals = 3;
  EXPECT_EQ(GraphValueFormat().FormatValue(1234.5), "1.234,500");
}

TEST(GraphValueFormat, GapsShowEmptyAndTextIsATypeError) {
  GraphValueFormat format;
  EXPECT_EQ(format.FormatValue(Variant(Runtime::Null)), "");
  EXPECT_EQ(format.FormatValue("12.5"), "12.50");
  EXPECT_EQ(Raised([&] { format.FormatValue("twelve"); }), Runtime::ErrorNumber::TypeMismatch);
  EXPECT_EQ(Raised([&] { format.FormatValue(Variant::Nothing()); }),
            Runtime::ErrorNumber::TypeMismatch);
  format.DigitsAfterDecimal(-2);
  EXPECT_EQ(Raised([&] { format.FormatValue(1.0); }), Runtime::ErrorNumber::InvalidProcedureCall);
}
