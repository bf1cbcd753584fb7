#include <string>
#include <vector>

#include "common/TavroRegistry.h"
#include "platform/gui/Colour.h"
#include "tests/graph/GraphPreferenceFixture.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using Runtime::Variant;

namespace {

class GraphPrefsDialog : public GraphPreferenceFixture {
 protected:
  void Listen() {
    hooks.push_back(host.graph->ShowPreferenceForm.Connect(
        [this] { events.push_back("Show " + std::to_string(host.graph->MousePointer())); }));
    hooks.push_back(host.graph->PreferenceChange.Connect(
        [this](bool& save, std::string& app, std::string& section, std::string& chart) {
          events.push_back("Change " + std::to_string(host.graph->MousePointer()));
          if (hostSaves) {
            save = true;
            app = "TavroKordex";
            section = "Charts";
            chart = "Host Chart";
          }
          if (hostFails) Runtime::Raise(5);
        }));
    hooks.push_back(host.graph->HidePreferenceForm.Connect(
        [this] { events.push_back("Hide " + std::to_string(host.graph->MousePointer())); }));
  }

  std::vector<std::string> events;
  std::vector<Platform::ScopedConnection> hooks;
  bool hostSaves = false;
  bool hostFails = false;
};

}  // namespace

TEST_F(GraphPrefsDialog, OpensOnThePageAskedWithATitledRowPerSeries) {
  AddSeries(3);
  Stats(2)->Mean()->StdDevOn(true);
  Stats(3)->Trend()->Trend(TrendType::TrendLinear);
  Stats(3)->Trend()->Name("My trend");
  Listen();
  Play([&](GraphPreferenceForm& form) {
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(form.PreferenceTab.Tab(), 3);
    EXPECT_EQ(form.PreferenceTab.TabCaption(3), "Trends");
    EXPECT_EQ(form.TrendSeriesName.Count(), 3);
    EXPECT_EQ(form.TrendSeriesName[2].Caption(), "S3");
    EXPECT_EQ(form.TrendDisplay[1].Text(), "None");
    EXPECT_EQ(form.TrendDisplay[2].Text(), "My trend");
    EXPECT_EQ(form.MeanDisplay[1].Text(), "Mean");
    EXPECT_TRUE(form.MeanDisplay[1].Enabled());
    EXPECT_EQ(form.MeanDisplay[1].BackColor(), Platform::RGB(255, 255, 255));
    EXPECT_TRUE(form.MeanBar[1].Enabled());
    EXPECT_TRUE(form.SeriesValueAbove[2].Enabled());
    events.push_back("Modal " + std::to_string(host.graph->MousePointer()));
    form.OkButton.Click.Raise();
  });
  host.graph->ShowPreferences(GraphPreferences::GraphTrends);
  EXPECT_EQ(events, (std::vector<std::string>{"Show 0", "Modal 11", "Change 11", "Hide 0"}));
  EXPECT_EQ(Stats(3)->Trend()->Name(), "My trend");
  EXPECT_EQ(Stats(2)->Trend()->Name(), "None");
  EXPECT_EQ(PreferenceDialog()->MeanSeriesName.Count(), 1);
}

TEST_F(GraphPrefsDialog, TheStdDevBoxShowsTheLastNameAndOkGivesItToAllSix) {
  AddSeries(1);
  const std::vector<int16_t> lines = {-3, -2, -1, 1, 2, 3};
  for (size_t k = 0; k < lines.size(); ++k)
    Stats(1)->StdDev(lines[k])->Name(std::string(1, 'a' + k));
  Stats(1)->StdDev(-1)->StdDevOn(true);
  Play([](GraphPreferenceForm& form) {
    EXPECT_EQ(form.StdDevDisplay[0].Text(), "f");
    EXPECT_EQ(form.StdDevOn[2].Value(), 1);
    form.OkButton.Click.Raise();
  });
  host.graph->ShowPreferences(GraphPreferences::GraphStdDev);
  for (int16_t n : lines) EXPECT_EQ(Stats(1)->StdDev(n)->Name(), "f");
  EXPECT_TRUE(Stats(1)->StdDev(-1)->StdDevOn());
  EXPECT_FALSE(Stats(1)->StdDev(1)->StdDevOn());
}

TEST_F(GraphPrefsDialog, ApplyTwiceThenCancelKeepsTheSecondApply) {
  AddSeries(2);
  Listen();
  int shows = 0;
  Play([&](GraphPreferenceForm& form) {
    ++shows;
    if (shows <= 2) {
      form.USLValue[1].SetText(std::to_string(shows * 10));
      form.ApplyButton.Click.Raise();
    } else {
      form.USLValue[1].SetText("99");
      form.CancelButton.Click.Raise();
    }
  });
  host.graph->ShowPreferences(GraphPreferences::GraphLimits);
  EXPECT_EQ(shows, 3);
  EXPECT_EQ(Stats(2)->Limits(enuLimits::UpperLimit)->Value(), 20.0f);
  EXPECT_EQ(events, (std::vector<std::string>{"Show 0", "Hide 0"}));
  EXPECT_EQ(PreferenceDialog()->USLValue.Count(), 1);
}

