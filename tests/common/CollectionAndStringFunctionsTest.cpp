#include <gtest/gtest.h>

#include <vector>

#include "common/CollectionFunctions.h"
#include "common/CommonFunctions.h"
#include "common/StringFunctions.h"
#include "runtime/Error.h"

using namespace Common;
using Runtime::Collection;
using Runtime::Variant;

namespace {

std::vector<std::string> Pieces(const std::string& text, const std::string& sep,
                                const std::string& quotes = "") {
  std::vector<std::string> out;
  const auto pieces = SplitToCollection(text, sep, quotes);
  for (const Variant& v : *pieces) out.push_back(v.GetString());
  return out;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(InCollection, KeyTestAndPositions) {
  Collection c;
  c.Add(Variant("x"), Variant("first"));
  c.Add(Variant("y"), Variant("second"));
  EXPECT_EQ(InCollection(c, Variant("FIRST")), Variant(true));
  EXPECT_EQ(InCollection(c, Variant("third")), Variant(false));
  // A number is a position: 3 is outside two items, inside three.
  EXPECT_EQ(InCollection(c, Variant(int16_t{3})), Variant(false));
  c.Add(Variant("z"), Variant("third"));
  EXPECT_EQ(InCollection(c, Variant(int16_t{3})), Variant(true));

  EXPECT_EQ(InCollection(c, Variant("second"), 1), Variant(int16_t{2}));
  // An absent key gives Empty, not 0.
  EXPECT_TRUE(InCollection(c, Variant("none"), 1).IsEmpty());
}

TEST(InCollection, PositionModeFindsTheFirstEqualItem) {
  Collection c;
  c.Add(Variant("same"));
  c.Add(Variant("same"), Variant("later"));
  EXPECT_EQ(InCollection(c, Variant("later"), 1), Variant(int16_t{1}));

  // Objects compare by identity, not by being equal.
  auto a = std::make_shared<Collection>();
  auto b = std::make_shared<Collection>();
  Collection objects;
  objects.Add(Variant(a));
  objects.Add(Variant(b), Variant("b"));
  EXPECT_EQ(InCollection(objects, Variant("b"), 1), Variant(int16_t{2}));
}

TEST(SplitToCollection, CommaSeparated) {
  EXPECT_EQ(Pieces("a,,b", ","), (Strings{"a", "", "b"}));
  EXPECT_EQ(Pieces("a,b,", ","), (Strings{"a", "b"}));
  EXPECT_EQ(Pieces(" a , b ", ","), (Strings{"a", "b"}));
  EXPECT_EQ(Pieces(",a", ","), (Strings{"", "a"}));
  EXPECT_EQ(Pieces("", ","), Strings{});
  // Only blanks are trimmed, not tabs.
  EXPECT_EQ(Pieces("\ta ,b", ","), (Strings{"\ta", "b"}));
}

TEST(SplitToCollection, QuotesKeepSeparatorsAndStayInThePiece) {
  EXPECT_EQ(Pieces("\"a,b\",c", ",", "\""), (Strings{"\"a,b\"", "c"}));
  EXPECT_EQ(Pieces("x,\"1,2,3\",\"y\"", ",", "\""), (Strings{"x", "\"1,2,3\"", "\"y\""}));
  // An unclosed quote swallows the rest.
  EXPECT_EQ(Pieces("a,\"b,c", ",", "\""), (Strings{"a", "\"b,c"}));
}

TEST(SplitToCollection, BlankSeparatorNeverMakesEmptyPieces) {
  EXPECT_EQ(Pieces("  a   b  ", " "), (Strings{"a", "b"}));
  EXPECT_EQ(Pieces("a b ", " "), (Strings{"a", "b"}));
  EXPECT_EQ(Pieces("   ", " "), Strings{});
}

TEST(SplitToCollection, EmptySeparatorIsOnePiece) {
  EXPECT_EQ(Pieces(" a,b ", ""), Strings{"a,b"});
}

TEST(SplitToCollection, MultiCharacterSeparator) {
  EXPECT_EQ(Pieces("a::b::::c", "::"), (Strings{"a", "b", "", "c"}));
}

TEST(GetField, WalksFieldsAndStaysPastTheEnd) {
  EXPECT_EQ(GetField(1, Variant("p,q,r")), "p");
  EXPECT_EQ(GetField(0), "q");
  EXPECT_EQ(GetField(0), "r");
  EXPECT_EQ(GetField(0), "");
  EXPECT_EQ(GetField(0), "");
  EXPECT_EQ(GetField(2), "q");
  EXPECT_EQ(GetField(7), "");
  EXPECT_EQ(GetField(0), "");
  EXPECT_EQ(GetField(1, Variant("1;2"), ";"), "1");
  EXPECT_EQ(GetField(0), "2");
}

TEST(RemoveChars, ClampTheCount) {
  EXPECT_EQ(RemoveRightChars("abc", 1), "ab");
  EXPECT_EQ(RemoveRightChars("abc", 5), "");
  EXPECT_EQ(RemoveRightChars("abc", -2), "abc");
  EXPECT_EQ(RemoveLeftChars("abc", 2), "c");
  EXPECT_EQ(RemoveLeftChars("abc", 9), "");
  EXPECT_EQ(RemoveLeftChars("abc", -1), "abc");
}

TEST(IncDec, ChangeInPlaceByVariantArithmetic) {
  Variant v(int16_t{4});
  Inc(v);
  EXPECT_EQ(v, Variant(int16_t{5}));
  Dec(v, Variant(2.5));
  EXPECT_EQ(v, Variant(2.5));
  Variant text("x");
  EXPECT_THROW(Inc(text), Runtime::Error);
  Variant top(int16_t{32767});
  Inc(top);
  EXPECT_EQ(top, Variant(32768));
}

TEST(MinMaxOf, FirstWinsTiesAndNoArgumentsGiveZero) {
  EXPECT_EQ(MinOf(), Variant(int16_t{0}));
  EXPECT_EQ(MaxOf(), Variant(int16_t{0}));
  EXPECT_EQ(MinOf(3, 1.0, 2), Variant(1.0));
  EXPECT_EQ(MaxOf(3, 7, 2), Variant(7));
  // 2 (Long) and 2.0 (Double) are equal: the first stays.
  EXPECT_EQ(MinOf(2, 2.0), Variant(2));
  EXPECT_EQ(MaxOf(2.0, 2), Variant(2.0));
  EXPECT_EQ(MaxOf(Variant(-5)), Variant(-5));
  EXPECT_THROW(MaxOf(Variant(1), Variant("abc"), Variant(2)), Runtime::Error);
}
