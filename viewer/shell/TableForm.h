#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Event.h"
#include "platform/gui/Form.h"
#include "platform/gui/RichTextBox.h"

namespace Dravex {
class Graph;
}

namespace Kordex {

// Tab stops of a table line in twips, the first stop first. They are kept in
// 32 bits: the column edges of a wide table (a series per machine) pass 32767.
using TabStopArray = std::vector<int32_t>;

// The child window that shows one chart's data as a text table: a title
// block, a column per series and a row per X label, the series' statistics and
// the chart's foot note. It is built once from the chart and not rebuilt when
// the chart changes; the main window's edit, print and save commands work on
// its rich text.
class TableForm : public Platform::Form {
 public:
  TableForm();
  ~TableForm() override;

  // Appends one line, its cells separated by TAB, in bold or not, at Size
  // points, with the tab stops given (none when TabStops is null).
  void AddText(const std::string& Text, bool Bold, int16_t Size, const TabStopArray* TabStops);
  // Appends the whole table of a chart's graph.
  void CreateTable(const std::shared_ptr<Dravex::Graph>& Graph);
  // The right edges of the columns after the first of a whole table text
  // (lines at CR LF, cells at TAB), measured in this window's font: element k
  // is the right edge of column k + 1. The first column's width takes in the
  // second's text. (0) for a text without a second column.
  TabStopArray GetTabStops(const std::string& Text);
  // The stops of one line from the column edges: each cell after the first
  // starts where it ends at its column's right edge.
  TabStopArray GetAdjustedTabStops(const std::string& Text, const TabStopArray& TabStops);

  void Form_Initialize() override;
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Resize() override;
  void Form_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
  void Form_KeyPress(int16_t& KeyAscii) override;
  void Form_Unload(int16_t& Cancel) override;

  void TableText_KeyPress(int16_t& KeyAscii);
  void TableText_MouseUp(int16_t& Button, int16_t& Shift, double& X, double& Y);

  Platform::RichTextBox TableText{*this, "TableText"};

 private:
  Platform::ScopedConnection keyPress_;
  Platform::ScopedConnection mouseUp_;
};

}  // namespace Kordex
