#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graph/render/Graph.h"
#include "graph/render/GraphControl.h"
#include "graph/render/GraphPreferenceServices.h"
#include "platform/gui/Form.h"
#include "platform/gui/ScriptedResponder.h"
#include "platform/gui/TickSource.h"

namespace GraphTest {

// A chart window with its graph, as the viewer has one.
class ChartForm : public Platform::Form {
 public:
  ChartForm() : Form("frmChart") {
    SetClientSize(9000, 6000);
    PRDGraph.Move(0, 0, 9000, 6000);
  }
  Dravex::GraphControl PRDGraph{*this, "PRDGraph"};
};

// Preferences that only note the pages asked for.
class PagesAsked : public Dravex::GraphPreferenceServices {
 public:
  void ShowPreferences(Dravex::Graph&, Dravex::GraphPreferences page) override {
    pages.push_back(static_cast<int>(page));
  }
  void SavePreferences(Dravex::Graph&, const std::string&, const std::string&,
                       const std::string&) override {}
  void LoadPreferences(Dravex::Graph&, const std::string&, const std::string&, const std::string&,
                       const Runtime::Variant&) override {}
  std::vector<int> pages;
};

// Who stands in for the person while it lives: the clock the timers tick on,
// the answers to message boxes and tool menus, and the preferences dialog.
class ScriptedPerson {
 public:
  ScriptedPerson() {
    Platform::SetTickSource(ticks);
    Platform::SetResponder(responder);
    Dravex::GraphPreferenceServices::Install(preferences);
  }
  ~ScriptedPerson() {
    Dravex::GraphPreferenceServices::Install(nullptr);
    Platform::SetResponder(nullptr);
    Platform::SetTickSource(nullptr);
  }
  ScriptedPerson(const ScriptedPerson&) = delete;
  ScriptedPerson& operator=(const ScriptedPerson&) = delete;

  std::shared_ptr<Platform::ManualTickSource> ticks =
      std::make_shared<Platform::ManualTickSource>();
  std::shared_ptr<Platform::ScriptedResponder> responder =
      std::make_shared<Platform::ScriptedResponder>();
  std::shared_ptr<PagesAsked> preferences = std::make_shared<PagesAsked>();
};

}  // namespace GraphTest
