#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/Conversions.h"
#include "runtime/Variant.h"
#include "tests/runtime/VariantValues.h"
#include "tests/support/Raised.h"

using namespace Runtime;
using TestSupport::Raised;
using namespace VariantValues;

namespace {

using Binary = Variant (*)(const Variant&, const Variant&);

struct Case {
  const char* what;
  Variant a;
  Variant b;
  Variant expected;
};

struct ErrorCase {
  const char* what;
  Variant a;
  Variant b;
  int32_t error;
};

void ExpectTable(Binary op, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(op(c.a, c.b), c.expected);
  }
}

void ExpectErrors(Binary op, const std::vector<ErrorCase>& cases) {
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Raised([&] { op(c.a, c.b); }), c.error);
  }
}

Variant Add(const Variant& a, const Variant& b) {
  return a + b;
}
Variant Sub(const Variant& a, const Variant& b) {
  return a - b;
}
Variant Mul(const Variant& a, const Variant& b) {
  return a * b;
}
Variant Div(const Variant& a, const Variant& b) {
  return a / b;
}

const Variant kTrue = true;
const Variant kFalse = false;

}  // namespace

TEST(Variant, KindsFollowTheConstructorType) {
  EXPECT_EQ(Variant().Kind(), VarType::Empty);
  EXPECT_EQ(Variant(Null).Kind(), VarType::Null);
  EXPECT_EQ(Variant(1).Kind(), VarType::Long);  // a plain int literal is a Long
  EXPECT_EQ(Int16(1).Kind(), VarType::Integer);
  EXPECT_EQ(Byte(1).Kind(), VarType::Byte);
  EXPECT_EQ(Variant(1.0f).Kind(), VarType::Single);
  EXPECT_EQ(Variant(1.0).Kind(), VarType::Double);
  EXPECT_EQ(Date(1).Kind(), VarType::Date);
  EXPECT_EQ(Variant("x").Kind(), VarType::String);
  EXPECT_EQ(Variant(std::vector<uint8_t>{1, 2}).Kind(), VarType::ByteArray);
  EXPECT_TRUE(Variant::Missing().IsMissing());
  EXPECT_TRUE(Variant::Nothing().IsNothing());
  EXPECT_TRUE(Variant(std::make_shared<Thing>()).IsObject());
  EXPECT_FALSE(Variant(std::make_shared<Thing>()).IsNothing());
  EXPECT_TRUE(Int16(1).IsNumber());
  EXPECT_FALSE(kTrue.IsNumber());
  EXPECT_FALSE(Date(1).IsNumber());
}

TEST(Variant, GettersOfAnotherKindAreTypeMismatch) {
  EXPECT_EQ(Int16(-5).GetInteger(), -5);
  EXPECT_EQ(Byte(200).GetByte(), 200);
  EXPECT_EQ(Raised([] { Int16(1).GetLong(); }), 13);
  EXPECT_EQ(Raised([] { Variant(1).GetInteger(); }), 13);
  EXPECT_EQ(Raised([] { Variant(1.0).GetDate(); }), 13);
  EXPECT_EQ(Raised([] { Variant().GetString(); }), 13);
  EXPECT_EQ(Raised([] { Variant("x").GetObject(); }), 13);
  auto thing = std::make_shared<Thing>();
  EXPECT_EQ(Variant(thing).ObjectAs<Thing>(), thing);
  EXPECT_EQ(Variant::Nothing().ObjectAs<Thing>(), nullptr);
}

TEST(Variant, IdentityComparesKindAndValue) {
  EXPECT_NE(Int16(1), Variant(1));
  EXPECT_NE(Variant(1.0), Variant(1.0f));
  EXPECT_EQ(Variant(Null), Variant(Null));
  EXPECT_EQ(Variant::Missing(), Variant::Missing());
  EXPECT_NE(Variant::Missing(), Variant());
  EXPECT_EQ(Variant::Nothing(), Variant::Nothing());
  auto thing = std::make_shared<Thing>();
  EXPECT_EQ(Variant(thing), Variant(thing));
  EXPECT_NE(Variant(thing), Variant(std::make_shared<Thing>()));
  EXPECT_NE(kTrue, Int16(-1));
}

