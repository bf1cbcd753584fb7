#include "platform/gui/ToolBarDesign.h"

#include "platform/gui/Band.h"
#include "platform/gui/BandList.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

constexpr const char* kSource = "ToolBarDesign";
constexpr const char* kSeparator = "|";

// Separators are tools too, each with an identifier of its own.
std::string SeparatorID(const ToolBarControl& control) {
  for (int n = 1;; ++n) {
    std::string id = kSeparator + std::to_string(n);
    if (!control.FindTool(id)) return id;
  }
}

void Fill(ToolBarControl& control, ToolList& list, const std::vector<std::string>& ids) {
  for (const std::string& id : ids) {
    if (id == kSeparator) {
      list.Add(SeparatorID(control), ToolTypes::Separator);
      continue;
    }
    if (!control.FindTool(id))
      Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, kSource,
                     "The design has no tool \"" + id + "\"");
    list.Add(id);
  }
}

}  // namespace

ToolDesign& ToolBarDesign::AddTool(std::string id, std::string caption, int16_t type) {
  ToolDesign& tool = Tools.emplace_back();
  tool.ID = std::move(id);
  tool.Caption = std::move(caption);
  tool.Type = type;
  return tool;
}

ToolDesign& ToolBarDesign::AddMenu(std::string id, std::string caption,
                                   std::vector<std::string> items) {
  ToolDesign& tool = AddTool(std::move(id), std::move(caption), ToolTypes::Menu);
  tool.Items = std::move(items);
  return tool;
}

BandDesign& ToolBarDesign::AddBand(std::string name, std::vector<std::string> tools, bool menuBar) {
  return Bands.emplace_back(BandDesign{std::move(name), menuBar, std::move(tools)});
}

void ApplyDesign(ToolBarControl& control, const ToolBarDesign& design) {
  for (const ToolDesign& made : design.Tools) {
    const std::shared_ptr<Tool> tool = control.Tools()->Add(made.ID, made.Type);
    tool->SetCaption(made.Caption.empty() ? made.ID : made.Caption);
    tool->SetGroup(made.Group);
    tool->SetStyle(made.Style);
    tool->SetDescription(made.Description);
    tool->SetPicture(made.Image);
    tool->SetEnabled(made.Enabled);
    tool->SetVisible(made.Visible);
  }
  for (const ToolDesign& made : design.Tools) {
    if (made.Items.empty()) continue;
    if (made.Type != ToolTypes::Menu)
      Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall, kSource,
                     "\"" + made.ID + "\" is no menu tool");
    Fill(control, *control.FindTool(made.ID)->Menu()->Tools(), made.Items);
  }
  for (const BandDesign& made : design.Bands) {
    const std::shared_ptr<Band> band = control.Bands()->Add(made.Name, made.MenuBar);
    Fill(control, *band->Tools(), made.Tools);
  }
}

}  // namespace Platform
