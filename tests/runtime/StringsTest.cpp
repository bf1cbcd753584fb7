#include <gtest/gtest.h>

#include "runtime/Error.h"
#include "runtime/Strings.h"
#include "tests/support/Raised.h"

using namespace Runtime;
using TestSupport::Raised;

TEST(Strings, CutsByPositionAndLength) {
  EXPECT_EQ(Left("abcdef", 2), "ab");
  EXPECT_EQ(Left("ab", 5), "ab");
  EXPECT_EQ(Left("ab", 0), "");
  EXPECT_EQ(Right("abcdef", 2), "ef");
  EXPECT_EQ(Right("ab", 5), "ab");
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 4), "def");
  EXPECT_EQ(Mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(Mid("abcdef", 7), "");
  EXPECT_EQ(Len(""), 0);
  EXPECT_EQ(Len("\xE9t\xE9"), 3);  // one byte a character

  EXPECT_EQ(Raised([] { Left("a", -1); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { Right("a", -1); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { Mid("a", 0); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { Mid("a", 1, -2); }), ErrorNumber::InvalidProcedureCall);
}

TEST(Strings, SearchesForwardAndBackward) {
  EXPECT_EQ(InStr("abcabc", "c"), 3);
  EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
  EXPECT_EQ(InStr(7, "abcabc", "c"), 0);
  EXPECT_EQ(InStr("abc", "x"), 0);
  EXPECT_EQ(InStr(2, "abc", ""), 2);
  EXPECT_EQ(InStr(5, "abc", ""), 0);
  EXPECT_EQ(InStr("ABC", "b"), 0);
  EXPECT_EQ(InStr("ABC", "b", CompareMethod::Text), 2);
  EXPECT_EQ(InStr("\xC9T\xC9", "\xE9", CompareMethod::Text), 1);  // accented capitals fold
  EXPECT_EQ(Raised([] { InStr(0, "a", "a"); }), ErrorNumber::InvalidProcedureCall);

  EXPECT_EQ(InStrRev("abcabc", "c"), 6);
  EXPECT_EQ(InStrRev("abcabc", "c", 5), 3);
  EXPECT_EQ(InStrRev("abcabc", "bc", 5), 2);  // the match must end by start
  EXPECT_EQ(InStrRev("abc", "x"), 0);
  EXPECT_EQ(InStrRev("abc", "", 2), 2);
  EXPECT_EQ(InStrRev("abc", "a", 4), 0);
  EXPECT_EQ(InStrRev("ABC", "a", -1, CompareMethod::Text), 1);
  EXPECT_EQ(Raised([] { InStrRev("a", "a", 0); }), ErrorNumber::InvalidProcedureCall);
}

TEST(Strings, TrimsBlanksOnly) {
  EXPECT_EQ(LTrim("  a b  "), "a b  ");
  EXPECT_EQ(RTrim("  a b  "), "  a b");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
}

TEST(Strings, ChangesCaseOfWindows1252Text) {
  EXPECT_EQ(UCase("abc xyz 1"), "ABC XYZ 1");
  EXPECT_EQ(LCase("ABC XYZ 1"), "abc xyz 1");
  EXPECT_EQ(UCase("\xE9\xFF\x9A\xF7"),
            "\xC9\x9F\x8A\xF7");  // e acute, y diaeresis, s caron, divide
  EXPECT_EQ(LCase("\xC9\x9F\x8A\xD7"), "\xE9\xFF\x9A\xD7");
}

TEST(Strings, ReplacesFromStartOnwards) {
  EXPECT_EQ(Replace("a-b-c", "-", "+"), "a+b+c");
  EXPECT_EQ(Replace("a-b-c", "-", ""), "abc");
  EXPECT_EQ(Replace("a-b-c", "-", "+", 1, 1), "a+b-c");
  EXPECT_EQ(Replace("abcabc", "a", "x", 3), "cxbc");  // the result starts at start
  EXPECT_EQ(Replace("abc", "a", "x", 5), "");
  EXPECT_EQ(Replace("abc", "", "x"), "abc");
  EXPECT_EQ(Replace("AbA", "a", "x"), "AbA");
  EXPECT_EQ(Replace("AbA", "a", "x", 1, -1, CompareMethod::Text), "xbx");
  EXPECT_EQ(Replace("aaa", "aa", "a"), "aa");  // no overlapping matches
  EXPECT_EQ(Raised([] { Replace("a", "a", "b", 0); }), ErrorNumber::InvalidProcedureCall);
}

TEST(Strings, BuildsAndCodesCharacters) {
  EXPECT_EQ(Space(3), "   ");
  EXPECT_EQ(String(4, '*'), "****");
  EXPECT_EQ(String(0, '*'), "");
  EXPECT_EQ(Asc("A"), 65);
  EXPECT_EQ(Asc("\xE9"), 233);
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(Chr(0), std::string(1, '\0'));
  EXPECT_EQ(Chr(255), "\xFF");
  EXPECT_EQ(Raised([] { Asc(""); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { Chr(256); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { Space(-1); }), ErrorNumber::InvalidProcedureCall);
}

TEST(Strings, ComparesBinaryOrText) {
  EXPECT_EQ(StrComp("a", "b"), -1);
  EXPECT_EQ(StrComp("b", "a"), 1);
  EXPECT_EQ(StrComp("a", "a"), 0);
  EXPECT_EQ(StrComp("a", "ab"), -1);
  EXPECT_EQ(StrComp("B", "a"), -1);  // binary: capitals first
  EXPECT_EQ(StrComp("B", "a", CompareMethod::Text), 1);
  EXPECT_EQ(StrComp("ABC", "abc", CompareMethod::Text), 0);
  EXPECT_EQ(StrComp("\xE9", "z"), 1);  // bytes compare unsigned
}

TEST(Strings, MatchesLikePatterns) {
  struct Case {
    const char* text;
    const char* pattern;
    bool binary;
    bool text_;
  };
  const Case cases[] = {
      {"abc", "abc", true, true},
      {"abc", "ABC", false, true},
      {"abc", "a?c", true, true},
      {"ac", "a?c", false, false},
      {"abc", "a*", true, true},
      {"", "*", true, true},
      {"abc", "*c", true, true},
      {"abcabd", "*ab?", true, true},
      {"abcabe", "*abd", false, false},
      {"a1", "a#", true, true},
      {"ab", "a#", false, false},
      {"b", "[abc]", true, true},
      {"d", "[abc]", false, false},
      {"d", "[!abc]", true, true},
      {"m", "[a-z]", true, true},
      {"M", "[a-z]", false, true},
      {"-", "[a-]", true, true},
      {"*", "[*]", true, true},
      {"a*b", "a[*]b", true, true},
      {"axb", "a[*]b", false, false},
      {"ab", "a[]b", true, true},
      {"M123_0001_MachinePRDSummary_X.KVX", "?????_????_MachinePRDSummary_*.KVX", false, false},
      {"M1234_0001_MachinePRDSummary_X.KVX", "?????_????_MACHINEPRDSUMMARY_*.KVX", false, true},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " Like " + c.pattern);
    EXPECT_EQ(Like(c.text, c.pattern), c.binary);
    EXPECT_EQ(Like(c.text, c.pattern, CompareMethod::Text), c.text_);
  }
  EXPECT_EQ(Raised([] { Like("a", "[a"); }), 93);
  EXPECT_EQ(Raised([] { Like("a", "[z-a]"); }), 93);
}
