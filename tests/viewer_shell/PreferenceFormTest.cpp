// The preferences dialog: its opening, the data-directory check, Ok's commit
// and line files, and the key filter of the line fields.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/TavroRegistry.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/QtBridge.h"
#include "tests/platform/FileText.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/PreferenceForm.h"

using Kordex::PreferenceForm;
using Runtime::Variant;

namespace {

const std::string kLine1 = "[Line Info]\r\nCount Machine=2\r\nHours Per Day=7.5\r\n";
const std::string kLine2 =
    "[Line Info]\r\nCount Machine=1\r\nHours Per Day=16\r\nAlias=North\r\n"
    "[Placement Files]\r\nWidgetB=40\r\n";

// The width, in pixels, a one-line box draws its text in, worked out as the
// box does before it paints: its contents less the style's frame, the text
// margins and the two pixels the box keeps free on either side (Qt's
// QLineEditPrivate::horizontalMargin). A text whose width rounded up by one
// pixel for the caret is at most this shows whole, without scrolling.
int TextRoom(const QLineEdit& line) {
  constexpr int kHorizontalMargin = 2;
  QStyleOptionFrame option;
  option.initFrom(&line);
  option.rect = line.contentsRect();
  option.lineWidth =
      line.hasFrame() ? line.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &line) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  option.features = QStyleOptionFrame::None;
  const QRect contents = line.style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, &line)
                             .marginsRemoved(line.textMargins());
  return contents.width() - 2 * kHorizontalMargin;
}

}  // namespace

class PreferenceFormTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    data = root.Path() / "Prod" / "Data";
    ShellTestSupport::WriteFile(data / "Line1" / "LineInfo.Dat", kLine1);
    ShellTestSupport::WriteFile(data / "Line2" / "LineInfo.Dat", kLine2);
    ShellTestSupport::WriteFile(data / "Line2" / "History" / "2026_03_09" / "MachinePRD" / "M3" /
                                    "12345_6789_PRDCOUNT_WidgetB.TavroData",
                                "");
    StartMainWindow(Folder());
  }
  std::string Folder() const { return data.string() + "/"; }
  PreferenceForm& Dialog() { return PreferenceForm::Dialog(); }
  // Opens the dialog; the person plays while it is shown.
  void Open(std::function<void(PreferenceForm&)> play) {
    responder->OnModal = [play](Platform::Form& form) { play(static_cast<PreferenceForm&>(form)); };
    Kordex::KordexModule::ShowPreferenceForm();
  }
  void CheckDirectory(PreferenceForm& form, const std::string& typed) {
    form.DataDirectory.SetText(typed);
    form.DataDirectory.LostFocus.Raise();
  }

  TestSupport::TempDir root;
  std::filesystem::path data;
};

TEST_F(PreferenceFormTest, OpensOnTheCommittedValues) {
  Open([&](PreferenceForm& form) {
    EXPECT_EQ(form.Caption(), "Preferences");
    EXPECT_EQ(form.Tab.Tab(), 0);
    EXPECT_EQ(form.ParetoDisplayWidth.Text(), "10");
    EXPECT_EQ(form.ParetoMaxEntries.Text(), "10");
    EXPECT_EQ(form.RunTimeDisplayWidth.Text(), "31");
    EXPECT_EQ(form.RunTimeHistory.Text(), "100");
    EXPECT_EQ(form.DataDirectory.Text(), Folder());
    EXPECT_EQ(form.UpdateInterval.Text(), "5");
    EXPECT_EQ(form.LineStatus.Text(), "Panel Count\r\n<CP>");
    EXPECT_EQ(form.lstProductionLines.ListCount(), 2);
    EXPECT_EQ(form.txtCountMachine.Text(), "2");
    for (const auto& [typed, unit] : {std::pair<std::string, std::string>{"1", "Minute"},
                                      {"0", "Minutes"},
                                      {"2", "Minutes"},
                                      {"", "Minutes"}}) {
      form.UpdateInterval.SetText(typed);
      EXPECT_EQ(form.labMinutes.Caption(), unit) << typed;
    }
    Platform::DoEvents();
    const char* binary = std::getenv("TAVRO_TEST_BINARY_DIR");
    for (int tab = 0; tab < 4 && binary != nullptr; ++tab) {
      form.Tab.SetTab(tab);
      Platform::DoEvents();
      form.Snapshot().Save(std::string(binary) + "/Preferences" + std::to_string(tab) + ".png");
    }
    form.CancelButton.Click.Raise();
  });
}

