// The program asks for a report's date range with the "Date Select" dialog.
#include <gtest/gtest.h>

#include "runtime/DateTime.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/datemacros/frmDateSelect.h"
#include "viewer/shell/KordexModule.h"

using Runtime::Variant;

TEST_F(ShellTest, TheReportDateRangeComesFromTheDateSelectDialog) {
  StartMainWindow();
  Kordex::SetDateRangePrompt(nullptr);
  responder->OnModal = [](Platform::Form& form) {
    auto& dialog = dynamic_cast<Kordex::frmDateSelect&>(form);
    auto today = dialog.Tabrill.ShortCutGroups()
                     ->Item(Variant("Standard"))
                     ->ShortCuts()
                     ->Item(Variant(int16_t{1}));
    dialog.Tabrill_SelectShortCut(today);
    dialog.cmdOk_Click();
  };
  EXPECT_TRUE(Kordex::KordexModule::SelectDateRange());
  EXPECT_EQ(responder->ModalForms.size(), 1U);
  EXPECT_EQ(Kordex::KordexModule::ReportDateFrom, Runtime::Today());
  EXPECT_EQ(Kordex::KordexModule::ReportDateTo, Runtime::Today());
}
