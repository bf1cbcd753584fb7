#include "viewer/data/ReportConstraints.h"

#include <initializer_list>
#include <memory>
#include <string>

#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroConstraintCol.h"
#include "constraints/TavroSPCConstraints.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"

namespace Kordex::KordexModule {

namespace {

using Runtime::Variant;

// A category as every report defines it: its menu tool within the report's
// menu (none for Type) and the categories that must be in play first. Each
// but Date restricts itself.
struct CategoryDefinition {
  const char* Name;
  const char* MenuTool;
  std::initializer_list<const char*> Prerequisites;
};

constexpr CategoryDefinition Date{"Date", "Date", {}};
constexpr CategoryDefinition Product{"Product", "Product", {"Date"}};
constexpr CategoryDefinition Machine{"Machine", "Machine", {"Date"}};
constexpr CategoryDefinition Error{"Error", "Error", {"Date"}};
constexpr CategoryDefinition PartNumber{"Part Number", "PartNumber", {"Date"}};
constexpr CategoryDefinition Head{"Head", "Head", {"Date", "Machine"}};
constexpr CategoryDefinition Type{"Type", nullptr, {}};

struct ReportDefinition {
  const char* Name;
  const char* MenuTool;
  std::initializer_list<const CategoryDefinition*> Categories;
};

constexpr ReportDefinition CompWastage{
    "CompWastage", "CompWast", {&Date, &Product, &Error, &PartNumber, &Machine, &Head, &Type}};
constexpr ReportDefinition Productivity{
    "Productivity", "Productivity", {&Date, &Machine, &Product}};
constexpr ReportDefinition CompsPerHour{
    "CompsPerHour", "CompsPerHour", {&Date, &Machine, &Product}};
constexpr ReportDefinition Efficiency{"Efficiency", "Efficiency", {&Date, &Machine, &Product}};
constexpr ReportDefinition BoardCount{"BoardCount", "BoardCount", {&Date, &Product}};

std::shared_ptr<Morvelt::TavroConstraint> NewConstraint(
    const std::shared_ptr<Morvelt::TavroConstraintCategory>& category,
    std::initializer_list<Variant> values) {
  auto constraint = std::make_shared<Morvelt::TavroConstraint>();
  constraint->ConstraintCategory(category);
  for (const Variant& value : values) constraint->ConstraintValues()->Add(value);
  return constraint;
}

// Builds the report's set for the chart and returns it, not yet in the
// collection, so that a report can add its own constraints first.
std::shared_ptr<Morvelt::TavroSPCConstraints> NewReportSet(const ReportDefinition& report,
                                                           ReportWindow& chart) {
  ReportHost& host = Reports();
  const auto toolBars = host.ToolBars();
  const auto tools = toolBars->Tools();

  const auto reportTool = tools->Item(Variant(report.MenuTool));
  auto set = std::make_shared<Morvelt::TavroSPCConstraints>();
  set->MenuItem(reportTool);
  set->MenuObject(toolBars);
  set->Name(report.Name);
  set->SPCGraph(chart.PRDGraph());

  const auto categories = set->ConstraintCategories();
  for (const CategoryDefinition* definition : report.Categories) {
    auto category = std::make_shared<Morvelt::TavroConstraintCategory>();
    category->Name(definition->Name);
    category->Continuous(definition == &Date);
    if (definition->MenuTool != nullptr)
      category->MenuItems()->Add(reportTool->Menu()->Tools()->Item(Variant(definition->MenuTool)));
    for (const char* prerequisite : definition->Prerequisites)
      category->Prerequisites()->Add(categories->Item(Variant(prerequisite)));
    categories->Add(category, definition->Name, definition != &Date);
  }

  const auto date = categories->Item(Variant(Date.Name));
  set->Subject(date);
  set->Constraints()->Add(NewConstraint(date, {host.ReportDateFrom(), host.ReportDateTo()}),
                          Date.Name);
  return set;
}

void AddToCollection(const std::shared_ptr<Morvelt::TavroSPCConstraints>& set,
                     ReportWindow& chart) {
  Reports().objConstraintsCol()->Add(set, chart.Tag());
}

void CreateReportConstraints(const ReportDefinition& report, ReportWindow& chart) {
  AddToCollection(NewReportSet(report, chart), chart);
}

}  // namespace

void CreateCompWastageConstraints(ReportWindow& Chart, bool Percent) {
  const auto set = NewReportSet(CompWastage, Chart);
  const auto categories = set->ConstraintCategories();
  const auto partNumber = categories->Item(Variant(PartNumber.Name));
  const auto head = categories->Item(Variant(Head.Name));
  partNumber->Restrictions()->Add(head);
  head->Restrictions()->Add(partNumber);
  set->Constraints()->Add(NewConstraint(categories->Item(Variant(Type.Name)),
                                        {Variant(Percent ? "Percent" : "Actual")}),
                          Type.Name);
  AddToCollection(set, Chart);
}

void CreateProductivityConstraints(ReportWindow& Chart) {
  CreateReportConstraints(Productivity, Chart);
}

void CreateCompsPerHourConstraints(ReportWindow& Chart) {
  CreateReportConstraints(CompsPerHour, Chart);
}

void CreateEfficiencyConstraints(ReportWindow& Chart) {
  CreateReportConstraints(Efficiency, Chart);
}

void CreateBoardCountConstraints(ReportWindow& Chart, bool /*Accumulated*/) {
  CreateReportConstraints(BoardCount, Chart);
}

}  // namespace Kordex::KordexModule
