#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "constraints/TavroConstraintCol.h"
#include "constraints/TavroSPCConstraints.h"
#include "platform/gui/ScriptedResponder.h"
#include "runtime/Conversions.h"
#include "tests/constraints/ReportSet.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Morvelt;
using namespace ConstraintsTest;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

using SetRef = std::shared_ptr<TavroSPCConstraints>;
using ToolRef = std::shared_ptr<Platform::Tool>;

// The values of a constraint as texts, in order.
std::vector<std::string> Values(const std::shared_ptr<TavroConstraint>& constraint) {
  std::vector<std::string> texts;
  for (const Variant& value : *constraint->ConstraintValues())
    texts.push_back(Runtime::CStr(value));
  return texts;
}

// The names of a set's constraints' categories, in order.
std::vector<std::string> Constrained(const SetRef& set) {
  std::vector<std::string> names;
  for (int16_t i = 1; i <= set->Constraints()->Count(); ++i)
    names.push_back(set->Constraints()->Item(Variant(i))->ConstraintCategory()->Name());
  return names;
}

using Texts = std::vector<std::string>;

// The main window as the drill-down sees it: its toolbar, the set collection
// whose MenuSelection the host hears, and the chart windows' graphs. The
// pop-up menus are answered by the test.
class DrillDown : public testing::Test {
 protected:
  DrillDown() {
    previousResponder_ = Platform::SetResponder(responder);
    hearing_ = collection->MenuSelection.Connect([this](SetRef& newSet, bool& createNewForm) {
      announced.push_back(newSet);
      EXPECT_TRUE(createNewForm);
      if (onAnnounced) onAnnounced(newSet);
    });
  }
  ~DrillDown() override { Platform::SetResponder(previousResponder_); }

  ToolRef Tool(const char* id) const { return toolbar->Tools()->Item(Variant(id)); }
  // The person picks the tool from whatever menu pops up.
  void Pick(const char* id) {
    responder->OnToolPopup = [this, id](Platform::ToolMenu&) { return Tool(id); };
  }
  static void Label(GraphTest::TestHost& chart, std::initializer_list<const char*> labels) {
    for (const char* label : labels) chart.graph->XAxis()->Labels()->Add(label);
  }
  static void Select(GraphTest::TestHost& chart, int16_t from, int16_t to) {
    chart.graph->Raise(chart.graph->SelectPoints, from, to);
  }

  std::shared_ptr<Platform::ToolBarControl> toolbar = MainToolBar();
  std::shared_ptr<Platform::ScriptedResponder> responder =
      std::make_shared<Platform::ScriptedResponder>();
  std::shared_ptr<TavroConstraintCol> collection = std::make_shared<TavroConstraintCol>();
  std::vector<SetRef> announced;
  std::function<void(SetRef&)> onAnnounced;

 private:
  std::shared_ptr<Platform::Responder> previousResponder_;
  Platform::ScopedConnection hearing_;
};

// A component-wastage chart by product, with two production-line tools in
// its report menu as well.
class ProductChart : public DrillDown {
 protected:
  ProductChart() {
    const auto report = Tool("CompWast")->Menu()->Tools();
    report->Add("Line1")->SetCaption("Line &1");
    report->Add("Line2");
    Label(chart, {"A", "B", "C", "D"});
    set->Subject(Variant("Product"));
    set->TagVariant(Variant(int16_t{1}));
    collection->Add(set, "CHART1");
  }

  GraphTest::TestHost chart;
  SetRef set = CompWastageSet(toolbar, chart.graph);
};

}  // namespace

TEST_F(ProductChart, PickingACategoryAnnouncesANarrowerSetOnce) {
  // A second chart of the same report hooks the same toolbar and menu.
  GraphTest::TestHost secondChart;
  const SetRef second = CompWastageSet(toolbar, secondChart.graph);
  collection->Add(second, "CHART2");

  Pick("Machine");
  Select(chart, 2, 3);
  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_EQ(responder->ToolPopups[0].Menu, Tool("CompWast")->Menu().get());
  ASSERT_EQ(announced.size(), 1u);
  const SetRef drilled = announced[0];

  EXPECT_EQ(Constrained(drilled), (Texts{"Date", "Type", "Product"}));
  const auto date = drilled->Constraints()->Item(Variant("Date"));
  const auto oldDate = set->Constraints()->Item(Variant("Date"));
  EXPECT_NE(date, oldDate);
  EXPECT_EQ(date->ConstraintCategory(), oldDate->ConstraintCategory());
  EXPECT_EQ(date->ConstraintValues()->Item(Variant(1)), Day(2026, 12, 1));
  EXPECT_EQ(date->ConstraintValues()->Item(Variant(2)), Day(2026, 12, 8));
  EXPECT_EQ(date->ConstraintValues()->Count(), 2);
  EXPECT_EQ(Values(drilled->Constraints()->Item(Variant("Product"))), (Texts{"B", "C"}));
  EXPECT_EQ(drilled->Subject(), set->ConstraintCategories()->Item(Variant("Machine")));

  // The rest is the old set's, shared or copied; graph and parent are the
  // host's to give.
  EXPECT_EQ(drilled->ConstraintCategories(), set->ConstraintCategories());
  EXPECT_EQ(drilled->MenuItem(), set->MenuItem());
  EXPECT_EQ(drilled->MenuObject(), toolbar);
  EXPECT_EQ(drilled->Name(), "CompWastage");
  EXPECT_EQ(drilled->TagVariant(), Variant(int16_t{1}));
  EXPECT_EQ(drilled->SPCGraph(), nullptr);
  EXPECT_EQ(drilled->Parent(), nullptr);
  EXPECT_EQ(set->Constraints()->Count(), 2);

  // A line tool of the same menu belongs to no category: nothing is built.
  Pick("Line1");
  Select(chart, 1, 4);
  EXPECT_EQ(responder->ToolPopups.size(), 2u);
  EXPECT_EQ(announced.size(), 1u);
}