TEST_F(GraphPrefsDialog, OkSavesUnderTheNamesTheHostGives) {
  AddSeries(1);
  Listen();
  hostSaves = true;
  Play([](GraphPreferenceForm& form) {
    form.LSLOn[0].SetValue(1);
    form.OkButton.Click.Raise();
  });
  host.graph->ShowPreferences(GraphPreferences::GraphLimits);
  EXPECT_EQ(Common::GetRegSetting("TavroKordex", "Charts\\Host Chart\\S1\\LowerLimit", "On",
                                  Variant(false)),
            Variant(int32_t{-1}));
}

TEST_F(GraphPrefsDialog, TheCloseBoxAfterAnEarlierOkChangesNothing) {
  AddSeries(1);
  Listen();
  hostSaves = true;
  Play([](GraphPreferenceForm& form) {
    form.MeanOn[0].SetValue(1);
    form.OkButton.Click.Raise();
  });
  host.graph->ShowPreferences(GraphPreferences::GraphMean);
  ASSERT_TRUE(Stats(1)->Mean()->StdDevOn());
  const std::string group = "Charts\\Host Chart\\S1\\Mean";
  Common::SaveRegSetting("TavroKordex", group, "On", Variant(false));
  Stats(1)->Mean()->StdDevOn(false);
  events.clear();
  Play([](GraphPreferenceForm& form) {
    form.MeanOn[0].SetValue(1);
    form.NoticeCloseRequest();
    EXPECT_TRUE(form.IsLoaded());
  });
  host.graph->ShowPreferences(GraphPreferences::GraphMean);
  EXPECT_FALSE(Stats(1)->Mean()->StdDevOn());
  EXPECT_EQ(events, (std::vector<std::string>{"Show 0", "Hide 0"}));
  EXPECT_EQ(Common::GetRegSetting("TavroKordex", group, "On", Variant()), Variant(int32_t{0}));
  EXPECT_EQ(PreferenceDialog()->MeanOn.Count(), 1);
}

TEST_F(GraphPrefsDialog, AHostErrorLeavesTheGraphIdleAndTheNextCallWorks) {
  AddSeries(2);
  Listen();
  hostFails = true;
  Play([](GraphPreferenceForm& form) { form.OkButton.Click.Raise(); });
  EXPECT_EQ(TestSupport::Raised([&] { host.graph->ShowPreferences(GraphPreferences::GraphMean); }),
            5);
  EXPECT_EQ(events.back(), "Hide 0");
  EXPECT_EQ(host.graph->MousePointer(), 0);

  hostFails = false;
  events.clear();
  Stats(2)->Alarm(static_cast<AlarmType>(3));
  // A damaged stored setting may hold a negative one.
  Stats(1)->Alarm(static_cast<AlarmType>(-2));
  Stats(1)->Trend()->Trend(static_cast<TrendType>(-2));
  Play([](GraphPreferenceForm& form) {
    EXPECT_EQ(form.AlarmSeriesName.Count(), 2);
    EXPECT_EQ(form.Alarm[1].ListIndex(), -1);
    EXPECT_EQ(form.Alarm[0].ListIndex(), -1);
    EXPECT_EQ(form.Trend[0].ListIndex(), -1);
    form.OkButton.Click.Raise();
  });
  host.graph->ShowPreferences(GraphPreferences::GraphAlarms);
  EXPECT_EQ(events.back(), "Hide 0");
  EXPECT_EQ(Stats(2)->Alarm(), static_cast<AlarmType>(3));
  EXPECT_EQ(Stats(1)->Alarm(), static_cast<AlarmType>(-2));
}

TEST_F(GraphPrefsDialog, TooManySeriesOrTooLargeALimitGetAMessage) {
  AddSeries(28);
  host.graph->ShowPreferences(GraphPreferences::GraphMean);
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_TRUE(responder->ModalForms.empty());

  host.graph->Series()->Remove(Variant(int16_t{28}));
  int shows = 0;
  Play([&](GraphPreferenceForm& form) {
    ++shows;
    form.LSLValue[26].SetText(shows == 1 ? "1" + std::string(40, '0') : "7");
    form.OkButton.Click.Raise();
  });
  host.graph->ShowPreferences(GraphPreferences::GraphMean);
  EXPECT_EQ(shows, 2);
  EXPECT_EQ(responder->Messages.back().Title, "Value Limit Error!");
  EXPECT_EQ(Stats(27)->Limits(enuLimits::LowerLimit)->Value(), 7.0f);
}
