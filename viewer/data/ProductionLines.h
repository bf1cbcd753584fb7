#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Kordex {

// One product a line's last machine counted lately, with its panels per hour.
struct PlacementFile {
  bool Changed = false;  // edited in the preferences dialog
  std::string Name;
  int16_t Count = 0;  // panels per hour
};

// The products of one machine; Files[i - 1] is file i of 1..Count().
struct PlacementFileList {
  bool Changed = false;
  int16_t Count() const { return static_cast<int16_t>(Files.size()); }
  std::vector<PlacementFile> Files;
};

// One line folder of the data directory.
struct ProductionLineInfo {
  bool Changed = false;  // a value of the line edited in the preferences dialog
  // Which of the two "Line Info" values the person typed into: only those are
  // written, so the other keeps its stored text.
  bool CountMachineChanged = false;
  bool HoursPerDayChanged = false;
  int16_t LineNumber = 0;
  float HoursPerDay = 0;
  int16_t CountMachine = 0;
  std::string Caption;  // "Line" and the number in three places, then " [alias]"
  PlacementFileList PlacementFiles;
};

// The lines in the order the folder listing gave them; Lines[i - 1] is line i
// of 1..Count(). Copies are deep.
struct ProductionLineList {
  int16_t Count() const { return static_cast<int16_t>(Lines.size()); }
  std::vector<ProductionLineInfo> Lines;
};

// What building the table needs of the program: where the data is, and the two
// views of the lines (the preferences dialog's list and the line menu of the
// main window), refreshed after each build. The shell sets its own; without
// one the table reads no data directory and shows nothing.
class ProductionLineHost {
 public:
  virtual ~ProductionLineHost();
  // The "Data Directory" preference, ending in "/".
  virtual std::string DataDirectory();
  // The program's name, under which the remembered line is kept.
  virtual std::string ProgramName();
  // Shows the table just built; RememberedLine is the line chosen last.
  virtual void ShowLines(const ProductionLineList& Lines, int16_t RememberedLine);
};

std::shared_ptr<ProductionLineHost> LineHost();
void SetLineHost(std::shared_ptr<ProductionLineHost> Host);

namespace KordexModule {

// The table of the program, and the working copy the preferences dialog edits.
extern ProductionLineList ProductionLines;
extern ProductionLineList EditProductionLines;

// The line chosen last ("Initialise", "Production Line" of the program's
// per-user settings): 1 when none is kept or it is no whole number.
int16_t RememberedLine(const std::string& ProgramName);

// Rebuilds both tables from the host's data directory, then the views.
void LoadProductionLines();

// The products the machine of the line folder (ending in "/") counted today
// and in the 89 days before, in the order first met, with their panels per
// hour from the folder's "LineInfo.Dat".
PlacementFileList GetPlacementFiles(const std::string& LineFolder, int16_t Machine);

}  // namespace KordexModule

}  // namespace Kordex