TEST(Variant, AdditionKinds) {
  ExpectTable(Add, {
                       {"Integer + Integer", Int16(1), Int16(2), Int16(3)},
                       {"Empty + Integer", Variant(), Int16(1), Int16(1)},
                       {"Empty + Long", Variant(), Variant(1), Variant(1)},
                       {"Empty + Empty", Variant(), Variant(), Int16(0)},
                       {"Null + Integer", Variant(Null), Int16(1), Variant(Null)},
                       {"Integer + Null", Int16(1), Variant(Null), Variant(Null)},
                       {"Null + text", Variant(Null), Variant("abc"), Variant(Null)},
                       {"True + Integer", kTrue, Int16(1), Int16(0)},
                       {"True + True", kTrue, kTrue, Int16(-2)},
                       {"Byte + Byte", Byte(200), Byte(55), Byte(255)},
                       {"Byte + Integer", Byte(1), Int16(1), Int16(2)},
                       {"Integer + Long", Int16(1), Variant(1), Variant(2)},
                       {"Integer + Single", Int16(1), Sng(0.5f), Sng(1.5f)},
                       {"Long + Single", Variant(1), Sng(0.5f), Variant(1.5)},
                       {"Single + Double", Sng(0.5f), Variant(1.0), Variant(1.5)},
                       {"text + text", Variant("1"), Variant("2"), Variant("12")},
                       {"text + number", Variant("1.5"), Int16(2), Variant(3.5)},
                       {"number + text", Variant(2), Variant(" 1.5 "), Variant(3.5)},
                       {"text + Empty", Variant("1.5"), Variant(), Variant("1.5")},
                       {"Empty + text", Variant(), Variant("a"), Variant("a")},
                       {"Date + Integer", Date(100), Int16(1), Date(101)},
                       {"Double + Date", Variant(0.5), Date(100), Date(100.5)},
                       {"Date + Date", Date(100), Date(1), Date(101)},
                       {"Date + text", Date(100), Variant("2"), Date(102)},
                   });
}

TEST(Variant, SubtractionAndMultiplicationKinds) {
  ExpectTable(Sub, {
                       {"Integer - Integer", Int16(1), Int16(3), Int16(-2)},
                       {"text - text", Variant("5"), Variant("2"), Variant(3.0)},
                       {"text - Empty", Variant("5"), Variant(), Variant(5.0)},
                       {"Empty - Empty", Variant(), Variant(), Int16(0)},
                       {"Date - Date", Date(100.5), Date(98), Variant(2.5)},
                       {"Date - Long", Date(100), Variant(1), Date(99)},
                       {"Null - Long", Variant(Null), Variant(1), Variant(Null)},
                   });
  ExpectTable(Mul, {
                       {"Integer * Integer", Int16(200), Int16(100), Int16(20000)},
                       {"Byte * Byte", Byte(15), Byte(17), Byte(255)},
                       {"Long * Double", Variant(3), Variant(0.5), Variant(1.5)},
                       {"Date * Integer", Date(2), Int16(3), Variant(6.0)},
                       {"text * text", Variant("2"), Variant("3"), Variant(6.0)},
                       {"True * Integer", kTrue, Int16(5), Int16(-5)},
                   });
}

TEST(Variant, WholeArithmeticWidensInsteadOfOverflowing) {
  const Variant kMaxLong = std::numeric_limits<int32_t>::max();
  ExpectTable(Add, {
                       {"Integer past 16 bits", Int16(30000), Int16(30000), Variant(60000)},
                       {"Long past 32 bits", kMaxLong, Variant(1), Variant(2147483648.0)},
                       {"Byte past 255", Byte(200), Byte(100), Int16(300)},
                   });
  ExpectTable(Sub, {
                       {"Byte below 0", Byte(1), Byte(2), Int16(-1)},
                       {"Integer below range", Int16(-32768), Int16(1), Variant(-32769)},
                   });
  ExpectTable(Mul, {
                       {"Integer product", Int16(200), Int16(200), Variant(40000)},
                       {"Long product", Variant(65536), Variant(65536), Variant(4294967296.0)},
                   });
  EXPECT_EQ(-Int16(-32768), Variant(32768));
}

