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
// Every value in a text other than the one the dialog would write for it.
const std::string kLine3 =
    "[Line Info]\r\nCount Machine=02\r\nHours Per Day= 7.50\r\nAlias=North\r\n"
    "[Placement Files]\r\nWidgetA= 40\r\nWidgetB=040=7\r\n";

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
    ShellTestSupport::WriteFile(data / "Line3" / "LineInfo.Dat", kLine3);
    for (const char* product : {"WidgetA", "WidgetB"})
      ShellTestSupport::WriteFile(
          data / "Line3" / "History" / "2026_03_09" / "MachinePRD" / "M2" /
              ("12345_6789_PRDCOUNT_" + std::string(product) + ".TavroData"),
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
  // Types over the whole text of a line box, as the person does.
  void TypeOver(Platform::TextBox& box, const std::string& typed) {
    box.SetFocus();
    box.SetSelStart(0);
    box.SetSelLength(static_cast<int>(box.Text().size()));
    Type(typed);
    EXPECT_EQ(box.Text(), typed);
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
  EXPECT_EQ(Line(3), kLine3);
}

TEST_F(PreferenceLineEditTest, AnEditedLineKeepsItsStoredTextForValuesNobodyTyped) {
  OpenAndOk([this](PreferenceForm& form) {
    form.Tab.SetTab(3);
    TypeOver(form.txtCountMachine, "3");  // line 1
    form.lstProductionLines.SetListIndex(2);
    EXPECT_EQ(form.txtCountMachine.Text(), "2");
    EXPECT_EQ(form.txtHoursPerDay.Text(), "7.5");
    form.lstPlacementFiles.SetListIndex(1);
    EXPECT_EQ(form.txtPanelPerHour.Text(), "40");
    TypeOver(form.txtPanelPerHour, "12");  // WidgetB of line 3
  });
  // Count Machine of line 1: its hours stay "16.666667", not the "16.66667" shown.
  EXPECT_EQ(Line(1), "[Line Info]\r\nCount Machine=3\r\nHours Per Day=16.666667\r\n");
  // A placement file's key: neither "Line Info" value nor the other file's key is rewritten.
  EXPECT_EQ(Line(3),
            "[Line Info]\r\nCount Machine=02\r\nHours Per Day= 7.50\r\nAlias=North\r\n"
            "[Placement Files]\r\nWidgetA= 40\r\nWidgetB=12\r\n");
  EXPECT_EQ(Line(2), kLine2);

  // Hours Per Day: the count machine and both placement file keys keep their text.
  OpenAndOk([this](PreferenceForm& form) {
    form.Tab.SetTab(3);
    form.lstProductionLines.SetListIndex(2);
    TypeOver(form.txtHoursPerDay, "8");
  });
  EXPECT_EQ(Line(3),
            "[Line Info]\r\nCount Machine=02\r\nHours Per Day=8\r\nAlias=North\r\n"
            "[Placement Files]\r\nWidgetA= 40\r\nWidgetB=12\r\n");
  EXPECT_EQ(Line(1), "[Line Info]\r\nCount Machine=3\r\nHours Per Day=16.666667\r\n");

  // A value typed in one opening is not written again by a later Ok, so a text
  // put into the file meanwhile stays as well.
  const std::string meanwhile =
      "[Line Info]\r\nCount Machine=02\r\nHours Per Day=08\r\nAlias=North\r\n"
      "[Placement Files]\r\nWidgetA= 40\r\nWidgetB=012\r\n";
  ShellTestSupport::WriteFile(data / "Line3" / "LineInfo.Dat", meanwhile);
  OpenAndOk([this](PreferenceForm& form) {
    form.Tab.SetTab(3);
    form.lstProductionLines.SetListIndex(2);
    form.lstPlacementFiles.SetListIndex(0);
    TypeOver(form.txtPanelPerHour, "41");  // WidgetA of line 3
  });
  EXPECT_EQ(Line(3),
            "[Line Info]\r\nCount Machine=02\r\nHours Per Day=08\r\nAlias=North\r\n"
            "[Placement Files]\r\nWidgetA=41\r\nWidgetB=012\r\n");
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
