#include <gtest/gtest.h>

#include <map>

#include "constraints/TavroConstraintCol.h"
#include "constraints/TavroSPCConstraints.h"
#include "runtime/Strings.h"
#include "tests/constraints/ReportSet.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Morvelt;
using namespace ConstraintsTest;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

std::shared_ptr<TavroConstraintCategory> Named(const std::string& name, bool continuous = false) {
  auto category = std::make_shared<TavroConstraintCategory>();
  category->Name(name);
  category->Continuous(continuous);
  category->SQLField(Runtime::UCase(name));
  return category;
}

class ConstraintSet : public testing::Test {
 protected:
  std::shared_ptr<TavroConstraintCategory> Category(const char* name) {
    return set->ConstraintCategories()->Item(Variant(name));
  }
  void Constrain(const char* name, std::initializer_list<Variant> values) {
    set->Constraints()->Add(MakeConstraint(Category(name), values), name);
  }
  // The availability of every category tool after a selection.
  std::map<std::string, bool> Offered(int16_t from = 1, int16_t to = 2) {
    Select(from, to);
    std::map<std::string, bool> offered;
    for (const char* id : {"Date", "Product", "Error", "PartNumber", "Machine", "Head"})
      offered[id] = Enabled(*toolbar, id);
    return offered;
  }

  // A selection on the chart.
  void Select(int16_t from, int16_t to) { graph->Raise(graph->SelectPoints, from, to); }

  std::shared_ptr<Platform::ToolBarControl> toolbar = MainToolBar();
  GraphTest::TestHost host;
  std::shared_ptr<Dravex::Graph> graph = host.graph;
  std::shared_ptr<TavroSPCConstraints> set = CompWastageSet(toolbar, graph);
};

}  // namespace

TEST(TavroSPCConstraints, NewSetIsEmpty) {
  TavroSPCConstraints set;
  EXPECT_EQ(set.Subject(), nullptr);
  EXPECT_EQ(set.ConstraintCategories()->Count(), 0);
  EXPECT_EQ(set.Constraints()->Count(), 0);
  EXPECT_EQ(set.MenuItem(), nullptr);
  EXPECT_EQ(set.MenuObject(), nullptr);
  EXPECT_EQ(set.SPCGraph(), nullptr);
  EXPECT_EQ(set.Parent(), nullptr);
  EXPECT_EQ(set.Name(), "");
  EXPECT_TRUE(set.TagVariant().IsEmpty());
  EXPECT_EQ(set.PrintConstraints(), "");
  EXPECT_EQ(set.CreateSQLCriteria(), "");
}

TEST(TavroSPCConstraints, PrintsTwoConstraintsToALine) {
  TavroSPCConstraints set;
  const auto add = [&set](const char* name, Variant value) {
    set.Constraints()->Add(MakeConstraint(Named(name), {value}), name);
  };
  add("Machine", Variant(1));
  EXPECT_EQ(set.PrintConstraints(), "Machine = 1");
  EXPECT_EQ(set.CreateSQLCriteria(), " WHERE (MACHINE = 1)");

  add("Product", Variant("A1"));
  set.Constraints()->Add(std::make_shared<TavroConstraint>());  // prints as ""
  EXPECT_EQ(set.PrintConstraints(), "Machine = 1\tProduct = A1\r\n");
  add("Head", Variant(2));
  EXPECT_EQ(set.PrintConstraints(), "Machine = 1\tProduct = A1\r\n\tHead = 2");
  EXPECT_EQ(set.CreateSQLCriteria(),
            " WHERE (MACHINE = 1) AND (PRODUCT = 'A1') AND () AND (HEAD = 2)");
}

TEST(TavroSPCConstraints, SubjectByKeyPositionOrObject) {
  TavroSPCConstraints set;
  auto date = Named("Date", true);
  auto machine = Named("Machine");
  set.ConstraintCategories()->Add(date, "Date");
  set.ConstraintCategories()->Add(machine, "Machine", true);

  set.Subject(Variant("machine"));
  EXPECT_EQ(set.Subject(), machine);
  set.Subject(Variant(1));
  EXPECT_EQ(set.Subject(), date);
  EXPECT_EQ(Raised([&] { set.Subject(Variant("Head")); }), 5);
  EXPECT_EQ(set.Subject(), date);

  set.Subject(Variant(machine));
  EXPECT_EQ(set.Subject(), machine);
  EXPECT_EQ(Raised([&] { set.Subject(Variant(std::make_shared<TavroConstraint>())); }), 13);
  EXPECT_EQ(set.Subject(), machine);
  set.Subject(Variant::Nothing());
  EXPECT_EQ(set.Subject(), nullptr);

  set.TagVariant(Variant(int16_t{7}));
  EXPECT_EQ(set.TagVariant(), Variant(int16_t{7}));
}

TEST_F(ConstraintSet, ANewChartOffersWhatItsDateRangeAllows) {
  for (const char* id : {"Date", "Product", "Error", "PartNumber", "Machine", "Head"})
    toolbar->Tools()->Item(Variant(id))->SetEnabled(std::string(id) == "Date");
  // Date is charted, so it is not offered; Head waits for a machine.
  const std::map<std::string, bool> expected{{"Date", false},   {"Product", true},
                                             {"Error", true},   {"PartNumber", true},
                                             {"Machine", true}, {"Head", false}};
  EXPECT_EQ(Offered(), expected);
}

TEST_F(ConstraintSet, AConstrainedSelfRestrictingCategoryIsWithheld) {
  Constrain("Machine", {Variant(1), Variant(2)});
  auto offered = Offered();
  EXPECT_FALSE(offered["Machine"]);
  EXPECT_TRUE(offered["Head"]);

  // Part Number and Head restrict each other.
  Constrain("Part Number", {Variant("P-100")});
  offered = Offered();
  EXPECT_FALSE(offered["PartNumber"]);
  EXPECT_FALSE(offered["Head"]);
  EXPECT_TRUE(offered["Product"]);
}