TEST_F(ProductChart, TheHostAddsAndBindsTheNewSetWhichDrillsDownInTurn) {
  GraphTest::TestHost machineChart;
  onAnnounced = [&](SetRef& newSet) {
    newSet->SPCGraph(machineChart.graph);
    collection->Add(newSet, "CHART" + std::to_string(collection->Count() + 1));
    // The person clicks the menu again while the new chart is being built:
    // that click belongs to no selection any more.
    if (announced.size() == 1) toolbar->ToolClicked(Tool("Error"));
  };
  Pick("Machine");
  Select(chart, 4, 4);
  ASSERT_EQ(announced.size(), 1u);
  EXPECT_EQ(announced[0]->Parent(), collection);

  // The machine chart, constrained to product D, drills into heads.
  onAnnounced = nullptr;
  Label(machineChart, {"M1", "M2"});
  machineChart.graph->XAxis()->Labels()->Item(Variant(2))->Value(Variant(int16_t{2}));
  Pick("Head");
  Select(machineChart, 1, 2);
  ASSERT_EQ(announced.size(), 2u);
  EXPECT_EQ(Constrained(announced[1]), (Texts{"Date", "Type", "Product", "Machine"}));
  EXPECT_EQ(Values(announced[1]->Constraints()->Item(Variant("Product"))), (Texts{"D"}));
  // A label with a value gives its value, one without its text.
  const auto machines = announced[1]->Constraints()->Item(Variant("Machine"));
  EXPECT_EQ(machines->ConstraintValues()->Item(Variant(1)), Variant("M1"));
  EXPECT_EQ(machines->ConstraintValues()->Item(Variant(2)), Variant(int16_t{2}));
  EXPECT_EQ(announced[1]->Subject()->Name(), "Head");
}

TEST_F(ProductChart, ClicksOutsideTheSetsOwnSelectionChangeNothing) {
  // No selection under way.
  toolbar->ToolClicked(Tool("Machine"));
  // A cancelled menu ends the selection.
  Select(chart, 1, 2);
  toolbar->ToolClicked(Tool("Machine"));
  // While the menu is up: a tool of another menu, and a menu tool.
  responder->OnToolPopup = [this](Platform::ToolMenu&) {
    toolbar->ToolClicked(Tool("Print"));
    ToolRef menu = Tool("Productivity");
    toolbar->ToolClick.Raise(menu);
    return nullptr;
  };
  Select(chart, 1, 2);
  // An error while the menu is up ends the selection too.
  responder->OnToolPopup = [](Platform::ToolMenu&) -> ToolRef { Runtime::Raise(5); };
  EXPECT_EQ(Raised([&] { Select(chart, 1, 2); }), 5);
  toolbar->ToolClicked(Tool("Machine"));
  EXPECT_EQ(responder->ToolPopups.size(), 3u);
  EXPECT_TRUE(announced.empty());
}

TEST_F(ProductChart, TheSelectionIsClampedToTheLabels) {
  Pick("Machine");
  Select(chart, 3, 9);
  ASSERT_EQ(announced.size(), 1u);
  EXPECT_EQ(Values(announced[0]->Constraints()->Item(Variant("Product"))), (Texts{"C", "D"}));

  // Beyond the labels, or before a position: no menu, nothing announced.
  Select(chart, 5, 9);
  Select(chart, 0, 2);
  Select(chart, 3, 2);
  GraphTest::TestHost empty;
  set->SPCGraph(empty.graph);
  Select(empty, 1, 1);
  EXPECT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_EQ(announced.size(), 1u);
}

