#include <gtest/gtest.h>

#include "viewer/data/ChartPreferenceName.h"

using Kordex::GetChartPreferenceName;

TEST(ChartPreferenceName, KeepsTheReportAndGroupingWords) {
  EXPECT_EQ(GetChartPreferenceName("Percentage Component Wastage By Part Number For Line 1"),
            "Percentage Component Wastage By Part");
  EXPECT_EQ(GetChartPreferenceName("Component Wastage By Date For Line 2"),
            "Component Wastage By Date");
  EXPECT_EQ(GetChartPreferenceName("Component Wastage By Part Number For Line 2"),
            "Component Wastage By Part");
  EXPECT_EQ(GetChartPreferenceName("Efficiency By Machine For Line 1"), "Efficiency By Machine");
  EXPECT_EQ(GetChartPreferenceName("Productivity By Product For Line 3"),
            "Productivity By Product");
  EXPECT_EQ(GetChartPreferenceName("Accumulated Panel Count By Date For Line 1"),
            "Accumulated Panel Count By Date");
  EXPECT_EQ(GetChartPreferenceName("Panel Count By Date For Line 1"), "Panel Count By Date");
  // The line is never part of the name.
  EXPECT_EQ(GetChartPreferenceName("Efficiency By Date For Line 1"),
            GetChartPreferenceName("Efficiency By Date For Line 2"));
}

TEST(ChartPreferenceName, EdgeCases) {
  // COMPONENTS is not COMPONENT: those reports share the empty name.
  EXPECT_EQ(GetChartPreferenceName("Components Per Hour By Date For Line 1"), "");
  EXPECT_EQ(GetChartPreferenceName("Board Count By Date For Line 1"), "");
  EXPECT_EQ(GetChartPreferenceName(""), "");
  EXPECT_EQ(GetChartPreferenceName("Efficiency"), "Efficiency  ");
  EXPECT_EQ(GetChartPreferenceName("productivity   by  date for line 4"), "productivity by date");
}