TEST_F(PreferenceFormTest, TheDataDirectoryMustEndInData) {
  const std::string prod = (root.Path() / "Prod").string();
  Open([&](PreferenceForm& form) {
    CheckDirectory(form, prod + "/Data");
    EXPECT_EQ(form.DataDirectory.Text(), prod + "/Data/");
    CheckDirectory(form, prod + "/prod/data/");
    EXPECT_EQ(form.DataDirectory.Text(), prod + "/prod/data/");
    EXPECT_TRUE(responder->Messages.empty());

    responder->MessageAnswers = {Platform::MsgBoxResults::Yes, Platform::MsgBoxResults::No};
    CheckDirectory(form, prod + "/Data/Line1");
    EXPECT_EQ(form.DataDirectory.Text(), prod + "/Data/");
    EXPECT_EQ(responder->Messages.back().Title, "Data Directory Error!");
    EXPECT_EQ(responder->Messages.back().Prompt,
              "Data Directory must end with '/Data/'\r\nA data directory has been detected\r\n"
              "Do you wish Kordex to use this?");
    CheckDirectory(form, prod + "/Data/Line1");
    EXPECT_EQ(form.DataDirectory.Text(), prod + "/Data/");

    for (const std::string& typed : {prod + "/DATA/LINE1/", std::string("/a/")}) {
      CheckDirectory(form, typed);
      EXPECT_EQ(form.DataDirectory.Text(), prod + "/Data/");
      EXPECT_EQ(responder->Messages.back().Prompt,
                "Data Directory must end with '/Data/'\r\nKordex will use the last known Data "
                "Directory.");
    }
    EXPECT_EQ(responder->Messages.size(), 4u);
    form.CancelButton.Click.Raise();
  });
}

TEST_F(PreferenceFormTest, OkCommitsNothingWhileABoxIsOutOfRange) {
  Open([&](PreferenceForm& form) {
    form.ParetoMaxEntries.SetText("99999");
    form.txtHoursPerDay.SetText("9");
    form.OkButton.Click.Raise();
    ASSERT_EQ(responder->Messages.size(), 1u);
    EXPECT_EQ(responder->Messages[0].Title, "Value Limit Error!");
    EXPECT_EQ(responder->Messages[0].Prompt,
              "The maximun value for 'Pareto Maximum Entries' is 32767");
    EXPECT_TRUE(form.Visible());
    form.CancelButton.Click.Raise();
  });
  EXPECT_TRUE(
      Common::GetRegSetting("TavroKordex", "Preferences", "Pareto Maximum Entries", Variant())
          .IsEmpty());
  EXPECT_EQ(TestSupport::FileText(data / "Line1" / "LineInfo.Dat"), kLine1);
}

TEST_F(PreferenceFormTest, OkWritesOnlyTheLinesEdited) {
  Open([&](PreferenceForm& form) {
    form.lstProductionLines.SetListIndex(1);
    form.lstProductionLines.SetListIndex(0);
    form.OkButton.Click.Raise();
  });
  EXPECT_EQ(TestSupport::FileText(data / "Line1" / "LineInfo.Dat"), kLine1);
  EXPECT_EQ(TestSupport::FileText(data / "Line2" / "LineInfo.Dat"), kLine2);

  Open([&](PreferenceForm& form) {
    form.lstProductionLines.SetListIndex(1);
    form.txtCountMachine.SetText("3");
    EXPECT_EQ(form.lstPlacementFiles.List(0), "WidgetB");
    EXPECT_EQ(form.txtPanelPerHour.Text(), "40");
    form.lstProductionLines.SetListIndex(0);
    EXPECT_EQ(form.txtPanelPerHour.Text(), "");  // line 1 counted no products
    form.lstProductionLines.SetListIndex(1);
    form.txtHoursPerDay.SetText("8");
    form.txtPanelPerHour.SetText("99999");  // pasted: what the field holds at most
    form.LineStatus.SetText("Boards\r\n<CP>");
    form.OkButton.Click.Raise();
  });
  const std::string line2 = TestSupport::FileText(data / "Line2" / "LineInfo.Dat");
  EXPECT_NE(line2.find("Count Machine=3"), std::string::npos);
  EXPECT_NE(line2.find("Hours Per Day=8"), std::string::npos);
  EXPECT_NE(line2.find("Alias=North"), std::string::npos);
  EXPECT_NE(line2.find("WidgetB=32767"), std::string::npos);
  EXPECT_EQ(TestSupport::FileText(data / "Line1" / "LineInfo.Dat"), kLine1);
  EXPECT_EQ(Common::GetRegSetting("TavroKordex", "General", "Line Status", Variant()),
            Variant("Boards\r\n<CP>"));

  // Cancel and the close box write nothing; the next opening shows what Ok committed.
  Open([&](PreferenceForm& form) {
    form.lstProductionLines.SetListIndex(1);
    form.txtHoursPerDay.SetText("4");
    form.UpdateInterval.SetText("9");
    form.CancelButton.Click.Raise();
  });
  Open([&](PreferenceForm& form) {
    form.lstProductionLines.SetListIndex(1);
    EXPECT_EQ(form.txtHoursPerDay.Text(), "8");
    EXPECT_EQ(form.UpdateInterval.Text(), "5");
    form.txtHoursPerDay.SetText("4");
    form.NoticeCloseRequest();
    EXPECT_TRUE(form.IsLoaded());
  });
  EXPECT_EQ(TestSupport::FileText(data / "Line2" / "LineInfo.Dat"), line2);
}

