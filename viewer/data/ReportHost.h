#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/Variant.h"

namespace Dravex {
class Graph;
}
namespace Morvelt {
class TavroConstraintCol;
}
namespace Platform {
class ToolBarControl;
}

namespace Kordex::KordexModule {

// A chart window as the report builders see it: the tag its constraint set is
// kept under, its graph, its production line and its caption. The shell's
// chart window stands behind it; tests give a graph on a detached site.
class ReportWindow {
 public:
  virtual ~ReportWindow();

  virtual std::string Tag() const = 0;
  virtual std::shared_ptr<Dravex::Graph> PRDGraph() const = 0;
  virtual int16_t intProductionLine() const = 0;
  virtual std::string Caption() const = 0;
  virtual void Caption(const std::string& Value) = 0;
};

// What the report builders need of the main window and the program: the
// toolbar whose report menus offer the drill-down, the collection that keeps
// every chart's constraint set, the application preferences and the report
// date range last chosen.
class ReportHost {
 public:
  virtual ~ReportHost();

  virtual std::shared_ptr<Platform::ToolBarControl> ToolBars() = 0;
  virtual std::shared_ptr<Morvelt::TavroConstraintCol> objConstraintsCol() = 0;
  // The value of the application preference of that name.
  virtual Runtime::Variant PreferenceValue(const std::string& Name) = 0;
  virtual Runtime::Variant ReportDateFrom() = 0;
  virtual Runtime::Variant ReportDateTo() = 0;
};

// The program's host, set by the main window at start-up. Without one the
// builders raise 91.
ReportHost& Reports();
void SetReportHost(std::shared_ptr<ReportHost> Host);

}  // namespace Kordex::KordexModule
