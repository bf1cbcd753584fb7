#include "viewer/data/ProductionLineViews.h"

#include <string>
#include <vector>

#include "platform/gui/ListBox.h"
#include "platform/gui/TextBox.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"

namespace Kordex {

void ShowProductionLines(const ProductionLineList& Lines, int16_t RememberedLine,
                         const LineListControls* Controls, Platform::ToolBarControl* ToolBars) {
  // The menu's entries as the list has them: (caption, table index).
  std::vector<std::pair<std::string, int32_t>> entries;
  if (Controls != nullptr && Controls->lstProductionLines != nullptr) {
    Platform::ListBox& list = *Controls->lstProductionLines;
    list.Clear();
    if (Controls->lstPlacementFiles) Controls->lstPlacementFiles->Clear();
    for (Platform::TextBox* box :
         {Controls->txtCountMachine, Controls->txtPanelPerHour, Controls->txtHoursPerDay})
      if (box) box->SetText("");
    for (int16_t i = 1; i <= Lines.Count(); ++i) {
      list.AddItem(Lines.Lines[i - 1].Caption);
      list.SetItemData(list.NewIndex(), i);
    }
    if (list.ListCount() > 0) list.SetListIndex(0);
    for (int j = 0; j < list.ListCount(); ++j) entries.emplace_back(list.List(j), list.ItemData(j));
  } else {
    for (int16_t i = 1; i <= Lines.Count(); ++i)
      entries.emplace_back(Lines.Lines[i - 1].Caption, i);
  }

  if (ToolBars == nullptr) return;
  const std::shared_ptr<Platform::Tool> menuTool =
      ToolBars->Tools()->Item(Runtime::Variant(std::string("Production Lines")));
  const std::shared_ptr<Platform::Tool> model =
      ToolBars->Tools()->Item(Runtime::Variant(std::string("ProductionLine")));
  const std::shared_ptr<Platform::ToolList>& tools = menuTool->Menu()->Tools();
  tools->Clear();
  for (size_t j = 0; j < entries.size(); ++j) {
    const int32_t index = entries[j].second;
    if (index < 1 || index > Lines.Count()) continue;
    const int16_t number = Lines.Lines[index - 1].LineNumber;
    auto tool = tools->Add("Line" + std::to_string(number), model->Type());
    tool->SetCaption(entries[j].first);
    tool->SetTagVariant(Runtime::Variant(number));
    tool->SetGroup(model->Group());
    tool->SetStyle(0);
    tool->SetPicture(model->Picture());
    if (j == 0 || number == RememberedLine) tool->SetState(1);
  }
}

}  // namespace Kordex