TEST_F(PreferenceFormTest, LineEditsReachTheirFilesWhenTheDataDirectoryLacksItsSeparator) {
  mainForm->objPreferences->Item(Variant("Data Directory"))->SetValue(Variant(data.string()));
  Open([&](PreferenceForm& form) {
    form.lstProductionLines.SetListIndex(1);
    form.txtCountMachine.SetText("3");
    EXPECT_EQ(form.lstPlacementFiles.ListCount(), 1);
    form.OkButton.Click.Raise();
  });
  EXPECT_NE(TestSupport::FileText(data / "Line2" / "LineInfo.Dat").find("Count Machine=3"),
            std::string::npos);
}

TEST_F(PreferenceFormTest, LineFieldsTakeWholeNumbersThatFit) {
  Open([&](PreferenceForm& form) {
    form.Tab.SetTab(3);
    form.txtPanelPerHour.SetText("");
    form.txtPanelPerHour.SetFocus();
    Type("0a.-7");
    EXPECT_EQ(form.txtPanelPerHour.Text(), "7");
    Press(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(form.txtPanelPerHour.Text(), "");
    form.txtHoursPerDay.SetText("");
    form.txtHoursPerDay.SetFocus();
    Type("40000");
    EXPECT_EQ(form.txtHoursPerDay.Text(), "4000");

    form.lstProductionLines.SetListIndex(-1);
    EXPECT_EQ(form.txtCountMachine.Text(), "");
    form.txtCountMachine.SetFocus();
    Type("5");
    EXPECT_EQ(form.txtCountMachine.Text(), "");
    form.CancelButton.Click.Raise();
  });
}

TEST_F(PreferenceFormTest, EachLineBoxFitsTheValuesItHolds) {
  // The widest texts each box is given: a 16-bit figure with its sign, and
  // hours as a Single prints them, seven digits with a sign and a point.
  const std::vector<std::string> figures = {"-32768", "32767"};
  const std::vector<std::string> hours = {"16.66667", "-16.66667", "9999.999", "32767"};
  Open([&](PreferenceForm& form) {
    form.Tab.SetTab(3);
    Platform::DoEvents();
    const std::tuple<Platform::Label*, Platform::TextBox*, const std::vector<std::string>*> rows[] =
        {{&form.labCountMachine, &form.txtCountMachine, &figures},
         {&form.labHoursPerDay, &form.txtHoursPerDay, &hours},
         {&form.labPanelPerHour, &form.txtPanelPerHour, &figures}};
    for (const auto& [label, box, texts] : rows) {
      auto* line = qobject_cast<QLineEdit*>(WidgetOf(*box));
      ASSERT_NE(line, nullptr) << box->Name();
      const int room = TextRoom(*line);
      const QFontMetricsF metrics(line->font());
      for (const std::string& text : *texts) {
        const double width = metrics.horizontalAdvance(Platform::ToQString(text));
        EXPECT_LE(qRound(width) + 1, room)
            << box->Name() << " holding " << text << ": " << width << " px in " << room << " px";
      }
      // Still on its page, and clear of its label.
      const QRect place = line->geometry();
      EXPECT_TRUE(line->parentWidget()->rect().contains(place)) << box->Name();
      EXPECT_LE(WidgetOf(*label)->geometry().right(), place.left()) << box->Name();
    }
    form.CancelButton.Click.Raise();
  });
}
