#include <gtest/gtest.h>

#include "constraints/MorveltFunctions.h"
#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"
#include "tests/support/Raised.h"

using namespace Morvelt;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

std::shared_ptr<TavroConstraintCategory> NamedCategory(const std::string& name) {
  auto category = std::make_shared<TavroConstraintCategory>();
  category->Name(name);
  return category;
}

}  // namespace

TEST(TavroConstraintCategory, NewCategoryIsEmptyWithItsOwnCollections) {
  TavroConstraintCategory category;
  EXPECT_EQ(category.Name(), "");
  EXPECT_EQ(category.SQLField(), "");
  EXPECT_FALSE(category.Continuous());
  EXPECT_EQ(category.Prerequisites()->Count(), 0);
  EXPECT_EQ(category.Restrictions()->Count(), 0);
  EXPECT_EQ(category.MenuItems()->Count(), 0);
  EXPECT_NE(category.Prerequisites(), category.Restrictions());
  // The getters hand out the collections held, so callers fill them in place.
  EXPECT_EQ(category.Prerequisites(), category.Prerequisites());

  category.MenuItems(nullptr);
  EXPECT_EQ(Raised([&] { category.MenuItems(); }), 91);
}

TEST(clsConstraintCategories, SelfRestrictingAddPutsTheCategoryInItsRestrictionsOnce) {
  auto product = NamedCategory("Product");
  clsConstraintCategories first;
  clsConstraintCategories second;
  first.Add(product, "Product", true);
  second.Add(product, "Product", true);

  ASSERT_EQ(product->Restrictions()->Count(), 1);
  EXPECT_EQ(product->Restrictions()->Item(Variant(1)), product);
  EXPECT_EQ(product->Restrictions()->Col()->KeyAt(1), "");
  EXPECT_EQ(first.Item(Variant("PRODUCT")), product);
  EXPECT_EQ(second.Count(), 1);

  auto date = NamedCategory("Date");
  first.Add(date, "Date");
  EXPECT_EQ(date->Restrictions()->Count(), 0);
}

TEST(clsConstraintCategories, PrerequisitesAndRestrictionsDoNotKeepTheirCategoriesAlive) {
  auto head = NamedCategory("Head");
  auto partNumber = NamedCategory("Part Number");
  std::weak_ptr<TavroConstraintCategory> watched = partNumber;
  head->Restrictions()->Add(partNumber, "Part Number");
  partNumber->Restrictions()->Add(head);
  {
    clsConstraintCategories set;
    set.Add(partNumber, "", true);
    partNumber.reset();
    EXPECT_FALSE(watched.expired());
  }
  ASSERT_TRUE(watched.expired());

  const auto restrictions = head->Restrictions();
  EXPECT_FALSE(restrictions->HoldsCategories());
  EXPECT_EQ(restrictions->Count(), 1);
  EXPECT_EQ(restrictions->Categories().front(), nullptr);
  EXPECT_EQ(Raised([&] { restrictions->Item(Variant("Part Number")); }), 91);
  const auto col = restrictions->Col();
  EXPECT_TRUE(col->Item(Variant(1)).IsNothing());
  EXPECT_EQ(col->KeyAt(1), "Part Number");
}

TEST(FindInCollection, EveryMatchCountsAndTheLastPositionWins) {
  auto category = NamedCategory("Machine");
  Runtime::Collection col;
  col.Add(Variant(category));
  col.Add(Variant(NamedCategory("Other")));
  col.Add(Variant(category));

  EXPECT_EQ(FindInCollection(&col, Variant(category), "", 1), Variant(int16_t{3}));
  EXPECT_EQ(FindInCollection(&col, Variant(category), "", 0), Variant(true));
  EXPECT_TRUE(FindInCollection(&col, Variant(NamedCategory("Machine")), "", 0).IsEmpty());
  EXPECT_EQ(FindInCollection(nullptr, Variant(category), "", 0), Variant(false));
  // Objects never equal plain values, either way round.
  EXPECT_TRUE(FindInCollection(&col, Variant("Machine"), "", 0).IsEmpty());
}

TEST(FindInCollection, ComparesANamedPropertyOfEachItem) {
  auto machine = NamedCategory("Machine");
  clsConstraints constraints;
  auto constraint = std::make_shared<TavroConstraint>();
  constraint->ConstraintCategory(machine);
  constraints.Add(std::make_shared<TavroConstraint>());
  constraints.Add(constraint, "Machine");
  const auto col = constraints.Col();

  EXPECT_EQ(FindInCollection(col.get(), Variant(machine), "ConstraintCategory", 1),
            Variant(int16_t{2}));
  // A property holding an object never equals a plain value.
  EXPECT_TRUE(FindInCollection(col.get(), Variant("Machine"), "ConstraintCategory", 0).IsEmpty());
  EXPECT_EQ(Raised([&] { FindInCollection(col.get(), Variant(machine), "Colour", 0); }), 438);

  Runtime::Collection names;
  names.Add(Variant(machine));
  names.Add(Variant(NamedCategory("Head")));
  EXPECT_EQ(FindInCollection(&names, Variant("Machine"), "name", 1), Variant(int16_t{1}));
  // Values compare as the system's "=" does: numeric text equals its number.
  Runtime::Collection numbers;
  numbers.Add(Variant(NamedCategory("5")));
  numbers.Add(Variant(NamedCategory("05")));
  EXPECT_EQ(FindInCollection(&numbers, Variant(5), "Name", 1), Variant(int16_t{2}));

  Runtime::Collection plain;
  plain.Add(Variant(1));
  EXPECT_EQ(Raised([&] { FindInCollection(&plain, Variant(1), "Name", 0); }), 424);
}

TEST(MorveltFunctions, GetObjectRefAndVersionText) {
  auto category = NamedCategory("Date");
  EXPECT_EQ(GetObjectRef(category), category);
  EXPECT_EQ(VersionText("V"), "V3.1.15");
  EXPECT_EQ(VersionText(""), "3.1.15");
}
