#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/TavroRegistry.h"
#include "graph/prefs/GraphPreferenceStore.h"
#include "platform/Problems.h"
#include "platform/RegistryStore.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

const std::string kApp = "TavroKordex";
const std::string kChart = "Component Wastage By Date";

class GraphPrefsStore : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"S1", "S2", "S3"})
      host.graph->AddSeries(name, SeriesStyleType::LineGraph);
  }
  std::shared_ptr<GraphSeries> Series(int i) const {
    return host.graph->Series()->Item(Variant(int16_t(i)));
  }
  std::shared_ptr<GraphControlLimit> Lower(int i) const {
    return Series(i)->StatsAlarms()->Limits(enuLimits::LowerLimit);
  }
  std::string Path(const std::string& series, const std::string& group) const {
    return Common::BuildKeyPath(kApp, "Charts\\" + kChart + "\\" + series + "\\" + group);
  }

  GraphTest::TestHost host;
};

}  // namespace

TEST_F(GraphPrefsStore, OneSeriesKeepsItsValuesInTwelveGroups) {
  host.graph->Series()->Remove(Variant(int16_t{3}));
  host.graph->Series()->Remove(Variant(int16_t{2}));
  host.graph->SavePreferences(kApp, "Charts", kChart);
  int values = 0;
  for (const char* group :
       {"Mean", "StdDevMinus3", "StdDevMinus2", "StdDevMinus1", "StdDevPlus1", "StdDevPlus2",
        "StdDevPlus3", "LowerLimit", "UpperLimit", "Trends", "Alarms", "Series"}) {
    Platform::RegKey key = 0;
    ASSERT_EQ(Platform::RegOpenKey(Platform::MachineRoot, Path("S1", group),
                                   Platform::RegAccess::Read, key),
              0)
        << group;
    std::vector<Platform::RegValue> found;
    Platform::RegEnumValues(key, found);
    Platform::RegCloseKey(key);
    values += static_cast<int>(found.size());
  }
  EXPECT_EQ(values, 27);
  EXPECT_EQ(Common::ReadRegValue(Path("S1", "Series"), "On"), Variant(int32_t{-1}));
}

TEST_F(GraphPrefsStore, LimitsAndNamesComeBackAsSaved) {
  Lower(1)->Value(12.75f);
  Lower(1)->LimitOn(true);
  Lower(1)->Name("Min");
  Lower(2)->Value(2);
  Lower(2)->Name("1.5");
  Lower(3)->Value(1e11f);
  Lower(3)->Name("99999999999");
  Series(1)->StatsAlarms()->Trend()->Name("Trend 1");
  host.graph->SavePreferences(kApp, "Charts", kChart);

  EXPECT_EQ(Common::ReadRegValue(Path("S2", "LowerLimit"), "Value"), Variant(int32_t{2}));
  EXPECT_EQ(Common::ReadRegValue(Path("S2", "LowerLimit"), "Display"), Variant("1.5"));
  EXPECT_EQ(Common::ReadRegValue(Path("S1", "LowerLimit"), "Value"), Variant("12.75"));

  for (int i = 1; i <= 3; ++i) {
    Lower(i)->Value(0);
    Lower(i)->LimitOn(false);
    Lower(i)->Name("");
  }
  host.graph->LoadPreferences(kApp, "Charts", kChart);
  EXPECT_EQ(Lower(1)->Value(), 12.75f);
  EXPECT_TRUE(Lower(1)->LimitOn());
  EXPECT_EQ(Lower(1)->Name(), "Min");
  EXPECT_EQ(Lower(2)->Name(), "1.5");
  EXPECT_EQ(Lower(3)->Value(), 1e11f);
  EXPECT_EQ(Lower(3)->Name(), "99999999999");
  EXPECT_EQ(Series(1)->StatsAlarms()->Trend()->Name(), "Trend 1");
  EXPECT_EQ(GraphPreferenceStore::SingleText(0.1f), "0.1");
  EXPECT_EQ(GraphPreferenceStore::SingleText(-1.0e-7f), "-1E-07");
}

TEST_F(GraphPrefsStore, OneSeriesLoadsByPositionOrKey) {
  for (int i = 1; i <= 3; ++i) Lower(i)->LimitOn(true);
  host.graph->SavePreferences(kApp, "Charts", kChart);
  for (int i = 1; i <= 3; ++i) Lower(i)->LimitOn(false);

  host.graph->LoadPreferences(kApp, "Charts", kChart, Variant(int16_t{2}));
  EXPECT_FALSE(Lower(1)->LimitOn());
  EXPECT_TRUE(Lower(2)->LimitOn());
  EXPECT_FALSE(Lower(3)->LimitOn());
  host.graph->LoadPreferences(kApp, "Charts", kChart, Variant("S3"));
  EXPECT_TRUE(Lower(3)->LimitOn());
  EXPECT_FALSE(Lower(1)->LimitOn());

  EXPECT_NE(Raised([&] { host.graph->LoadPreferences(kApp, "Charts", kChart, Variant("S9")); }), 0);
  EXPECT_NE(Raised([&] { host.graph->LoadPreferences(kApp, "Charts", kChart, Variant("4")); }), 0);
  EXPECT_FALSE(Lower(1)->LimitOn());
}

TEST_F(GraphPrefsStore, AValueOfTheWrongKindTakesItsDefaultAndTheLoadGoesOn) {
  Series(1)->StatsAlarms()->Mean()->StdDevOn(true);
  Series(1)->Visible(false);
  host.graph->SavePreferences(kApp, "Charts", kChart);
  Common::SaveRegSetting(kApp, "Charts\\" + kChart + "\\S1\\Mean", "On", Variant("abc"));
  const int problems = Platform::ProblemCount();

  host.graph->LoadPreferences(kApp, "Charts", kChart);
  EXPECT_FALSE(Series(1)->StatsAlarms()->Mean()->StdDevOn());
  EXPECT_FALSE(Series(1)->Visible());
  EXPECT_EQ(Platform::ProblemCount(), problems + 1);
}
