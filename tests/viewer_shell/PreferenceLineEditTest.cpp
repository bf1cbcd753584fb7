// The preferences dialog's line fields: only what the person typed is written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/platform/FileText.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/PreferenceForm.h"

using Kordex::PreferenceForm;

namespace {

// A figure the dialog shows shortened, and figures outside what its boxes take.
const std::string kLine1 = "[Line Info]\r\nCount Machine=2\r\nHours Per Day=16.666667\r\n";
const std::string kLine2 =
    "[Line Info]\r\nCount Machine=0\r\nHours Per Day=-1\r\n[Placement Files]\r\nWidgetB=-5\r\n";

class PreferenceLineEditTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    data = root.Path() / "Data";
    ShellTestSupport::WriteFile(data / "Line1" / "LineInfo.Dat", kLine1);
    ShellTestSupport::WriteFile(data / "Line2" / "LineInfo.Dat", kLine2);
    ShellTestSupport::WriteFile(data / "Line2" / "History" / "2026_03_09" / "MachinePRD" / "M0" /
                                    "12345_6789_PRDCOUNT_WidgetB.TavroData",
                                "");
    StartMainWindow(data.string() + "/");
  }
  // Opens the dialog; the person plays while it is shown, then presses Ok.
  void OpenAndOk(std::function<void(PreferenceForm&)> play) {
    responder->OnModal = [play](Platform::Form& form) {
      auto& dialog = static_cast<PreferenceForm&>(form);
      play(dialog);
      dialog.OkButton.Click.Raise();
    };
    Kordex::KordexModule::ShowPreferenceForm();
  }
  std::string Line(int n) const {
    return TestSupport::FileText(data / ("Line" + std::to_string(n)) / "LineInfo.Dat");
  }

  TestSupport::TempDir root;
  std::filesystem::path data;
};

}  // namespace

TEST_F(PreferenceLineEditTest, UneditedLineFilesStayByteForByte) {
  OpenAndOk([](PreferenceForm& form) {
    EXPECT_EQ(form.txtHoursPerDay.Text(), "16.66667");
    form.lstProductionLines.SetListIndex(1);
    EXPECT_EQ(form.txtCountMachine.Text(), "0");
    EXPECT_EQ(form.txtHoursPerDay.Text(), "-1");
    EXPECT_EQ(form.txtPanelPerHour.Text(), "-5");
    form.lstProductionLines.SetListIndex(0);
  });
  EXPECT_EQ(Line(1), kLine1);
  EXPECT_EQ(Line(2), kLine2);
}

TEST_F(PreferenceLineEditTest, AnEditedBoxWritesWhatItHolds) {
  OpenAndOk([](PreferenceForm& form) {
    form.lstProductionLines.SetListIndex(1);
    form.txtHoursPerDay.SetText("8");
    form.lstProductionLines.SetListIndex(0);
    form.lstProductionLines.SetListIndex(1);
    EXPECT_EQ(form.txtHoursPerDay.Text(), "8");
  });
  // The line's other figures stay as they were stored.
  EXPECT_EQ(Line(2),
            "[Line Info]\r\nCount Machine=0\r\nHours Per Day=8\r\n[Placement Files]\r\n"
            "WidgetB=-5\r\n");
  EXPECT_EQ(Line(1), kLine1);

  OpenAndOk([](PreferenceForm& form) {
    form.lstProductionLines.SetListIndex(1);
    form.txtPanelPerHour.SetText("12");
  });
  EXPECT_EQ(Line(2),
            "[Line Info]\r\nCount Machine=0\r\nHours Per Day=8\r\n[Placement Files]\r\n"
            "WidgetB=12\r\n");
}
