#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/CommandButton.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/PropertyBag.h"
#include "tests/shortcuts/BarFixture.h"

using namespace Quillon;
using Runtime::Variant;
using ShortcutsTest::BarForm;
using ShortcutsTest::BarTest;

namespace {

class ShortCutBar : public BarTest {};

}  // namespace

TEST_F(ShortCutBar, ANewBarDocksLeftWithItsDefaults) {
  EXPECT_EQ(bar.Align(), Platform::Aligns::Left);
  EXPECT_EQ(bar.IconGap(), 25);
  EXPECT_EQ(bar.Border(), 4);
  EXPECT_EQ(bar.ButtonHeight(), 20);
  EXPECT_EQ(bar.IconBorder(), 2);
  EXPECT_EQ(bar.IconSize(), IconSize32x32);
  EXPECT_EQ(bar.BackColour(), 0xC0C0C0);
  EXPECT_EQ(bar.ForeColour(), 0);
  EXPECT_EQ(bar.Appearance(), AppearanceFlat);
  EXPECT_TRUE(bar.Enabled());
  EXPECT_TRUE(bar.Resizable());
  EXPECT_EQ(bar.Caption(), "Caption");
  EXPECT_EQ(bar.vscScroll.Min(), 1);

  bar.Appearance(Appearance3D);
  bar.Appearance(2);
  EXPECT_EQ(bar.Appearance(), Appearance3D);
  EXPECT_EQ(bar.BackColour(), 0xC0C0C0);
}

TEST_F(ShortCutBar, OnlyPropertiesOffTheirDefaultsAreStored) {
  EXPECT_EQ(bar.SaveProperties().Count(), 0);

  Platform::PropertyBag saved;
  saved.WriteProperty("IconGap", Variant(int16_t{30}));
  saved.WriteProperty("Resizable", Variant(false));
  for (const Platform::PropertyBag& bag : {Platform::PropertyBag(), saved}) {
    auto loaded = std::make_shared<BarForm>();
    loaded->Tabrill.SetPropertyBag(bag);
    loaded->Load();
    const cntTabrill& read = loaded->Tabrill;
    EXPECT_EQ(read.IconGap(), bag.Count() ? 30 : 25);
    EXPECT_EQ(read.Resizable(), bag.Count() == 0);
    EXPECT_EQ(read.Border(), 4);
    EXPECT_EQ(read.BackColour(), 0xC0C0C0);
    EXPECT_EQ(read.IconSize(), IconSize32x32);
    EXPECT_EQ(loaded->Tabrill.SaveProperties().Names(), bag.Names());
  }
}

TEST_F(ShortCutBar, HideLeavesTheDragBarAndRestoreTheWidthBefore) {
  bar.Restore();
  EXPECT_EQ(bar.ScaleWidth(), 4);
  bar.SetWidth(150 * Platform::TwipsPerPixel);
  bar.Hide();
  EXPECT_EQ(bar.ScaleWidth(), 4);
  EXPECT_EQ(bar.SavedWidth(), 150);
  bar.Restore();
  EXPECT_EQ(bar.ScaleWidth(), 150);
}

TEST_F(ShortCutBar, HitTestFindsTheShortcutStrictlyInsideAnIcon) {
  EXPECT_EQ(bar.HitTest(35, 60), nullptr);
  auto& shortCuts = *bar.ShortCutGroups()->Add("Standard")->ShortCuts();
  const auto shortCut = shortCuts.Add("A", {});
  auto& rect = *shortCut->Rect();
  rect.X1(34);
  rect.Y1(46);
  rect.X2(66);
  rect.Y2(78);
  EXPECT_EQ(bar.HitTest(34, 60), nullptr);
  EXPECT_EQ(bar.HitTest(66, 60), nullptr);
  EXPECT_EQ(bar.HitTest(35, 60), shortCut);
  shortCut->Enabled(false);
  EXPECT_EQ(bar.HitTest(35, 77.5f), shortCut);
}

TEST_F(ShortCutBar, ADisabledBarHearsNoMouse) {
  const auto standard = bar.ShortCutGroups()->Add("Standard");
  std::vector<std::string> heard;
  auto hear = [&](const char* what) {
    return [&heard, what](int16_t& button, int16_t&, float&, float&) {
      heard.push_back(what + std::to_string(button));
    };
  };
  bar.MouseDown.Connect(hear("down"));
  bar.MouseMove.Connect(hear("move"));
  bar.MouseUp.Connect(hear("up"));
  int16_t button = 1, shift = 0;
  double x = 10, y = 10;
  bar.picCanvas.MouseDown.Raise(button, shift, x, y);
  bar.picCanvas.MouseUp.Raise(button, shift, x, y);
  EXPECT_EQ(heard, (std::vector<std::string>{"down1", "up1"}));

  bar.Enabled(false);
  EXPECT_FALSE(standard->HeaderButton()->Enabled());
  EXPECT_FALSE(bar.vscScroll.Enabled());
  bar.picCanvas.MouseDown.Raise(button, shift, x, y);
  bar.picCanvas.MouseMove.Raise(button, shift, x, y);
  bar.picCanvas.MouseUp.Raise(button, shift, x, y);
  EXPECT_EQ(heard.size(), 2u);

  bar.Enabled(true);
  EXPECT_TRUE(standard->HeaderButton()->Enabled());
}
