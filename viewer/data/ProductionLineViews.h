#pragma once

#include <cstdint>

#include "viewer/data/ProductionLines.h"

namespace Platform {
class ListBox;
class TextBox;
class ToolBarControl;
}  // namespace Platform

namespace Kordex {

// The line controls of the preferences dialog.
struct LineListControls {
  Platform::ListBox* lstProductionLines = nullptr;
  Platform::ListBox* lstPlacementFiles = nullptr;
  Platform::TextBox* txtCountMachine = nullptr;
  Platform::TextBox* txtHoursPerDay = nullptr;
  Platform::TextBox* txtPanelPerHour = nullptr;
};

// Refills the dialog's line list (item data: the table index), selecting its
// first entry, and the tools of the toolbar's "Production Lines" menu, one
// "Line<n>" tool per entry made like the template tool "ProductionLine", the
// remembered line's tool marked (the first line's when it is absent).
// Without controls the menu follows the table; without a toolbar only the
// dialog is refilled.
void ShowProductionLines(const ProductionLineList& Lines, int16_t RememberedLine,
                         const LineListControls* Controls, Platform::ToolBarControl* ToolBars);

}  // namespace Kordex
