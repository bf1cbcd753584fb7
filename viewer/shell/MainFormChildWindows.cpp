// The main window's child windows: making chart, line-status and table
// windows, listing them in the Reports menu, and saving charts and tables.
#include <memory>
#include <optional>
#include <string>

#include "platform/Paths.h"
#include "platform/gui/App.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Error.h"
#include "viewer/data/ReportHelpers.h"
#include "viewer/shell/ChartForm.h"
#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/LineStatusForm.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/TableFile.h"
#include "viewer/shell/TableForm.h"

namespace Kordex {

namespace {

// Explorer style, the path must exist, ask before overwriting.
constexpr int kSaveFlags = 0x80802;

// Asks for the file to save to, starting in Folder (the home folder when
// ""); nothing when the person cancelled. A name given without an extension
// takes that of the file type chosen.
std::optional<std::string> AskFileToSave(Platform::CommonDialog& Dialog, const std::string& Title,
                                         const std::string& Filter, const std::string& DefaultExt,
                                         const std::string& Folder) {
  Dialog.DialogTitle = Title;
  Dialog.Filter = Filter;
  Dialog.Flags = kSaveFlags;
  Dialog.FileName = "";
  Dialog.DefaultExt = DefaultExt;
  Dialog.InitDir = Folder.empty() ? Platform::HomeFolder() : Folder;
  try {
    Dialog.ShowSave();
  } catch (const Runtime::Error&) {
    return std::nullopt;  // cancelled
  }
  return Dialog.FileName;
}

std::string FolderOf(const std::string& Path) {
  const size_t slash = Path.find_last_of('/');
  return slash == std::string::npos ? std::string() : Path.substr(0, slash + 1);
}

void ReportSaveFailure(const std::string& FileName, const Runtime::Error& Failure) {
  Platform::MsgBox("Unable to save to '" + FileName + "'\r\n" + Failure.Description(),
                   Platform::MsgBoxStyles::Exclamation, "Save Error!");
}

}  // namespace

std::shared_ptr<ChartForm> MainForm::CreateNewChartForm() {
  auto chart = std::make_shared<ChartForm>();
  ++KordexModule::ChartCount;
  ++KordexModule::ChildFormSerial;
  chart->intProductionLine = KordexModule::RememberedLine(Platform::App::EXEName());
  chart->SetTag("CHART" + std::to_string(KordexModule::ChildFormSerial));
  chart->Show();
  KordexModule::SetGraphStyle(*chart->PRDGraph.Object());
  SetToolBars(false);
  return chart;
}

std::shared_ptr<LineStatusForm> MainForm::CreateNewStatusForm() {
  auto status = std::make_shared<LineStatusForm>();
  ++KordexModule::StatusFormCount;
  ++KordexModule::ChildFormSerial;
  status->intProductionLine = KordexModule::RememberedLine(Platform::App::EXEName());
  status->SetCaption("Line " + std::to_string(status->intProductionLine) + " Status");
  for (const ProductionLineInfo& line : KordexModule::ProductionLines.Lines) {
    if (line.LineNumber == status->intProductionLine) {
      status->SetCaption(line.Caption + " Status");
      break;
    }
  }
  status->SetTag("STATS" + std::to_string(KordexModule::ChildFormSerial));
  status->strText = "";
  status->Show();
  SetToolBars(false);
  return status;
}

std::shared_ptr<TableForm> MainForm::CreateNewTableForm(ChartForm& NewChartForm) {
  auto table = std::make_shared<TableForm>();
  ++KordexModule::TableCount;
  ++KordexModule::ChildFormSerial;
  table->SetTag("TABLE" + std::to_string(KordexModule::ChildFormSerial));
  table->CreateTable(NewChartForm.PRDGraph.Object());
  table->Show();
  table->SetCaption(NewChartForm.Caption() + "  -  Table");
  SetToolBars(false);
  return table;
}

std::shared_ptr<Platform::ToolList> MainForm::ReportList() const {
  return ToolBars->Tools()->Item(Runtime::Variant("Reports"))->Menu()->Tools();
}

void MainForm::AddToReportList(Platform::Form& NewReportForm) {
  const std::string& tag = NewReportForm.Tag();
  const auto entry = ReportList()->Add(tag);
  entry->SetCaption(NewReportForm.Caption());
  ToolBars->Tools()->Item(Runtime::Variant(tag))->SetTagVariant(FormReference::To(NewReportForm));
  entry->SetPicture(NewReportForm.Icon());
}

void MainForm::RemoveFromReportList(Platform::Form& OldReportForm) {
  // A window whose creation failed was never listed.
  const auto list = ReportList();
  const std::string& tag = OldReportForm.Tag();
  if (!tag.empty() && list->Find(tag) > 0) list->Remove(Runtime::Variant(tag));
}

bool MainForm::HasConstraintSet(const std::string& Tag) {
  if (!objConstraintsCol) return false;
  try {
    objConstraintsCol->Item(Runtime::Variant(Tag));
    return true;
  } catch (const Runtime::Error&) {
    return false;
  }
}

void MainForm::SaveChart(ChartForm& Chart) {
  const auto fileName =
      AskFileToSave(comDialog, "Save Chart As", "Bitmap (*.bmp)|*.bmp", "bmp", saveFolder_);
  if (!fileName) return;
  try {
    Chart.PRDGraph.Object()->Save(*fileName);
    saveFolder_ = FolderOf(*fileName);
  } catch (const Runtime::Error& failure) {
    ReportSaveFailure(*fileName, failure);
  }
}

void MainForm::SaveTable(TableForm& Table) {
  const auto chosen = AskFileToSave(
      comDialog, "Save Table As",
      "Text (*.TXT)|*.TXT|Rich Text Format (*.RTF)|*.RTF|Comma Delimeted File (*.CSV)|*.CSV", "txt",
      saveFolder_);
  if (!chosen) return;
  const std::string& fileName = *chosen;
  const TableFileType type = TableFileTypeOf(fileName);
  if (type == TableFileType::Unknown) {
    Platform::MsgBox("'" + fileName +
                         "'\r\nA table is saved as a text (.TXT), rich text (.RTF) or comma "
                         "delimited (.CSV) file: please give the file one of these extensions.",
                     Platform::MsgBoxStyles::Exclamation, "Unknown File Type!");
    return;
  }
  try {
    WriteTableFile(fileName, type, Table.TableText.Text(), Table.TableText.TextRTF());
    saveFolder_ = FolderOf(fileName);
  } catch (const Runtime::Error& failure) {
    ReportSaveFailure(fileName, failure);
  }
}

}  // namespace Kordex
