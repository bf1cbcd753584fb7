#include "platform/gui/GraphsMenu.h"

namespace Platform {

ToolBarDesign GraphsMenuDesign() {
  ToolBarDesign design;
  design.AddTool("Mean", "&Mean");
  design.AddTool("StdDev", "Standard &Deviation");
  design.AddTool("SpecLimits", "S&pec Limits");
  design.AddTool("Trends", "&Trends");
  design.AddTool("Series", "&Series");
  design.AddTool("Alarms", "&Alarms");
  design.AddMenu("Graphs", "&Graphs",
                 {"Mean", "StdDev", "SpecLimits", "Trends", "Series", "Alarms"});
  return design;
}

}  // namespace Platform
