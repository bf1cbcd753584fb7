#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/CommandButton.h"
#include "platform/gui/GuiConstants.h"
#include "tests/shortcuts/BarFixture.h"

using namespace Quillon;
using Runtime::Variant;
using ShortcutsTest::BarTest;

namespace {

class ShortCutLayout : public BarTest {
 protected:
  // Groups G1 .. G<count>, the second current when there is one.
  void AddGroups(int count) {
    for (int i = 1; i <= count; ++i) groups.Add("G" + std::to_string(i));
    if (count < 2) return;
    groups.Current()->Current(false);
    groups.Current(Group(2));
    Group(2)->Current(true);
  }
  std::shared_ptr<clsShortCutGroup> Group(int position) {
    return groups.Item(Variant(static_cast<int16_t>(position)));
  }
  void AddShortCuts(clsShortCutGroup& group, int count) {
    for (int i = 1; i <= count; ++i)
      group.ShortCuts()->Add("S" + std::to_string(group.ShortCuts()->Count() + 1), {});
  }
  static std::vector<int> Corners(const clsShortCut& shortCut) {
    const clsRect& rect = *shortCut.Rect();
    return {rect.X1(), rect.Y1(), rect.X2(), rect.Y2()};
  }
  std::vector<double> Place(const Platform::VisualControl& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
  }

  clsShortCutGroups& groups = *bar.ShortCutGroups();
};

}  // namespace

TEST_F(ShortCutLayout, TheScrollBarShowsWhenTheCurrentGroupDoesNotFit) {
  AddGroups(2);
  AddShortCuts(*Group(2), 4);
  EXPECT_TRUE(bar.ScrollShown());
  EXPECT_TRUE(bar.vscScroll.Visible());
  EXPECT_EQ(bar.vscScroll.Max(), 2);
  bar.vscScroll.SetValue(2);

  Group(2)->ShortCuts()->Remove(Variant(4));
  bar.IconGap(25);
  EXPECT_FALSE(bar.ScrollShown());
  EXPECT_FALSE(bar.vscScroll.Visible());
  EXPECT_EQ(bar.vscScroll.Value(), 1);
}

TEST_F(ShortCutLayout, ButtonsStackRoundTheCurrentGroupWhoseIconsAreCentred) {
  AddGroups(3);
  AddShortCuts(*Group(2), 2);
  EXPECT_EQ(Group(1)->HeaderButton()->Top(), 0);
  EXPECT_EQ(Group(2)->HeaderButton()->Top(), 20);
  EXPECT_EQ(Group(3)->HeaderButton()->Top(), 280);
  EXPECT_EQ(Group(3)->HeaderButton()->Width(), 100);
  const auto& shortCuts = *Group(2)->ShortCuts();
  EXPECT_EQ(Corners(*shortCuts.Item(Variant(1))), (std::vector<int>{34, 46, 66, 78}));
  EXPECT_EQ(Corners(*shortCuts.Item(Variant(2))), (std::vector<int>{34, 124, 66, 156}));
  canvas.ClearRecords();
  bar.DrawShortCuts();
  const auto captions = canvas.RecordsOf("Print");
  ASSERT_EQ(captions.size(), 2u);
  EXPECT_EQ(captions[0].Text, "S1");
  EXPECT_EQ(captions[0].Args[1], 82);
  EXPECT_EQ(captions[0].Args[0], 44);  // (100 - 12) / 2

  AddShortCuts(*Group(2), 3);
  ASSERT_TRUE(bar.ScrollShown());
  EXPECT_EQ(bar.vscScroll.Width(), 17);
  EXPECT_EQ(shortCuts.Item(Variant(1))->Rect()->X1(), 26);  // 25.5 to the even 26
  EXPECT_EQ(Place(bar.vscScroll), (std::vector<double>{83, 40, 17, 240}));

  bar.vscScroll.SetValue(3);
  EXPECT_EQ(Corners(*shortCuts.Item(Variant(1))), (std::vector<int>{-1, -1, -1, -1}));
  EXPECT_EQ(Corners(*shortCuts.Item(Variant(2))), (std::vector<int>{-1, -1, -1, -1}));
  EXPECT_EQ(shortCuts.Item(Variant(3))->Rect()->Y1(), 46);
}

TEST_F(ShortCutLayout, RemovingTheCurrentGroupRestacksTheOthers) {
  AddGroups(3);
  AddShortCuts(*Group(1), 1);
  AddShortCuts(*Group(2), 1);
  canvas.ClearRecords();
  groups.Remove(Variant(2));
  EXPECT_EQ(Group(1)->HeaderButton()->Top(), 0);
  EXPECT_EQ(Group(2)->HeaderButton()->Top(), 280);
  EXPECT_EQ(canvas.RecordsOf("DrawPicture").size(), 0u);  // the shortcuts have no icons
  ASSERT_EQ(canvas.RecordsOf("Print").size(), 1u);
  EXPECT_EQ(canvas.RecordsOf("Print")[0].Args[1], 20 + 32 + 4 + 4 + 2);
}

TEST_F(ShortCutLayout, TheBarLaysOutCaptionCanvasAndDragBar) {
  bar.SetCanvasSurface(nullptr);
  form->SetClientSize(3000, 400 * Platform::TwipsPerPixel);
  int resized = 0;
  bar.Resize.Connect([&] { ++resized; });
  bar.Caption("Charts");
  bar.SetWidth(150 * Platform::TwipsPerPixel);
  EXPECT_GE(resized, 1);
  EXPECT_TRUE(bar.labCaption.Visible());
  EXPECT_EQ(Place(bar.labCaption), (std::vector<double>{4, 4, 142, 17}));
  EXPECT_EQ(Place(bar.picCanvas), (std::vector<double>{4, 25, 142, 371}));
  EXPECT_EQ(Place(bar.picDragBar), (std::vector<double>{146, 0, 4, 400}));

  bar.Caption("");
  EXPECT_FALSE(bar.labCaption.Visible());
  EXPECT_EQ(Place(bar.picCanvas), (std::vector<double>{4, 4, 142, 392}));

  bar.Hide();
  EXPECT_FALSE(bar.picCanvas.Visible());
  EXPECT_FALSE(bar.labCaption.Visible());
  EXPECT_TRUE(bar.picDragBar.Visible());
  EXPECT_EQ(Place(bar.picDragBar), (std::vector<double>{0, 0, 4, 400}));
}