TEST(Variant, ArithmeticOverflowAndMismatch) {
  constexpr double kMax = std::numeric_limits<double>::max();
  ExpectErrors(Add, {
                        {"Double past its range", Variant(kMax), Variant(kMax), 6},
                        {"Single past its range", Sng(3e38f), Sng(3e38f), 6},
                        {"Date past 9999", Date(2958465), Int16(1), 6},
                        {"number + word", Int16(1), Variant("abc"), 13},
                        {"word + number", Variant("abc"), Int16(1), 13},
                        {"object", Int16(1), Variant(std::make_shared<Thing>()), 13},
                        {"Nothing", Variant::Nothing(), Variant(), 13},
                        {"Missing", Variant::Missing(), Int16(1), 13},
                        {"object with Null", Variant(Null), Variant::Nothing(), 13},
                    });
  ExpectErrors(Sub, {
                        {"text - word", Variant("1"), Variant("x"), 13},
                    });
  ExpectErrors(Mul, {
                        {"Double product", Variant(1e200), Variant(1e200), 6},
                    });
}

TEST(Variant, Division) {
  ExpectTable(Div, {
                       {"Integer / Integer", Int16(1), Int16(2), Variant(0.5)},
                       {"Long / Long", Variant(7), Variant(2), Variant(3.5)},
                       {"Single / Integer", Sng(1.0f), Int16(4), Sng(0.25f)},
                       {"Long / Single", Variant(1), Sng(4.0f), Variant(0.25)},
                       {"text / Integer", Variant("3"), Int16(2), Variant(1.5)},
                       {"Date / Integer", Date(3), Int16(2), Variant(1.5)},
                       {"Null / 0", Variant(Null), Int16(0), Variant(Null)},
                       {"Empty / 1", Variant(), Int16(1), Variant(0.0)},
                   });
  ExpectErrors(Div, {
                        {"by zero", Int16(1), Int16(0), 11},
                        {"by Empty", Variant(1.5), Variant(), 11},
                        {"zero by zero", Variant(0.0), Int16(0), 6},
                        {"past Double range", Variant(1e300), Variant(1e-300), 6},
                    });
}

TEST(Variant, IntegerDivisionAndModRoundTheirOperands) {
  ExpectTable(IntDiv, {
                          {"Integer", Int16(7), Int16(2), Int16(3)},
                          {"towards zero", Int16(-7), Int16(2), Int16(-3)},
                          {"Byte", Byte(9), Byte(2), Byte(4)},
                          {"2.5 rounds to 2", Variant(2.5), Int16(1), Variant(2)},
                          {"3.5 rounds to 4", Variant(3.5), Int16(1), Variant(4)},
                          {"divisor rounds", Int16(9), Variant(1.5), Variant(4)},
                          {"text", Variant("9"), Int16(2), Variant(4)},
                          {"Null", Variant(Null), Int16(0), Variant(Null)},
                      });
  ExpectTable(Mod, {
                       {"Integer", Int16(7), Int16(3), Int16(1)},
                       {"sign of the dividend", Int16(-7), Int16(3), Int16(-1)},
                       {"Long", Variant(7), Int16(-3), Variant(1)},
                       {"7.5 rounds to 8", Variant(7.5), Int16(2), Variant(0)},
                       {"6.5 rounds to 6", Variant(6.5), Int16(4), Variant(2)},
                       {"smallest Long", Variant(std::numeric_limits<int32_t>::min()), Variant(-1),
                        Variant(0)},
                   });
  ExpectErrors(IntDiv, {
                           {"by zero", Int16(1), Int16(0), 11},
                           {"by 0.4", Int16(1), Variant(0.4), 11},
                           {"Integer overflow", Int16(-32768), Int16(-1), 6},
                           {"operand past Long", Variant(1e10), Int16(1), 6},
                           {"NaN operand", Variant(std::nan("")), Int16(1), 6},
                       });
  ExpectErrors(Mod, {
                        {"by zero", Int16(1), Int16(0), 11},
                        {"word", Variant("x"), Int16(2), 13},
                    });
}

