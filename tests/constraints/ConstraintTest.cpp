#include <gtest/gtest.h>

#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "tests/constraints/ReportSet.h"
#include "tests/support/Raised.h"

using namespace Morvelt;
using ConstraintsTest::Day;
using ConstraintsTest::MakeConstraint;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

std::shared_ptr<TavroConstraintCategory> Category(const std::string& name, const std::string& field,
                                                  bool continuous) {
  auto category = std::make_shared<TavroConstraintCategory>();
  category->Name(name);
  category->SQLField(field);
  category->Continuous(continuous);
  return category;
}

}  // namespace

TEST(TavroConstraint, NewConstraintHasAnEmptyCategoryAndNoValues) {
  TavroConstraint constraint;
  EXPECT_EQ(constraint.ConstraintCategory()->Name(), "");
  EXPECT_EQ(constraint.ConstraintValues()->Count(), 0);
  EXPECT_EQ(constraint.SQLCriteria(), "()");
  EXPECT_EQ(constraint.PrintConstraint(), "");
}

TEST(TavroConstraint, ContinuousCategoryGivesARangeOfItsFirstTwoValues) {
  const auto date = Category("Date", "PRODUCT", true);

  const auto range = MakeConstraint(date, {Day(2026, 12, 8), Day(2026, 12, 9)});
  EXPECT_EQ(range->SQLCriteria(), "(PRODUCT BETWEEN #12/08/26# AND #12/09/26#)");
  EXPECT_EQ(range->PrintConstraint(), "Date = 08/12/2026 to 09/12/2026");

  // One selected label of a continuous subject: the same value twice.
  const auto twice = MakeConstraint(date, {Day(2026, 1, 5), Day(2026, 1, 5)});
  EXPECT_EQ(twice->SQLCriteria(), "(PRODUCT BETWEEN #01/05/26# AND #01/05/26#)");
  EXPECT_EQ(twice->PrintConstraint(), "Date = 05/01/2026 to 05/01/2026");

  const auto single = MakeConstraint(date, {Day(2026, 1, 5)});
  EXPECT_EQ(single->SQLCriteria(), "(PRODUCT = #01/05/26#)");
  EXPECT_EQ(single->PrintConstraint(), "Date = 05/01/2026");

  const auto three = MakeConstraint(date, {Variant(1), Variant(2), Variant(3)});
  EXPECT_EQ(three->SQLCriteria(), "(PRODUCT BETWEEN 1 AND 2)");
  EXPECT_EQ(three->PrintConstraint(), "Date = 1 to 2");
}

TEST(TavroConstraint, ListCategoryJoinsItsValues) {
  const auto product = Category("Product", "PRODUCT", false);
  const auto two = MakeConstraint(product, {Variant("A1"), Variant("B2")});
  EXPECT_EQ(two->SQLCriteria(), "(PRODUCT = 'A1' OR PRODUCT = 'B2')");
  EXPECT_EQ(two->PrintConstraint(), "Product = A1 and B2");

  const auto machine = Category("Machine", "MACHINE", false);
  const auto three = MakeConstraint(machine, {Variant(int16_t{1}), Variant(2), Variant(3.5)});
  EXPECT_EQ(three->SQLCriteria(), "(MACHINE = 1 OR MACHINE = 2 OR MACHINE = 3.5)");
  EXPECT_EQ(three->PrintConstraint(), "Machine = 1, 2 and 3.5");

  const auto four = MakeConstraint(machine, {Variant(1), Variant(2), Variant(3), Variant(4)});
  EXPECT_EQ(four->PrintConstraint(), "Machine = 1, 2, 3 and 4");
}

TEST(TavroConstraint, QuotesInsideTextStayInsideTheLiteral) {
  const auto product = Category("Product", "PRODUCT", false);
  const auto constraint = MakeConstraint(product, {Variant("O'Brien"), Variant("x' OR '1'='1")});
  EXPECT_EQ(constraint->SQLCriteria(), "(PRODUCT = 'O''Brien' OR PRODUCT = 'x'' OR ''1''=''1')");
  // The printable text shows the name as it is.
  EXPECT_EQ(constraint->PrintConstraint(), "Product = O'Brien and x' OR '1'='1");
}

TEST(TavroConstraint, AValueWithoutATextFormRaisesToTheCaller) {
  const auto constraint = MakeConstraint(Category("Error", "ERR", false), {Variant(Runtime::Null)});
  EXPECT_EQ(Raised([&] { constraint->SQLCriteria(); }), 94);
  EXPECT_EQ(Raised([&] { constraint->PrintConstraint(); }), 94);
}
