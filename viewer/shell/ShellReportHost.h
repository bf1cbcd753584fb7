#pragma once

#include <memory>
#include <string>

#include "viewer/data/ReportHost.h"

namespace Kordex {

class ChartForm;

// A chart window as the report builders see it.
class ChartReportWindow : public KordexModule::ReportWindow {
 public:
  explicit ChartReportWindow(ChartForm& Chart) : chart_(Chart) {}

  std::string Tag() const override;
  std::shared_ptr<Dravex::Graph> PRDGraph() const override;
  int16_t intProductionLine() const override;
  std::string Caption() const override;
  void Caption(const std::string& Value) override;

 private:
  ChartForm& chart_;
};

// The main window and the program's values, for the report builders.
class ShellReportHost : public KordexModule::ReportHost {
 public:
  std::shared_ptr<Platform::ToolBarControl> ToolBars() override;
  std::shared_ptr<Morvelt::TavroConstraintCol> objConstraintsCol() override;
  Runtime::Variant PreferenceValue(const std::string& Name) override;
  Runtime::Variant ReportDateFrom() override;
  Runtime::Variant ReportDateTo() override;
};

}  // namespace Kordex
