#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/CommandButton.h"
#include "platform/gui/GuiConstants.h"
#include "tests/shortcuts/BarFixture.h"

using namespace Quillon;
using Runtime::Variant;
using ShortcutsTest::BarTest;
using ShortcutsTest::Send;

namespace {

constexpr int16_t Left = Platform::MouseButtons::Left;
constexpr int16_t Right = Platform::MouseButtons::Right;

// A 3D bar with one group of the shortcuts A, B and C, which notes its
// events and where the pointer is.
class ShortCutMouse : public BarTest {
 protected:
  void SetUp() override {
    BarTest::SetUp();
    bar.Appearance(Appearance3D);
    standard = bar.ShortCutGroups()->Add("Standard");
    for (const char* caption : {"A", "B", "C"}) standard->ShortCuts()->Add(caption, {});
    bar.SetPointerSource([this](double& x, double& y) {
      x = pointerX;
      y = pointerY;
      return true;
    });
    bar.MouseDown.Connect(Note("down"));
    bar.MouseUp.Connect(Note("up"));
    bar.MouseMove.Connect(Note("move"));
    bar.SelectShortCut.Connect([this](std::shared_ptr<clsShortCut>& chosen) {
      heard.push_back("select " + chosen->Key());
    });
    canvas.ClearRecords();
  }

  std::function<void(int16_t&, int16_t&, float&, float&)> Note(const std::string& what) {
    return [this, what](int16_t& button, int16_t& shift, float& x, float& y) {
      heard.push_back(what + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                      std::to_string(static_cast<int>(x)) + " " +
                      std::to_string(static_cast<int>(y)));
    };
  }
  std::shared_ptr<clsShortCut> ShortCut(const char* key) {
    return standard->ShortCuts()->Item(Variant(key));
  }
  // The pointer to the middle of a shortcut's icon, and a mouse event there.
  void PointAt(const char* key) {
    const clsRect& rect = *ShortCut(key)->Rect();
    pointerX = (rect.X1() + rect.X2()) / 2;
    pointerY = (rect.Y1() + rect.Y2()) / 2;
  }
  void Mouse(Platform::Event<int16_t&, int16_t&, double&, double&>& event, int16_t button,
             const char* key) {
    PointAt(key);
    Send(event, button, pointerX, pointerY);
  }
  // The looks the shortcut's cell was drawn in, in order: 5 plain, 6 raised,
  // 7 sunken.
  std::vector<int> Looks(const char* key) {
    const clsRect& rect = *ShortCut(key)->Rect();
    const auto& records = canvas.Records();
    std::vector<int> looks;
    for (size_t i = 0; i + 1 < records.size(); ++i) {
      if (records[i].Call != "FilledBox" || records[i].Args[1] != rect.Y1() - 2) continue;
      const auto& frame = records[i + 1];
      if (frame.Call == "Box") looks.push_back(5);
      if (frame.Call == "Line") looks.push_back(frame.ColourArg == bar.LightShadow() ? 6 : 7);
    }
    return looks;
  }

  std::shared_ptr<clsShortCutGroup> standard;
  std::vector<std::string> heard;
  double pointerX = 0, pointerY = 0;
};

}  // namespace

TEST_F(ShortCutMouse, AClickOnALitShortcutChoosesIt) {
  Mouse(bar.picCanvas.MouseMove, 0, "A");
  heard.clear();
  Mouse(bar.picCanvas.MouseDown, Left, "A");
  Mouse(bar.picCanvas.MouseUp, Left, "A");
  EXPECT_EQ(heard, (std::vector<std::string>{"down 1 0 50 42", "up 1 0 50 42", "select A",
                                             "move 0 0 50 42"}));
  EXPECT_EQ(Looks("A"), (std::vector<int>{6, 7, 6}));

  Mouse(bar.picCanvas.MouseMove, 0, "B");
  EXPECT_EQ(ShortCut("A")->State(), 0);
  EXPECT_EQ(ShortCut("B")->State(), -1);
  EXPECT_EQ(Looks("A"), (std::vector<int>{6, 7, 6, 5}));
}

TEST_F(ShortCutMouse, TheShortcutUnderThePressIsChosenWhereverItEnds) {
  std::vector<int> lookOfB;
  bar.SelectShortCut.Connect([&](std::shared_ptr<clsShortCut>&) { lookOfB = Looks("B"); });
  Mouse(bar.picCanvas.MouseMove, 0, "A");
  Mouse(bar.picCanvas.MouseDown, Left, "A");
  Mouse(bar.picCanvas.MouseMove, Left, "B");
  Mouse(bar.picCanvas.MouseUp, Left, "B");
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "select A"), 1);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "select B"), 0);
  EXPECT_TRUE(lookOfB.empty());
}

