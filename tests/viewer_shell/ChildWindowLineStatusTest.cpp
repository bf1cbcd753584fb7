#include <gtest/gtest.h>

#include "platform/gui/RecordingSurface.h"
#include "viewer/shell/LineStatusForm.h"

using Kordex::LineStatusForm;
using Platform::RecordingSurface;

namespace {

// A surface whose text metrics do not follow the font: 6 twips a character,
// 10 a line, whatever the size the drawing asks for.
struct StatusDrawing {
  StatusDrawing() {
    surface.SetScaleMode(Platform::ScaleModes::Twips);
    surface.SetFontSize(8.25);
  }
  void Draw(const std::string& text, double width, double height) {
    surface.ClearRecords();
    LineStatusForm::DrawStatusText(surface, text, width, height);
  }
  RecordingSurface surface;
};

}  // namespace

TEST(ChildWindowLineStatus, FitsTheTighterDimensionAndCentres) {
  StatusDrawing d;
  // Two lines (20 high, 36 wide) in a wide, low window: fitted by height.
  d.Draw("Panels\r\nCP 1234", 1000, 100);
  EXPECT_DOUBLE_EQ(d.surface.FontSize(), 8.25 * 100 / 20 * 0.9);
  auto prints = d.surface.RecordsOf("PrintLine");
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0].Text, "Panels");
  EXPECT_EQ(prints[0].Args, (std::vector<double>{482, 40}));  // (1000-36)/2, (100-20)/2
  EXPECT_EQ(prints[1].Args, (std::vector<double>{479, 50}));  // (1000-42)/2 = 479
  EXPECT_EQ(d.surface.RecordsOf("Cls").size(), 1u);

  // One long line in a narrow window: fitted by width.
  d.surface.SetFontSize(8.25);
  d.Draw("0123456789", 90, 1000);
  EXPECT_DOUBLE_EQ(d.surface.FontSize(), 8.25 * 90 / 60 * 0.9);
  prints = d.surface.RecordsOf("PrintLine");
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].Args, (std::vector<double>{15, 495}));
}

TEST(ChildWindowLineStatus, EdgeCases) {
  StatusDrawing d;
  // A final CR LF prints an empty last line and counts in the block's height.
  d.Draw("AB\r\n", 1000, 101);
  auto prints = d.surface.RecordsOf("PrintLine");
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[1].Text, "");
  EXPECT_EQ(prints[0].Args[1], 40);  // round(101 - 20) = 81, halved: 40
  EXPECT_EQ(prints[1].Args[0], 500);

  // No height (a minimised window): cleared, nothing drawn, font kept.
  d.surface.SetFontSize(8.25);
  d.Draw("AB", 1000, 0);
  EXPECT_EQ(d.surface.RecordsOf("Cls").size(), 1u);
  EXPECT_TRUE(d.surface.RecordsOf("PrintLine").empty());
  EXPECT_DOUBLE_EQ(d.surface.FontSize(), 8.25);

  // An empty text leaves the window blank.
  d.Draw("", 1000, 1000);
  EXPECT_TRUE(d.surface.RecordsOf("PrintLine").empty());
}
