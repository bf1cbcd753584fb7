#include "viewer/shell/TableForm.h"

#include "viewer/shell/ChildWindows.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/MainForm.h"
#include "viewer/shell/ShellPictures.h"

namespace Kordex {

TableForm::TableForm() : Platform::Form("TableForm", Kind::MdiChild) {
  SetClientSize(6735, 6585);
  SetIcon(ShellPicture("CreateTable"));
}

TableForm::~TableForm() = default;

void TableForm::CreateTable(const std::shared_ptr<Dravex::Graph>& /*Graph*/) {
  TableText.SetText("");
  TableText.SetTextRTF("{\\rtf1\\ansi }");
}

void TableForm::Form_Unload(int16_t& /*Cancel*/) {
  MainForm& main = ParentMainForm();
  --KordexModule::TableCount;
  main.RemoveFromReportList(*this);
  main.SetToolBars(false);
}

}  // namespace Kordex
