#include <gtest/gtest.h>

#include <memory>

#include "common/CountedObject.h"
#include "common/KeyedCollection.h"
#include "tests/support/Raised.h"

using Runtime::Variant;
using TestSupport::Raised;

namespace {

struct FirstLibrary {};
struct SecondLibrary {};
using FirstObject = Common::CountedObject<FirstLibrary>;
using SecondObject = Common::CountedObject<SecondLibrary>;

struct FirstThing : FirstObject {};
struct SecondThing : SecondObject {};

struct FirstThings : Common::KeyedCollection<FirstThing, FirstObject> {
  void Add(std::shared_ptr<FirstThing> thing, const std::string& key) {
    Append(std::move(thing), key);
  }
  using KeyedCollection::Col;
};

}  // namespace

TEST(CountedObject, EachLibraryCountsItsOwnObjects) {
  {
    FirstThing first;
    FirstThing copy(first);
    SecondThing second;
    EXPECT_EQ(FirstObject::Alive(), 2);
    EXPECT_EQ(SecondObject::Alive(), 1);

    // A collection counts among its library's objects, its items apart.
    FirstThings things;
    things.Add(std::make_shared<FirstThing>(), "one");
    EXPECT_EQ(FirstObject::Alive(), 4);
    EXPECT_EQ(SecondObject::Alive(), 1);
    EXPECT_EQ(things.Item(Variant("ONE")), things.Item(Variant(1)));
    things.Col()->Add(Variant(std::make_shared<SecondThing>()));
    EXPECT_EQ(Raised([&] { things.Item(Variant(2)); }), 13);
    EXPECT_EQ(Raised([&] { things.Add(nullptr, ""); }), 91);
  }
  EXPECT_EQ(FirstObject::Alive(), 0);
  EXPECT_EQ(SecondObject::Alive(), 0);
}