TEST_F(ConstraintSet, AChartedPrerequisiteCountsAsMet) {
  set->Subject(Variant("Machine"));
  auto offered = Offered();
  EXPECT_TRUE(offered["Head"]);
  EXPECT_FALSE(offered["Machine"]);
  EXPECT_TRUE(offered["Date"]);
}

TEST_F(ConstraintSet, ACategoryWithNeitherPrerequisitesNorRestrictionsIsOfferedUnlessCharted) {
  auto line = std::make_shared<TavroConstraintCategory>();
  line->Name("Line");
  line->MenuItems()->Add(toolbar->Tools()->Add("Line"));
  set->ConstraintCategories()->Add(line, "Line");
  Select(1, 1);
  EXPECT_TRUE(Enabled(*toolbar, "Line"));
  set->Subject(Variant(line));
  Select(1, 1);
  EXPECT_FALSE(Enabled(*toolbar, "Line"));
}

TEST_F(ConstraintSet, OnlyCategoryToolsChangeAndOnlyForASelectionFromPositionOne) {
  toolbar->Tools()->Item(Variant("Print"))->SetEnabled(false);
  toolbar->Tools()->Item(Variant("Product"))->SetEnabled(false);
  Select(0, 3);
  Select(2, -1);
  EXPECT_FALSE(Enabled(*toolbar, "Product"));
  Select(1, 3);
  EXPECT_TRUE(Enabled(*toolbar, "Product"));
  // The flag reads the same through the report menu's own tool list.
  const auto menu = toolbar->Tools()->Item(Variant("CompWast"))->Menu();
  EXPECT_TRUE(menu->Tools()->Item(Variant("Product"))->Enabled());
  EXPECT_FALSE(Enabled(*toolbar, "Print"));
  EXPECT_TRUE(Enabled(*toolbar, "CompWast"));
}

TEST_F(ConstraintSet, MenuUpdateNeedsTheToolbarAndItsTools) {
  set->MenuObject(nullptr);
  EXPECT_EQ(Raised([&] { Select(1, 1); }), 91);

  set->MenuObject(toolbar);
  // A tool of another control, which this one does not hold.
  const auto other = std::make_shared<Platform::ToolBarControl>();
  Category("Error")->MenuItems()->Add(other->Tools()->Add("Missing"));
  EXPECT_EQ(Raised([&] { Select(1, 1); }), 5);
}

TEST_F(ConstraintSet, BindsToOneGraphAndOneToolbarAtATime) {
  EXPECT_EQ(set->SPCGraph(), graph);
  EXPECT_EQ(set->MenuObject(), toolbar);
  EXPECT_TRUE(graph->SelectPoints.HasHandlers());
  EXPECT_TRUE(toolbar->ToolClick.HasHandlers());

  GraphTest::TestHost other;
  set->SPCGraph(Variant(other.graph));
  EXPECT_FALSE(graph->SelectPoints.HasHandlers());
  EXPECT_TRUE(other.graph->SelectPoints.HasHandlers());
  EXPECT_EQ(Raised([&] { set->SPCGraph(Variant(toolbar)); }), 13);
  EXPECT_EQ(set->SPCGraph(), other.graph);

  // Every set hooks the same toolbar.
  auto second = std::make_shared<TavroSPCConstraints>();
  second->MenuObject(Variant(toolbar));
  EXPECT_EQ(Raised([&] { second->MenuObject(Variant(graph)); }), 13);
  EXPECT_EQ(second->MenuObject(), toolbar);
  set.reset();
  EXPECT_FALSE(other.graph->SelectPoints.HasHandlers());
  EXPECT_TRUE(toolbar->ToolClick.HasHandlers());
  toolbar->ToolClicked(toolbar->Tools()->Item(Variant("Print")));
  second.reset();
  EXPECT_FALSE(toolbar->ToolClick.HasHandlers());
}

TEST_F(ConstraintSet, TheGraphBelongsToItsWindow) {
  host.UnloadForm();
  std::weak_ptr<Dravex::Graph> watched = graph;
  graph.reset();
  host.graph.reset();
  EXPECT_TRUE(watched.expired());
  EXPECT_EQ(set->SPCGraph(), nullptr);
  EXPECT_EQ(set->PrintConstraints(), "Date = 01/12/2026 to 08/12/2026\tType = Actual");
}

TEST_F(ConstraintSet, SetsAndTheirCategoriesAreFreedDespiteTheirCycles) {
  std::vector<std::weak_ptr<TavroConstraintCategory>> categories;
  for (const auto& category : set->ConstraintCategories()->Categories())
    categories.push_back(category);
  // A set drilled down from this one shares its categories.
  auto drilled = std::make_shared<TavroSPCConstraints>();
  drilled->ConstraintCategories(set->ConstraintCategories());
  drilled->Subject(Category("Machine"));

  auto collection = std::make_shared<TavroConstraintCol>();
  collection->Add(set, "CHART1");
  collection->Add(drilled, "CHART2");
  std::weak_ptr<TavroSPCConstraints> first = set;
  std::weak_ptr<TavroConstraintCol> watchedCollection = collection;
  set.reset();
  EXPECT_EQ(drilled->Parent(), collection);

  collection->Remove(Variant("CHART1"));
  EXPECT_TRUE(first.expired());
  EXPECT_FALSE(categories.front().expired());

  collection.reset();
  EXPECT_TRUE(watchedCollection.expired());
  EXPECT_EQ(drilled->Parent(), nullptr);
  drilled.reset();
  for (const auto& category : categories) EXPECT_TRUE(category.expired());
}
