#pragma once

#include <map>
#include <memory>
#include <string>

#include "constraints/TavroConstraintCol.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolBarDesign.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/viewer_load/LoadTestData.h"
#include "viewer/data/ReportHost.h"

namespace LoadTest {

// A chart window with a graph on a detached site.
class ReportChart : public Kordex::KordexModule::ReportWindow {
 public:
  explicit ReportChart(std::string tag, int16_t line = 1) : tag_(std::move(tag)), line_(line) {}
  std::string Tag() const override { return tag_; }
  std::shared_ptr<Dravex::Graph> PRDGraph() const override { return host_.graph; }
  int16_t intProductionLine() const override { return line_; }
  std::string Caption() const override { return caption_; }
  void Caption(const std::string& Value) override { caption_ = Value; }

 private:
  GraphTest::TestHost host_;
  std::string tag_;
  int16_t line_;
  std::string caption_;
};

// The program around the builders: the report menus of the main window's
// toolbar, a collection, the default preferences over the generated data and
// its nine days as the report date range. Installed while it lives.
class ReportTestHost : public Kordex::KordexModule::ReportHost {
 public:
  ReportTestHost() {
    Platform::ToolBarDesign design;
    for (const char* id : {"Date", "Product", "Machine", "Head", "Error", "PartNumber", "Line1"})
      design.AddTool(id);
    design.AddMenu("Production Lines", "Production Lines", {"Line1"});
    design.AddMenu("CompWast", "Component Wastage",
                   {"Date", "Product", "Machine", "Head", "Error", "PartNumber"});
    for (const char* menu : {"Productivity", "Efficiency", "CompsPerHour"})
      design.AddMenu(menu, menu, {"Date", "Product", "Machine"});
    design.AddMenu("BoardCount", "Board Count", {"Date", "Product", "Production Lines"});
    design.AddBand("SPC", {"CompWast", "Productivity", "Efficiency", "BoardCount", "CompsPerHour"});
    Platform::ApplyDesign(*toolBars_, design);
    Preferences["Data Directory"] = Runtime::Variant(Data().Folder());
    Kordex::KordexModule::SetReportHost(std::shared_ptr<ReportHost>(this, [](ReportHost*) {}));
  }
  ~ReportTestHost() override { Kordex::KordexModule::SetReportHost(nullptr); }

  std::shared_ptr<Platform::ToolBarControl> ToolBars() override { return toolBars_; }
  std::shared_ptr<Morvelt::TavroConstraintCol> objConstraintsCol() override { return sets_; }
  Runtime::Variant PreferenceValue(const std::string& Name) override {
    return Preferences.at(Name);
  }
  Runtime::Variant ReportDateFrom() override { return From; }
  Runtime::Variant ReportDateTo() override { return To; }

  std::map<std::string, Runtime::Variant> Preferences{
      {"Pareto Display Width", Runtime::Variant(int16_t{10})},
      {"Pareto Maximum Entries", Runtime::Variant(int16_t{10})},
      {"RunTime Display Width", Runtime::Variant(int16_t{31})},
  };
  Runtime::Variant From{Runtime::DateTime{Runtime::DateSerial(2026, 3, 6).Serial + 0.5}};
  Runtime::Variant To{Runtime::DateTime{Runtime::DateSerial(2026, 3, 14).Serial + 0.5}};

 private:
  std::shared_ptr<Platform::ToolBarControl> toolBars_ =
      std::make_shared<Platform::ToolBarControl>();
  std::shared_ptr<Morvelt::TavroConstraintCol> sets_ =
      std::make_shared<Morvelt::TavroConstraintCol>();
};

}  // namespace LoadTest