TEST(Variant, NegationAndPower) {
  EXPECT_EQ(-Int16(5), Int16(-5));
  EXPECT_EQ(-Byte(5), Int16(-5));
  EXPECT_EQ(-kTrue, Int16(1));
  EXPECT_EQ(-Variant(), Int16(0));
  EXPECT_EQ(-Variant("2"), Variant(-2.0));
  EXPECT_EQ(-Sng(2.5f), Sng(-2.5f));
  EXPECT_EQ(-Variant(Null), Variant(Null));
  EXPECT_EQ(-Variant(std::numeric_limits<int32_t>::min()), Variant(2147483648.0));

  EXPECT_EQ(Pow(Int16(2), Int16(10)), Variant(1024.0));
  EXPECT_EQ(Pow(Variant(4), Variant(0.5)), Variant(2.0));
  EXPECT_EQ(Pow(Variant(Null), Int16(2)), Variant(Null));
  EXPECT_EQ(Raised([] { Pow(Int16(0), Int16(-1)); }), 11);
  EXPECT_EQ(Raised([] { Pow(Int16(-8), Variant(0.5)); }), 5);
  EXPECT_EQ(Raised([] { Pow(Int16(10), Int16(400)); }), 6);
}

TEST(Variant, ConcatenationTreatsNullAsEmptyText) {
  ExpectTable(Concat, {
                          {"Null & Null", Variant(Null), Variant(Null), Variant(Null)},
                          {"Null & Long", Variant(Null), Variant(1), Variant("1")},
                          {"Double & text", Variant(1.5), Variant("x"), Variant("1.5x")},
                          {"Boolean & Empty", kTrue, Variant(), Variant("True")},
                          {"Empty & Empty", Variant(), Variant(), Variant("")},
                      });
  EXPECT_EQ(Raised([] { Concat(Variant("a"), Variant::Nothing()); }), 13);
}

TEST(Variant, LogicalOperators) {
  ExpectTable(And, {
                       {"Booleans", kTrue, kFalse, kFalse},
                       {"Integers", Int16(12), Int16(10), Int16(8)},
                       {"Boolean with Integer", kTrue, Int16(6), Int16(6)},
                       {"Double rounds to Long", Variant(2.5), Variant(3), Variant(2)},
                       {"Null And False", Variant(Null), kFalse, kFalse},
                       {"Null And True", Variant(Null), kTrue, Variant(Null)},
                       {"0 And Null", Int16(0), Variant(Null), Int16(0)},
                       {"text True", Variant("true"), kTrue, kTrue},
                   });
  ExpectTable(Or, {
                      {"Bytes", Byte(0xF0), Byte(0x0F), Byte(0xFF)},
                      {"Null Or True", Variant(Null), kTrue, kTrue},
                      {"Null Or False", Variant(Null), kFalse, Variant(Null)},
                      {"Null Or -1", Int16(-1), Variant(Null), Int16(-1)},
                  });
  ExpectTable(Xor, {
                       {"Booleans", kTrue, kTrue, kFalse},
                       {"Long", Variant(6), Int16(3), Variant(5)},
                       {"Null", kTrue, Variant(Null), Variant(Null)},
                   });
  EXPECT_EQ(Not(kTrue), kFalse);
  EXPECT_EQ(Not(Int16(0)), Int16(-1));
  EXPECT_EQ(Not(Variant()), Int16(-1));
  EXPECT_EQ(Not(Byte(0x0F)), Byte(0xF0));
  EXPECT_EQ(Not(Variant(Null)), Variant(Null));
  EXPECT_EQ(Raised([] { And(kTrue, Variant("maybe")); }), 13);
  EXPECT_EQ(Raised([] { Or(Variant(Null), Variant::Nothing()); }), 13);
}

