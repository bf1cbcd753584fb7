#pragma once

#include <cstdint>
#include <string>

#include "graph/render/GraphControl.h"
#include "platform/Event.h"
#include "platform/gui/Form.h"

namespace Kordex {

// The child window of one report chart: its graph control fills the window
// with a margin, the chart builders fill the graph, and the window's tag keys
// its constraint set in the main window's collection.
class ChartForm : public Platform::Form {
 public:
  ChartForm();
  ~ChartForm() override;

  // The production line the chart shows; set by its creator, read by the
  // chart builders.
  int16_t intProductionLine = 0;

  void Form_Initialize() override;
  void Form_Load() override;
  void Form_Activate() override;
  // Lays the graph out with its left and top as the margin on every side and
  // redraws it.
  void Form_Resize() override;
  void Form_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
  void Form_KeyPress(int16_t& KeyAscii) override;
  void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
  void Form_Unload(int16_t& Cancel) override;

  void PRDGraph_MouseDown(int16_t& Button, int16_t& Shift, float& X, float& Y);
  void PRDGraph_PreferenceChange(bool& SavePreference, std::string& appname,
                                 std::string& SectionName, std::string& ChartName);

  Dravex::GraphControl PRDGraph{*this, "PRDGraph"};

 private:
  Platform::ScopedConnection mouseDown_;
  Platform::ScopedConnection preferenceChange_;
};

}  // namespace Kordex