TEST_F(ShortCutMouse, NothingIsChosenWithoutTheLeftButtonOrAnEnabledShortcut) {
  Mouse(bar.picCanvas.MouseMove, 0, "A");
  Mouse(bar.picCanvas.MouseDown, Right, "A");
  Mouse(bar.picCanvas.MouseUp, Right, "A");

  auto vetoed = bar.MouseUp.Connect([](int16_t& button, int16_t&, float&, float&) { button = 2; });
  Mouse(bar.picCanvas.MouseDown, Left, "A");
  Mouse(bar.picCanvas.MouseUp, Left, "A");
  vetoed.Disconnect();

  ShortCut("C")->Enabled(false);
  Mouse(bar.picCanvas.MouseMove, 0, "C");
  EXPECT_EQ(ShortCut("C")->State(), 0);
  EXPECT_TRUE(Looks("C").empty());
  Mouse(bar.picCanvas.MouseDown, Left, "C");
  Mouse(bar.picCanvas.MouseUp, Left, "C");
  for (const std::string& event : heard) EXPECT_EQ(event.rfind("select", 0), std::string::npos);
}

TEST_F(ShortCutMouse, OneReleaseChoosesOneShortcutWhateverTheHostDoes) {
  bar.SelectShortCut.Connect([this](std::shared_ptr<clsShortCut>&) { PointAt("C"); });
  Mouse(bar.picCanvas.MouseMove, 0, "A");
  Mouse(bar.picCanvas.MouseDown, Left, "A");
  Mouse(bar.picCanvas.MouseUp, Left, "A");
  EXPECT_EQ(std::count_if(heard.begin(), heard.end(),
                          [](const std::string& e) { return e.rfind("select", 0) == 0; }),
            1);
  EXPECT_EQ(ShortCut("C")->State(), -1);

  // A handler that empties the group leaves nothing for the pass to touch.
  bar.SelectShortCut.Connect(
      [this](std::shared_ptr<clsShortCut>&) { standard->ShortCuts()->Clear(); });
  Mouse(bar.picCanvas.MouseDown, Left, "C");
  Mouse(bar.picCanvas.MouseUp, Left, "C");
  EXPECT_EQ(standard->ShortCuts()->Count(), 0);
}

TEST_F(ShortCutMouse, AHeaderButtonOpensItsGroupOnce) {
  standard->ShortCuts()->Add("D", {});
  standard->ShortCuts()->Add("E", {});
  const auto user = bar.ShortCutGroups()->Add("User");
  for (const char* caption : {"U1", "U2", "U3", "U4", "U5"}) user->ShortCuts()->Add(caption, {});
  ASSERT_TRUE(bar.ScrollShown());
  bar.vscScroll.SetValue(2);
  std::vector<std::string> opened;
  bar.ChangeShortCutGroup.Connect([&](std::shared_ptr<clsShortCutGroup>& group) {
    opened.push_back(group->Caption() + " after " + std::to_string(canvas.Count("Cls")));
  });
  canvas.ClearRecords();

  user->HeaderButton()->SetValue(true);
  ASSERT_EQ(opened, (std::vector<std::string>{"User after 1"}));
  EXPECT_TRUE(user->Current());
  EXPECT_FALSE(standard->Current());
  EXPECT_EQ(bar.ShortCutGroups()->Current(), user);
  EXPECT_EQ(bar.vscScroll.Value(), 2);
  EXPECT_EQ(user->HeaderButton()->Top(), 20);

  user->HeaderButton()->SetValue(true);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(ShortCutMouse, TheDragBarSetsTheWidth) {
  bar.SetWidth(150 * Platform::TwipsPerPixel);
  Send(bar.picDragBar.MouseDown, Left, 2, 10);
  Send(bar.picDragBar.MouseMove, Left, 50, 10);
  EXPECT_EQ(bar.ScaleWidth(), 196);
  Send(bar.picDragBar.MouseMove, Left, -200, 10);
  EXPECT_EQ(bar.ScaleWidth(), 4);
  Send(bar.picDragBar.MouseUp, Left, -200, 10);
  Send(bar.picDragBar.MouseMove, 0, 100, 10);
  EXPECT_EQ(bar.ScaleWidth(), 4);

  bar.Restore();
  bar.Resizable(false);
  Send(bar.picDragBar.MouseDown, Left, 2, 10);
  Send(bar.picDragBar.MouseMove, Left, 50, 10);
  EXPECT_EQ(bar.ScaleWidth(), 4);
}