TEST(Variant, ComparisonRules) {
  struct Order {
    const char* what;
    Variant a;
    Variant b;
    int binary;  // -1, 0, 1
    int text;
  };
  const std::vector<Order> cases = {
      {"Integer with Double", Int16(1), Variant(1.0), 0, 0},
      {"Long with Single", Variant(2), Sng(2.5f), -1, -1},
      {"Empty as 0", Variant(), Int16(0), 0, 0},
      {"Empty below 1", Variant(), Variant(1), -1, -1},
      {"Empty as empty text", Variant(), Variant(""), 0, 0},
      {"Empty below text", Variant(), Variant("a"), -1, -1},
      {"Empty with Empty", Variant(), Variant(), 0, 0},
      {"number with numeric text", Variant(10), Variant("9"), 1, 1},
      {"numeric text with number", Variant(" 9 "), Variant(10), -1, -1},
      {"text as text", Variant("10"), Variant("9"), -1, -1},
      {"case", Variant("abc"), Variant("ABD"), 1, -1},
      {"same letters", Variant("Abc"), Variant("aBC"), -1, 0},
      {"bytes compare unsigned", Variant("\xE9"), Variant("z"), 1, 1},
      {"True is -1", kTrue, Int16(-1), 0, 0},
      {"Date with Double", Date(45000.5), Variant(45000.5), 0, 0},
  };
  const auto sign = [](const Variant& lt, const Variant& eq) {
    return IsTrue(lt) ? -1 : IsTrue(eq) ? 0 : 1;
  };
  for (const Order& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(sign(Lt(c.a, c.b), Eq(c.a, c.b)), c.binary);
    EXPECT_EQ(sign(Lt(c.a, c.b, true), Eq(c.a, c.b, true)), c.text);
    EXPECT_EQ(IsTrue(Gt(c.b, c.a)), c.binary < 0);
    EXPECT_EQ(IsTrue(Ge(c.a, c.b)), c.binary >= 0);
    EXPECT_EQ(IsTrue(Le(c.a, c.b)), c.binary <= 0);
    EXPECT_EQ(IsTrue(Ne(c.a, c.b)), c.binary != 0);
  }
}

TEST(Variant, NumberWithWordIsTypeMismatch) {
  EXPECT_EQ(Raised([] { Lt(Variant(1e300), Variant("abc")); }), 13);
  EXPECT_EQ(Raised([] { Eq(Variant("abc"), Int16(1)); }), 13);
}

TEST(Variant, ComparisonWithNullIsNullAndObjectsAreRefused) {
  for (Binary op : {Binary{[](const Variant&a, const Variant&b) { return Eq(a, b); }},
                    Binary{[](const Variant&a, const Variant&b) { return Lt(a, b); }},
                    Binary{[](const Variant&a, const Variant&b) { return Ne(a, b); }}}) {
    EXPECT_EQ(op(Variant(Null), Int16(1)), Variant(Null));
    EXPECT_EQ(op(Variant("a"), Variant(Null)), Variant(Null));
    EXPECT_EQ(op(Variant(Null), Variant(Null)), Variant(Null));
    EXPECT_EQ(Raised([&] { op(Variant::Nothing(), Variant::Nothing()); }), 13);
    EXPECT_EQ(Raised([&] { op(Variant(1), Variant::Missing()); }), 13);
  }
}

TEST(Variant, TruthAndIdentityOfObjects) {
  EXPECT_TRUE(IsTrue(Variant("True")));
  EXPECT_TRUE(IsTrue(Variant(0.5)));
  EXPECT_FALSE(IsTrue(Variant()));
  EXPECT_FALSE(IsTrue(Variant(Null)));
  EXPECT_EQ(Raised([] { CBool(Variant(Null)); }), 94);

  auto thing = std::make_shared<Thing>();
  EXPECT_TRUE(Is(Variant(thing), Variant(thing)));
  EXPECT_TRUE(Is(Variant::Nothing(), Variant::Nothing()));
  EXPECT_FALSE(Is(Variant(thing), Variant(std::make_shared<Thing>())));
  EXPECT_FALSE(Is(Variant(thing), Variant::Nothing()));
  EXPECT_FALSE(Is(Variant(1), Variant(1)));
}

TEST(Variant, PrintsKindAndValue) {
  EXPECT_EQ(testing::PrintToString(Int16(5)), "Integer(5)");
  EXPECT_EQ(testing::PrintToString(Variant(5)), "Long(5)");
  EXPECT_EQ(testing::PrintToString(Variant(0.1)), "Double(0.1)");
  EXPECT_EQ(testing::PrintToString(Sng(0.1f)), "Single(0.1)");
  EXPECT_EQ(testing::PrintToString(Variant("a b")), "String(\"a b\")");
  EXPECT_EQ(testing::PrintToString(Variant(Null)), "Null");
  EXPECT_EQ(testing::PrintToString(Variant::Missing()), "Missing");
  EXPECT_EQ(testing::PrintToString(Variant::Nothing()), "Nothing");
  EXPECT_EQ(testing::PrintToString(Byte(7)), "Byte(7)");
}
