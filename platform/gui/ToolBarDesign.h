#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/Tool.h"

namespace Platform {

class ToolBarControl;

// A control's design written as data in code: its tools with their captions,
// flags and pictures, the menus of its menu tools and its bands. In the lists of
// tools "|" stands for a separator line.
struct ToolDesign {
  std::string ID;
  // The identifier when left empty.
  std::string Caption;
  int16_t Type = ToolTypes::Button;
  std::string Group;
  int16_t Style = 0;
  std::string Description;
  Platform::Picture Image;
  bool Enabled = true;
  bool Visible = true;
  // The tools of a menu tool's menu, by identifier, in order.
  std::vector<std::string> Items;
};

struct BandDesign {
  std::string Name;
  bool MenuBar = false;
  std::vector<std::string> Tools;
};

struct TAVRO_PLATFORM_GUI_API ToolBarDesign {
  std::vector<ToolDesign> Tools;
  std::vector<BandDesign> Bands;

  ToolDesign& AddTool(std::string id, std::string caption = {}, int16_t type = ToolTypes::Button);
  ToolDesign& AddMenu(std::string id, std::string caption, std::vector<std::string> items);
  BandDesign& AddBand(std::string name, std::vector<std::string> tools, bool menuBar = false);
};

// Makes the design's tools, menus and bands in the control, after what it has.
// A list naming a tool the design and the control lack, items given for a tool
// that is no menu tool, or an identifier or band name already in use raise an
// error (5 or 457) and leave what was made so far.
TAVRO_PLATFORM_GUI_API void ApplyDesign(ToolBarControl& control, const ToolBarDesign& design);

}  // namespace Platform
