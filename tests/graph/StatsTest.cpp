#include <gtest/gtest.h>

#include <set>

#include "graph/model/GraphStats.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using TestSupport::Raised;

TEST(GraphStats, NewSettingsDrawNothing) {
  GraphStats stats;
  EXPECT_FALSE(stats.MeanBar());
  EXPECT_EQ(stats.Alarm(), AlarmType::AlarmNone);
  EXPECT_EQ(stats.Trend()->Trend(), TrendType::TrendNone);
  EXPECT_EQ(stats.Trend()->Name(), "");
  EXPECT_FALSE(stats.Mean()->StdDevOn());
  std::set<GraphStdDev*> lines{stats.Mean().get()};
  for (int16_t k : {-3, -2, -1, 1, 2, 3}) {
    EXPECT_FALSE(stats.StdDev(k)->StdDevOn()) << k;
    EXPECT_EQ(stats.StdDev(k)->Name(), "") << k;
    lines.insert(stats.StdDev(k).get());
  }
  EXPECT_EQ(lines.size(), 7u);  // seven separate settings, not one shared
  for (auto index : {enuLimits::LowerLimit, enuLimits::UpperLimit}) {
    EXPECT_FALSE(stats.Limits(index)->LimitOn());
    EXPECT_EQ(stats.Limits(index)->Value(), 0.0f);
    EXPECT_EQ(stats.Limits(index)->Name(), "");
  }
  EXPECT_NE(stats.Limits(enuLimits::LowerLimit), stats.Limits(enuLimits::UpperLimit));
}

TEST(GraphStats, TheMeanIsNotAStdDevLine) {
  GraphStats stats;
  EXPECT_EQ(stats.StdDev(0), nullptr);
  EXPECT_EQ(stats.StdDev(4), nullptr);
  EXPECT_EQ(stats.StdDev(-4), nullptr);
  EXPECT_NE(stats.Mean(), nullptr);

  const auto mean = stats.Mean();
  const auto plusOne = stats.StdDev(1);
  stats.StdDev(0, std::make_shared<GraphStdDev>());
  stats.StdDev(5, std::make_shared<GraphStdDev>());
  stats.StdDev(-5, std::make_shared<GraphStdDev>());
  EXPECT_EQ(stats.Mean(), mean);
  EXPECT_EQ(stats.StdDev(1), plusOne);
  EXPECT_EQ(stats.StdDev(0), nullptr);

  const auto minusTwo = std::make_shared<GraphStdDev>();
  stats.StdDev(-2, minusTwo);
  EXPECT_EQ(stats.StdDev(-2), minusTwo);
  EXPECT_EQ(stats.Mean(), mean);
}

TEST(GraphStats, LimitsOutsideLowerAndUpperAreOutOfRange) {
  GraphStats stats;
  const auto two = static_cast<enuLimits>(2);
  const auto minusOne = static_cast<enuLimits>(-1);
  EXPECT_EQ(Raised([&] { stats.Limits(two); }), Runtime::ErrorNumber::SubscriptOutOfRange);
  EXPECT_EQ(Raised([&] { stats.Limits(minusOne); }), Runtime::ErrorNumber::SubscriptOutOfRange);
  EXPECT_EQ(Raised([&] { stats.Limits(two, std::make_shared<GraphControlLimit>()); }),
            Runtime::ErrorNumber::SubscriptOutOfRange);

  const auto upper = std::make_shared<GraphControlLimit>();
  stats.Limits(enuLimits::UpperLimit, upper);
  EXPECT_EQ(stats.Limits(enuLimits::UpperLimit), upper);
}

TEST(GraphStats, SettingsDroppedByTheOwnerRaiseObjectNotSet) {
  GraphStats stats;
  stats.Trend(nullptr);
  stats.Mean(nullptr);
  stats.Limits(enuLimits::LowerLimit, nullptr);
  EXPECT_EQ(Raised([&] { stats.Trend(); }), Runtime::ErrorNumber::ObjectNotSet);
  EXPECT_EQ(Raised([&] { stats.Mean(); }), Runtime::ErrorNumber::ObjectNotSet);
  EXPECT_EQ(Raised([&] { stats.Limits(enuLimits::LowerLimit); }),
            Runtime::ErrorNumber::ObjectNotSet);
}
