#include "viewer/shell/ShellReportHost.h"

#include "runtime/Strings.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"

namespace Kordex {

std::string ChartReportWindow::Tag() const {
  return chart_.Tag();
}

std::shared_ptr<Dravex::Graph> ChartReportWindow::PRDGraph() const {
  return chart_.PRDGraph.Object();
}

int16_t ChartReportWindow::intProductionLine() const {
  return chart_.intProductionLine;
}

std::string ChartReportWindow::Caption() const {
  return chart_.Caption();
}

void ChartReportWindow::Caption(const std::string& Value) {
  chart_.SetCaption(Value);
}

std::shared_ptr<Platform::ToolBarControl> ShellReportHost::ToolBars() {
  return ParentMainForm().ToolBars;
}

std::shared_ptr<Morvelt::TavroConstraintCol> ShellReportHost::objConstraintsCol() {
  return ParentMainForm().objConstraintsCol;
}

Runtime::Variant ShellReportHost::PreferenceValue(const std::string& Name) {
  // The folder the line folders are named in, as the line table takes it: a
  // stored data directory without its final separator still finds the data.
  if (Runtime::UCase(Name) == "DATA DIRECTORY")
    return Runtime::Variant(KordexModule::LineTableHost()->DataDirectory());
  return ParentMainForm().objPreferences->Item(Runtime::Variant(Name))->Value();
}

Runtime::Variant ShellReportHost::ReportDateFrom() {
  return Runtime::Variant(KordexModule::ReportDateFrom);
}

Runtime::Variant ShellReportHost::ReportDateTo() {
  return Runtime::Variant(KordexModule::ReportDateTo);
}

}  // namespace Kordex
