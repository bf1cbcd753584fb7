#include <cstdlib>
#include <string>

#include "tests/graph/GraphPreferenceFixture.h"
#include "tests/support/Raised.h"

using namespace Dravex;

namespace {

class GraphPrefsForm : public GraphPreferenceFixture {
 protected:
  void SetUp() override {
    GraphPreferenceFixture::SetUp();
    form = PreferenceDialog();
  }
  std::shared_ptr<GraphPreferenceForm> form;
};

}  // namespace

TEST_F(GraphPrefsForm, RowsStepByTheirPitchAndTheDialogGrowsWithThem) {
  form->AddControl(1);
  EXPECT_EQ(form->PreferenceTab.Height(), 1935);
  EXPECT_EQ(form->OkButton.Top(), 1935 + 120);
  form->AddControl(2);
  form->AddControl(3);
  EXPECT_EQ(form->PreferenceTab.Height(), 4411);
  EXPECT_EQ(form->SavePreference.Top(), 4411 + 120);
  EXPECT_NEAR(form->ScaleHeight(), 4411 + 120 + 375 + 120, 15);  // whole pixels
  EXPECT_EQ(form->MeanDisplay[1].Top(), 1200 + 1238);
  EXPECT_EQ(form->USLValue[2].Top(), 840 + 2476);
  EXPECT_EQ(form->Trend[2].Top(), 1200 + 2476);
  EXPECT_EQ(form->Trend[2].ListCount(), 2);
  EXPECT_EQ(form->AlarmExample[2].Tag(), "Delete5");
  EXPECT_EQ(form->StdDevOn.Count(), 18);
  EXPECT_EQ(form->StdDevOn[14].Left(), 3960);  // line -1 of row 2
  EXPECT_EQ(form->StdDevOn[14].Top(), 1440 + 2476);
  EXPECT_EQ(form->StdDevOn[15].Left(), 3960);  // line +1 of row 2
  EXPECT_EQ(form->StdDevOn[15].Top(), 1080 + 2476);

  form->RemoveControls();
  EXPECT_EQ(form->StdDevOn.Count(), 6);
  EXPECT_EQ(form->SeriesExample.Count(), 1);
  EXPECT_EQ(form->Trend[0].ListCount(), 2);
  EXPECT_EQ(form->Alarm[0].ListCount(), 2);
  EXPECT_EQ(TestSupport::Raised([&] { form->AddControl(28); }), 6);
  EXPECT_EQ(form->MeanOn.Count(), 1);
}

TEST_F(GraphPrefsForm, RowsKeepTheirBoxesConsistent) {
  form->SeriesValueFloat[0].SetValue(1);
  form->SeriesValueAbove[0].SetValue(1);
  EXPECT_EQ(form->SeriesValueFloat[0].Value(), 0);
  form->SeriesValueAbove[0].SetValue(0);
  EXPECT_EQ(form->SeriesValueBelow[0].Value() + form->SeriesValueFloat[0].Value(), 0);

  form->StdDevOn[4].SetValue(1);
  EXPECT_TRUE(form->StdDevDisplay[0].Enabled());
  form->StdDevOn[4].SetValue(0);
  EXPECT_FALSE(form->StdDevDisplay[0].Enabled());
  EXPECT_EQ(form->StdDevDisplay[0].BackColor(), form->BackColor());

  form->Trend[0].SetListIndex(1);
  EXPECT_EQ(form->TrendDisplay[0].Text(), "Linear");
  EXPECT_TRUE(form->TrendDisplay[0].Enabled());
}

TEST_F(GraphPrefsForm, LimitBoxesTakeOnlyNumbers) {
  form->Show();
  Platform::TextBox& box = form->LSLValue[0];
  form->PreferenceTab.SetTab(2);
  box.SetText("");
  box.SetFocus();
  Type("a1.5");
  EXPECT_EQ(box.Text(), "1.5");
  for (const auto& [typed, shown] : {std::pair<std::string, std::string>{"1.50", "1.5"},
                                     {"", "0"},
                                     {"1.2.3", "1.2"},
                                     {"5-", "5"}}) {
    box.SetText(typed);
    box.LostFocus.Raise();
    EXPECT_EQ(box.Text(), shown) << typed;
  }
}

TEST_F(GraphPrefsForm, ThreeSeriesOnSpecLimitsMakeAPicture) {
  AddSeries(3);
  Stats(1)->Limits(enuLimits::UpperLimit)->LimitOn(true);
  Stats(1)->Limits(enuLimits::UpperLimit)->Value(12.75f);
  Stats(2)->Limits(enuLimits::LowerLimit)->LimitOn(true);
  Stats(2)->Limits(enuLimits::LowerLimit)->Name("Min");
  Platform::Picture picture;
  const char* folder = std::getenv("TAVRO_TEST_BINARY_DIR");
  Play([&](GraphPreferenceForm& shown) {
    Platform::DoEvents();
    picture = shown.Snapshot();
    for (int page = 0; page < 6 && folder != nullptr; ++page) {
      shown.PreferenceTab.SetTab(page);
      Platform::DoEvents();
      shown.Snapshot().Save(std::string(folder) + "/GraphPreferences" + std::to_string(page) +
                            ".png");
    }
    shown.CancelButton.Click.Raise();
  });
  host.graph->ShowPreferences(GraphPreferences::GraphLimits);
  ASSERT_FALSE(picture.IsEmpty());
  EXPECT_GE(picture.Height() * 15, 4411);
  if (folder != nullptr) picture.Save(std::string(folder) + "/GraphPreferences.png");
}
