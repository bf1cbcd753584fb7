// The main window's one dispatcher of toolbar and menu commands.
#include <memory>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/gui/App.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/PrinterSurface.h"
#include "platform/gui/Screen.h"
#include "platform/gui/Tool.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/PreferenceForm.h"
#include "viewer/shell/TableForm.h"
#include "viewer/shell/frmAbout.h"

namespace Kordex {

namespace {

using Platform::Clipboard;
using Platform::ClipboardFormat;

// The first characters of a text, upper-cased.
std::string Prefix(const std::string& text, int length) {
  return Runtime::UCase(Runtime::Left(text, length));
}

// The printer as a drawing surface the graph can hold; the printer itself
// lives as long as the program.
std::shared_ptr<Platform::Surface> PrinterFrame() {
  return std::shared_ptr<Platform::Surface>(&Platform::PrinterSurface::Default(),
                                            [](Platform::Surface*) {});
}

}  // namespace

void MainForm::ToolBars_ToolClick(const std::shared_ptr<Platform::Tool>& Tool) {
  const std::string id = Runtime::UCase(Tool->ID());
  Platform::Form* active = ActiveForm();
  auto* chart = dynamic_cast<ChartForm*>(active);
  auto* table = dynamic_cast<TableForm*>(active);

  if (id == "MANUALUPDATE") {
    KordexModule::RefreshAllReports();
  } else if (id == "EXIT") {
    Unload();
  } else if (id == "ARRANGEICONS") {
    Arrange(Platform::ArrangeModes::ArrangeIcons);
  } else if (id == "CASCADE") {
    Arrange(Platform::ArrangeModes::Cascade);
  } else if (id == "TILEHORIZONTAL") {
    Arrange(Platform::ArrangeModes::TileHorizontal);
  } else if (id == "TILEVERTICAL") {
    Arrange(Platform::ArrangeModes::TileVertical);
  } else if (id == "CLOSE") {
    if (active != nullptr) active->Unload();
  } else if (id == "PRINTERSETUP") {
    try {
      comDialog.ShowPrinter();
    } catch (const Runtime::Error&) {
      // Cancelled: the printer stays as it was.
    }
  } else if (id == "PRINT") {
    PrintActiveChild();
  } else if (id == "SAVE") {
    if (chart != nullptr)
      SaveChart(*chart);
    else if (table != nullptr)
      SaveTable(*table);
  } else if (id == "GRAPHS") {
    // The graph's menu drops down under the menu bar's "Graphs" entry.
    if (chart == nullptr) return;
    const auto x = static_cast<float>(Tool->Left() * Platform::Screen::TwipsPerPixelX());
    const auto y =
        static_cast<float>((Tool->Top() + Tool->Height()) * Platform::Screen::TwipsPerPixelY());
    chart->PRDGraph.Object()->GraphPreferences(x, y);
  } else if (id == "COPY") {
    Clipboard::Clear();
    if (table != nullptr) {
      Platform::RichTextBox& box = table->TableText;
      const bool whole = box.SelLength() == 0;
      Clipboard::SetText(whole ? box.Text() : box.SelText());
      Clipboard::SetText(whole ? box.TextRTF() : box.SelRTF(), ClipboardFormat::RichText);
    } else if (chart != nullptr) {
      chart->PRDGraph.Object()->Copy();
    }
  } else if (id == "CUT") {
    if (table == nullptr) return;
    Platform::RichTextBox& box = table->TableText;
    Clipboard::Clear();
    Clipboard::SetText(box.SelText());
    Clipboard::SetText(box.SelRTF(), ClipboardFormat::RichText);
    box.SetSelText("");
  } else if (id == "PASTE") {
    // Only rich text is pasted: plain text would lose the table's stops.
    if (table == nullptr || !Clipboard::GetFormat(ClipboardFormat::RichText)) return;
    table->TableText.SetSelRTF(Clipboard::GetText(ClipboardFormat::RichText));
  } else if (id == "PREFERENCES") {
    KordexModule::ShowPreferenceForm();
    KordexModule::SetMainCaption();
  } else if (id == "COMPWASTEACTUAL" || id == "COMPWASTEPERCENT") {
    OpenCompWastageReport(id == "COMPWASTEPERCENT");
  } else if (id == "BOARDCOUNTACTUAL" || id == "BOARDCOUNTACCUMULATED") {
    OpenBoardCountReport(id == "BOARDCOUNTACCUMULATED");
  } else if (id == "CREATETABLE") {
    if (chart == nullptr) return;
    const std::shared_ptr<TableForm> made = CreateNewTableForm(*chart);
    AddToReportList(*made);
  } else if (id == "MINIMISEALL" || id == "MAXIMISEALL") {
    // Maximise All brings every child back to its normal size; it never
    // maximises. A maximised child would maximise the next one activated, so
    // Minimise All first brings every child to its normal size too.
    std::vector<Platform::Form*> children;
    for (Platform::Form* form : Platform::Forms::All())
      if (form != this && form->MDIChild()) children.push_back(form);
    for (Platform::Form* form : children) form->SetWindowState(Platform::WindowStates::Normal);
    if (id == "MINIMISEALL")
      for (Platform::Form* form : children) form->SetWindowState(Platform::WindowStates::Minimised);
  } else if (id == "ABOUT") {
    auto about = std::make_shared<frmAbout>();
    about->Show(Platform::ShowModes::Modal, this);
    about->Unload();
  } else if (id == "MANUAL") {
    auto about = std::make_shared<frmAbout>();
    about->Load();
    about->ShowManual("*.PDF");
    about->Unload();
  } else if (Prefix(id, 4) == "LINE" && Prefix(Tool->Caption(), 4) == "LINE") {
    // Charts opened from now on show this line; open ones keep theirs.
    SetCaption("Tavro Kordex  " + Tool->Caption());
    Platform::SaveSetting(Platform::App::EXEName(), "Initialise", "Production Line",
                          Runtime::CStr(Tool->TagVariant()));
  } else if (const std::string kind = Prefix(id, 5);
             kind == "CHART" || kind == "TABLE" || kind == "STATS") {
    const std::shared_ptr<Platform::Form> window = FormReference::FormOf(Tool->TagVariant());
    if (!window) return;
    if (window->WindowState() == Platform::WindowStates::Minimised)
      window->SetWindowState(Platform::WindowStates::Normal);
    ActivateChildWindow(*window);
  }
}

void MainForm::PrintActiveChild() {
  try {
    comDialog.ShowPrinter();
  } catch (const Runtime::Error&) {
    return;  // cancelled
  }
  Platform::Form* active = ActiveForm();
  Platform::PrinterSurface& printer = Platform::PrinterSurface::Default();
  if (auto* chart = dynamic_cast<ChartForm*>(active)) {
    Dravex::Graph& graph = *chart->PRDGraph.Object();
    try {
      printer.SetOrientation(Platform::PrinterOrientations::Landscape);
      graph.Frame(PrinterFrame());
      graph.Draw(true);
      printer.EndDoc();
      graph.Frame(nullptr);
    } catch (...) {
      // A failed job is abandoned, and the graph draws on its own canvas again.
      printer.KillDoc();
      graph.Frame(nullptr);
      throw;
    }
  } else if (auto* table = dynamic_cast<TableForm*>(active)) {
    try {
      printer.SetOrientation(Platform::PrinterOrientations::Portrait);
      printer.Print(table->TableText.Text());
      printer.EndDoc();
    } catch (...) {
      printer.KillDoc();
      throw;
    }
  }
}

}  // namespace Kordex