TEST_F(ProductChart, AContinuousSubjectTakesTheFirstAndLastLabels) {
  const auto labels = chart.graph->XAxis()->Labels();
  labels->Clear();
  for (int day = 1; day <= 3; ++day) labels->Add(std::to_string(day), Day(2026, 12, day));
  set->Subject(Variant("Date"));
  Pick("Product");
  Select(chart, 2, 2);
  Select(chart, 1, 3);
  ASSERT_EQ(announced.size(), 2u);
  // The charted date range is replaced by the selection, after the others.
  EXPECT_EQ(Constrained(announced[0]), (Texts{"Type", "Date"}));
  const auto single = announced[0]->Constraints()->Item(Variant("Date"))->ConstraintValues();
  EXPECT_EQ(single->Item(Variant(1)), Day(2026, 12, 2));
  EXPECT_EQ(single->Item(Variant(2)), Day(2026, 12, 2));
  EXPECT_EQ(Values(announced[1]->Constraints()->Item(Variant("Date"))),
            (Texts{"01/12/2026", "03/12/2026"}));
}

TEST_F(ProductChart, APickThatCannotBeAnnouncedFailsAndEndsTheSelection) {
  set->Parent(nullptr);
  Pick("Machine");
  EXPECT_EQ(Raised([&] { Select(chart, 1, 1); }), 91);
  collection->Add(set);
  toolbar->ToolClicked(Tool("Machine"));
  EXPECT_TRUE(announced.empty());
}

namespace {

// A report menu whose only entry is a production line's sub-menu of machine
// and head tools: a drill-down through the sub-menu also constrains the line.
class LineMenu : public DrillDown {
 protected:
  LineMenu() {
    Platform::ToolBarDesign design;
    design.AddMenu("Line1", "Line &1", {"Machine", "Head"});
    design.AddMenu("Lines", "Lines", {"Line1", "|"});
    Platform::ApplyDesign(*toolbar, design);
    set->MenuItem(Tool("Lines"));
    set->MenuObject(toolbar);
    set->SPCGraph(chart.graph);
    const auto date = Category("Date", "");
    Category("Product", "");
    Category("Line", "Line1")->Prerequisites()->Add(date);
    Category("Machine", "Machine");
    Category("Head", "Head")->Prerequisites()->Add(Category("Machine"));
    set->Subject(Variant("Product"));
    Constrain("Date", {Day(2026, 12, 1), Day(2026, 12, 8)});
    Label(chart, {"A", "B"});
    collection->Add(set);
  }

  std::shared_ptr<TavroConstraintCategory> Category(const char* name) {
    return set->ConstraintCategories()->Item(Variant(name));
  }
  std::shared_ptr<TavroConstraintCategory> Category(const char* name, const char* tool) {
    auto category = std::make_shared<TavroConstraintCategory>();
    category->Name(name);
    if (*tool) category->MenuItems()->Add(Tool(tool));
    set->ConstraintCategories()->Add(category, name);
    return category;
  }
  void Constrain(const char* name, std::initializer_list<Variant> values) {
    set->Constraints()->Add(MakeConstraint(Category(name), values), name);
  }

  GraphTest::TestHost chart;
  SetRef set = std::make_shared<TavroSPCConstraints>();
};

}  // namespace

TEST_F(LineMenu, TheOnlyAvailableToolRunsAtOnceAndItsMenusConstrainTheSet) {
  Select(chart, 1, 2);
  EXPECT_TRUE(responder->ToolPopups.empty());
  ASSERT_EQ(announced.size(), 1u);
  EXPECT_EQ(Constrained(announced[0]), (Texts{"Date", "Product", "Line"}));
  EXPECT_EQ(Values(announced[0]->Constraints()->Item(Variant("Line"))), (Texts{"Line 1"}));
  EXPECT_EQ(announced[0]->Subject(), Category("Machine"));

  // A line constrained already keeps its own value.
  Constrain("Line", {Variant("Line 2")});
  Select(chart, 1, 1);
  ASSERT_EQ(announced.size(), 2u);
  EXPECT_EQ(Constrained(announced[1]), (Texts{"Date", "Line", "Product"}));
  EXPECT_EQ(Values(announced[1]->Constraints()->Item(Variant("Line"))), (Texts{"Line 2"}));
}

TEST_F(LineMenu, TwoAvailableToolsPopUpTheirOwnMenuAndNoneNothing) {
  Constrain("Machine", {Variant(3)});
  Pick("Head");
  Select(chart, 2, 2);
  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_EQ(responder->ToolPopups[0].Menu, Tool("Line1")->Menu().get());
  ASSERT_EQ(announced.size(), 1u);
  EXPECT_EQ(Constrained(announced[0]), (Texts{"Date", "Machine", "Product", "Line"}));

  // Without a date the line, and so everything below it, is withheld.
  set->Constraints()->Remove(Variant("Date"));
  Select(chart, 2, 2);
  EXPECT_EQ(responder->ToolPopups.size(), 1u);
  EXPECT_EQ(announced.size(), 1u);
}
