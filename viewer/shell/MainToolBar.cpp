#include "viewer/shell/MainToolBar.h"

#include "viewer/shell/ShellPictures.h"

namespace Kordex {

Platform::ToolBarDesign MainToolBarDesign() {
  Platform::ToolBarDesign design;
  auto tool = [&design](const std::string& id, const std::string& caption,
                        const std::string& description = {}) -> Platform::ToolDesign& {
    Platform::ToolDesign& made = design.AddTool(id, caption);
    made.Description = description;
    made.Image = ShellPicture(id);
    return made;
  };

  tool("Close", "&Close");
  tool("Save", "&Save", "Saves the active document or template");
  tool("PrinterSetup", "Printer &Setup");
  tool("Print", "&Print", "Prints the active document using the current defaults");
  tool("Exit", "E&xit");
  tool("Copy", "&Copy", "Copies the selection and puts it on the Clipboard");
  tool("Cut", "Cu&t", "Cuts the selection and puts it on the Clipboard");
  tool("Paste", "&Paste", "Inserts the Clipboard contents at the insertion point");
  tool("Preferences", "Preferences");
  tool("Cascade", "&Cascade", "Casscade Reports");
  tool("TileHorizontal", "Tile &Horizontal");
  tool("TileVertical", "Tile &Vertical");
  tool("MinimiseAll", "Minimise All");
  tool("MaximiseAll", "Maximise All");
  tool("ArrangeIcons", "Arrange &Icons");
  tool("CreateTable", "Create &Table");
  tool("ManualUpdate", "Manual &Update");
  tool("About", "About");
  tool("Manual", "Manual");
  tool("Graphs", "&Graphs");

  // The tools of the report menus, by which a chart drills down.
  tool("Date", "Date");
  tool("Product", "Product");
  tool("Machine", "Machine");
  tool("Head", "Head");
  tool("Error", "Error");
  tool("PartNumber", "Part Number");
  tool("CompWasteActual", "Actual");
  tool("CompWastePercent", "Percent");
  tool("BoardCountActual", "Actual");
  tool("BoardCountAccumulated", "Accumulated");

  // The line tools are made like this one.
  Platform::ToolDesign& line = tool("ProductionLine", "Production Line");
  line.Type = Platform::ToolTypes::StateButton;
  line.Group = "Lines";

  design.AddMenu("File", "&File", {"Close", "Save", "|", "PrinterSetup", "Print", "|", "Exit"});
  design.AddMenu("Edit", "&Edit", {"Copy", "Cut", "Paste", "|", "Preferences"});
  design.AddMenu("Reports", "&Reports",
                 {"Cascade", "TileHorizontal", "TileVertical", "MinimiseAll", "MaximiseAll",
                  "ArrangeIcons", "|", "CreateTable", "|", "ManualUpdate"});
  design.AddMenu("Production Lines", "Production Lines", {});
  design.AddMenu("Help", "&Help", {"About", "Manual"});

  auto reportMenu = [&](const std::string& id, const std::string& caption,
                        std::vector<std::string> items) {
    design.AddMenu(id, caption, std::move(items)).Image = ShellPicture(id);
  };
  reportMenu("CompWast", "Component Wastage",
             {"Date", "Product", "Machine", "Head", "Error", "PartNumber"});
  reportMenu("Productivity", "Productivity", {"Date", "Product", "Machine"});
  reportMenu("Efficiency", "Efficiency", {"Date", "Product", "Machine"});
  reportMenu("CompsPerHour", "Components Per Hour", {"Date", "Product", "Machine"});
  reportMenu("BoardCount", "Board Count", {"Date", "Product", "Production Lines"});
  reportMenu("CompWastSelect", "Component Wastage", {"CompWasteActual", "CompWastePercent"});
  reportMenu("BoardCountSelect", "Board Count", {"BoardCountActual", "BoardCountAccumulated"});

  design.AddBand("MenuBar", {"File", "Edit", "Reports", "Graphs", "Production Lines", "Help"},
                 true);
  design.AddBand("File", {"Close", "Save", "|", "Print"});
  design.AddBand("Edit", {"Copy", "Cut", "Paste"});
  design.AddBand("Reports",
                 {"Cascade", "TileHorizontal", "TileVertical", "MinimiseAll", "MaximiseAll",
                  "ArrangeIcons", "|", "CreateTable", "|", "ManualUpdate"});
  design.AddBand("SPC", {"CompWast", "CompWastSelect", "Productivity", "Efficiency", "BoardCount",
                         "CompsPerHour", "BoardCountSelect"});
  return design;
}

}  // namespace Kordex
