#pragma once

#include <memory>
#include <string>

#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroSPCConstraints.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"
#include "graph/render/Graph.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolBarDesign.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/DateTime.h"

namespace ConstraintsTest {

inline std::shared_ptr<Morvelt::TavroConstraint> MakeConstraint(
    const std::shared_ptr<Morvelt::TavroConstraintCategory>& category,
    std::initializer_list<Runtime::Variant> values) {
  auto constraint = std::make_shared<Morvelt::TavroConstraint>();
  constraint->ConstraintCategory(category);
  for (const auto& value : values) constraint->ConstraintValues()->Add(value);
  return constraint;
}

inline Runtime::Variant Day(int year, int month, int day) {
  return Runtime::Variant(Runtime::DateSerial(year, month, day));
}

// The main window's toolbar as far as the reports use it: the report menus
// with their category tools, and a tool of another menu.
inline std::shared_ptr<Platform::ToolBarControl> MainToolBar() {
  Platform::ToolBarDesign design;
  for (const char* id : {"Date", "Product", "Machine", "Error", "PartNumber", "Head", "Print"})
    design.AddTool(id);
  design.AddMenu("CompWast", "Component Wastage",
                 {"Date", "Product", "Error", "PartNumber", "Machine", "Head"});
  design.AddMenu("Productivity", "Productivity", {"Date", "Machine", "Product"});
  design.AddMenu("File", "File", {"Print"});
  design.AddBand("MenuBar", {"File", "CompWast", "Productivity"}, true);
  auto toolbar = std::make_shared<Platform::ToolBarControl>();
  Platform::ApplyDesign(*toolbar, design);
  return toolbar;
}

inline bool Enabled(const Platform::ToolBarControl& toolbar, const char* id) {
  return toolbar.Tools()->Item(Runtime::Variant(id))->Enabled();
}

// The component-wastage set the viewer builds for a new chart: seven
// categories with their menu tools, prerequisites and restrictions, Date as the
// subject, a Date and a Type constraint.
inline std::shared_ptr<Morvelt::TavroSPCConstraints> CompWastageSet(
    const std::shared_ptr<Platform::ToolBarControl>& toolbar,
    const std::shared_ptr<Dravex::Graph>& graph) {
  struct Definition {
    const char* name;
    const char* tool;
    std::initializer_list<const char*> prerequisites;
  };
  const Definition definitions[] = {
      {"Date", "Date", {}},
      {"Product", "Product", {"Date"}},
      {"Error", "Error", {"Date"}},
      {"Part Number", "PartNumber", {"Date"}},
      {"Machine", "Machine", {"Date"}},
      {"Head", "Head", {"Date", "Machine"}},
      {"Type", nullptr, {}},
  };
  auto set = std::make_shared<Morvelt::TavroSPCConstraints>();
  const auto menu = toolbar->Tools()->Item(Runtime::Variant("CompWast"));
  set->MenuItem(menu);
  set->MenuObject(toolbar);
  set->Name("CompWastage");
  set->SPCGraph(graph);
  const auto categories = set->ConstraintCategories();
  for (const auto& definition : definitions) {
    auto category = std::make_shared<Morvelt::TavroConstraintCategory>();
    category->Name(definition.name);
    category->Continuous(std::string(definition.name) == "Date");
    if (definition.tool)
      category->MenuItems()->Add(menu->Menu()->Tools()->Item(Runtime::Variant(definition.tool)));
    for (const char* prerequisite : definition.prerequisites)
      category->Prerequisites()->Add(categories->Item(Runtime::Variant(prerequisite)));
    categories->Add(category, definition.name, std::string(definition.name) != "Date");
  }
  categories->Item(Runtime::Variant("Part Number"))
      ->Restrictions()
      ->Add(categories->Item(Runtime::Variant("Head")));
  categories->Item(Runtime::Variant("Head"))
      ->Restrictions()
      ->Add(categories->Item(Runtime::Variant("Part Number")));
  set->Subject(Runtime::Variant("Date"));
  set->Constraints()->Add(MakeConstraint(categories->Item(Runtime::Variant("Date")),
                                         {Day(2026, 12, 1), Day(2026, 12, 8)}),
                          "Date");
  set->Constraints()->Add(
      MakeConstraint(categories->Item(Runtime::Variant("Type")), {Runtime::Variant("Actual")}),
      "Type");
  return set;
}

}  // namespace ConstraintsTest
