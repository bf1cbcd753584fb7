#include <gtest/gtest.h>

#include "runtime/Collection.h"
#include "tests/support/Raised.h"

using namespace Runtime;
using TestSupport::Raised;

namespace {

// The items in order, as text.
std::string Contents(const Collection& c) {
  std::string out;
  for (const Variant& item : c) out += item.GetString();
  return out;
}

Collection Letters() {
  Collection c;
  c.Add("a", "KeyA");
  c.Add("b", "KeyB");
  c.Add("c");
  return c;
}

}  // namespace

TEST(Collection, ItemsByPositionFromOneAndByKeyWithoutRegardToCase) {
  Collection c = Letters();
  EXPECT_EQ(c.Count(), 3);
  EXPECT_EQ(c.Item(int16_t{1}), Variant("a"));
  EXPECT_EQ(c.Item(3), Variant("c"));
  EXPECT_EQ(c.Item(2.4), Variant("b"));  // a position rounds to a whole number
  EXPECT_EQ(c.Item("keyb"), Variant("b"));
  EXPECT_EQ(c.Item("KEYA"), Variant("a"));
  EXPECT_EQ(c.KeyAt(1), "KeyA");
  EXPECT_EQ(c.KeyAt(3), "");

  Collection accented;
  accented.Add(1, "\xC9t\xE9");  // "Été"
  EXPECT_EQ(accented.Item("\xE9T\xC9"), Variant(1));

  c.Item("KeyA") = Variant(42);  // the item is held by reference
  EXPECT_EQ(c.Item(1), Variant(42));
}

TEST(Collection, BadIndexes) {
  const Collection c = Letters();
  EXPECT_EQ(Raised([&] { c.Item(0); }), 5);
  EXPECT_EQ(Raised([&] { c.Item(4); }), 5);
  EXPECT_EQ(Raised([&] { c.Item(-1.0); }), 5);
  EXPECT_EQ(Raised([&] { c.Item(1e20); }), 5);
  EXPECT_EQ(Raised([&] { c.Item(true); }), 5);
  EXPECT_EQ(Raised([&] { c.Item("missing"); }), ErrorNumber::KeyNotFound);
  EXPECT_EQ(Raised([&] { c.Item(""); }), ErrorNumber::KeyNotFound);
  EXPECT_EQ(Raised([&] { c.Item(Null); }), 13);
  EXPECT_EQ(Raised([&] { c.Item(Variant()); }), 13);
  EXPECT_EQ(Raised([&] { c.Item(Variant::Nothing()); }), 13);
  EXPECT_EQ(Raised([&] { c.KeyAt(0); }), 5);
  EXPECT_EQ(Raised([] { Collection().Item(1); }), 5);
}

TEST(Collection, DuplicateKeysAreRefusedAndNothingIsAdded) {
  Collection c = Letters();
  EXPECT_EQ(Raised([&] { c.Add("x", "keya"); }), 457);
  EXPECT_EQ(Raised([&] { c.Add("x", "KeyB", 1); }), 457);
  EXPECT_EQ(Raised([&] { c.Add("x", 5); }), 13);  // keys are text
  EXPECT_EQ(Contents(c), "abc");
  // An empty key is no key, so it never clashes.
  c.Add("d", "");
  c.Add("e", "");
  EXPECT_EQ(Contents(c), "abcde");
}

TEST(Collection, AddBeforeAndAfter) {
  Collection c = Letters();
  c.Add("x", Variant::Missing(), 1);
  EXPECT_EQ(Contents(c), "xabc");
  c.Add("y", "KeyY", "keyb");
  EXPECT_EQ(Contents(c), "xaybc");
  c.Add("z", Variant::Missing(), Variant::Missing(), 5);
  EXPECT_EQ(Contents(c), "xaybcz");
  c.Add("w", Variant::Missing(), Variant::Missing(), "KEYA");
  EXPECT_EQ(Contents(c), "xawybcz");
  EXPECT_EQ(c.Item("keyy"), Variant("y"));

  EXPECT_EQ(Raised([&] { c.Add("v", Variant::Missing(), 1, 2); }), 5);
  EXPECT_EQ(Raised([&] { c.Add("v", Variant::Missing(), 8); }), 5);
  EXPECT_EQ(Raised([&] { c.Add("v", Variant::Missing(), Variant::Missing(), 0); }), 5);
  EXPECT_EQ(Raised([&] { c.Add("v", "KeyV", "nokey"); }), 5);
  EXPECT_EQ(Contents(c), "xawybcz");
  EXPECT_EQ(Raised([&] { c.Item("KeyV"); }), 5);  // the refused item left no key behind
}

TEST(Collection, RemoveByPositionOrKey) {
  Collection c = Letters();
  c.Remove("KEYA");
  EXPECT_EQ(Contents(c), "bc");
  EXPECT_EQ(Raised([&] { c.Item("KeyA"); }), 5);
  c.Add("A", "keya");  // the key is free again
  c.Remove(1);
  EXPECT_EQ(Contents(c), "cA");
  EXPECT_EQ(Raised([&] { c.Item("KeyB"); }), 5);
  EXPECT_EQ(Raised([&] { c.Remove(3); }), 5);
  EXPECT_EQ(Raised([&] { c.Remove("KeyB"); }), 5);
  c.Clear();
  EXPECT_EQ(c.Count(), 0);
  EXPECT_EQ(Raised([&] { c.Item("keya"); }), 5);
}

TEST(Collection, LivesInAVariant) {
  auto c = std::make_shared<Collection>();
  c->Add(int16_t{7});
  const Variant v = c;
  EXPECT_TRUE(v.IsObject());
  ASSERT_NE(v.ObjectAs<Collection>(), nullptr);
  EXPECT_EQ(v.ObjectAs<Collection>()->Item(1), Variant(int16_t{7}));
  EXPECT_TRUE(Is(v, Variant(c)));
}
