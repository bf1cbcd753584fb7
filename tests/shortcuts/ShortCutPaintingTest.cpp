#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gui/GuiConstants.h"
#include "platform/gui/QtBridge.h"
#include "tests/shortcuts/BarFixture.h"

using namespace Quillon;
using Platform::Colour;
using Runtime::Variant;
using ShortcutsTest::BarForm;
using ShortcutsTest::BarTest;
using ShortcutsTest::Send;

namespace {

// Five icons drawn for these pictures: a cog, a clock, a bin, a bar chart and
// a calendar, on a transparent ground.
Platform::Picture TestIcon(int kind) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::black, 1));
  switch (kind) {
    case 1:
      painter.setBrush(QColor(40, 90, 200));
      painter.drawEllipse(3, 3, 25, 25);
      painter.setBrush(Qt::white);
      painter.drawEllipse(11, 11, 9, 9);
      break;
    case 2:
      painter.setBrush(QColor(250, 250, 210));
      painter.drawEllipse(2, 2, 27, 27);
      painter.drawLine(16, 16, 16, 6);
      painter.drawLine(16, 16, 23, 19);
      break;
    case 3:
      painter.setBrush(QColor(120, 120, 120));
      painter.drawRect(8, 8, 16, 21);
      painter.drawRect(5, 4, 22, 3);
      break;
    case 4:
      painter.setBrush(QColor(200, 40, 40));
      painter.drawRect(4, 16, 6, 13);
      painter.setBrush(QColor(40, 160, 40));
      painter.drawRect(13, 8, 6, 21);
      painter.setBrush(QColor(40, 90, 200));
      painter.drawRect(22, 3, 6, 26);
      break;
    default:
      painter.setBrush(Qt::white);
      painter.drawRect(3, 5, 25, 23);
      painter.setBrush(QColor(200, 40, 40));
      painter.drawRect(3, 5, 25, 6);
      break;
  }
  painter.end();
  return Platform::PictureOf(image, Platform::PictureType::Icon);
}

std::filesystem::path Output(const std::string& name) {
  const std::filesystem::path folder =
      std::filesystem::path(std::getenv("TAVRO_TEST_BINARY_DIR")) / "shortcuts";
  std::filesystem::create_directories(folder);
  return folder / name;
}

class ShortCutPainting : public BarTest {};

// A window whose bar holds the viewer's report shortcuts, painted on its own
// canvas.
class PaintedBar : public testing::Test {
 protected:
  void SetUp() override {
    Platform::EnsureApplication();
    form->SetClientSize(4500, 430 * Platform::TwipsPerPixel);
    form->Load();
    bar.SetWidth(120 * Platform::TwipsPerPixel);
    bar.Caption("Charts");
    auto standard = bar.ShortCutGroups()->Add("Standard");
    bar.ShortCutGroups()->Add("User");
    const char* captions[] = {"Productivity", "Efficiency", "Component Wastage", "Board Count",
                              "Components Per Hour"};
    for (int i = 0; i < 5; ++i) standard->ShortCuts()->Add(captions[i], TestIcon(i + 1));
    shortCuts = standard->ShortCuts();
    shortCuts->Item(Variant(5))->Enabled(false);
  }
  void TearDown() override {
    for (Platform::Form* open : Platform::Forms::All()) open->Unload();
  }

  // Draws the bar, the first shortcut plain, hot and pressed, and saves each.
  void PaintLooks(const std::string& appearance) {
    bar.Appearance(appearance == "3d" ? Appearance3D : AppearanceFlat);
    Send(bar.picCanvas.MouseMove, 0, 1, 1);
    bar.DrawShortCuts();
    Save(appearance + "-normal");
    const clsRect& rect = *shortCuts->Item(Variant(1))->Rect();
    Send(bar.picCanvas.MouseMove, 0, rect.X1() + 16, rect.Y1() + 16);
    Save(appearance + "-hot");
    Send(bar.picCanvas.MouseDown, Platform::MouseButtons::Left, rect.X1() + 16, rect.Y1() + 16);
    Save(appearance + "-pressed");
  }
  void Save(const std::string& look) {
    Platform::Picture picture = bar.picCanvas.Drawing().Image();
    picture.Save(Output("bar-" + look + ".png").string());
    looks.push_back(picture);
  }

  std::shared_ptr<BarForm> form = std::make_shared<BarForm>();
  cntTabrill& bar = form->Tabrill;
  std::shared_ptr<clsShortCuts> shortCuts;
  std::vector<Platform::Picture> looks;
};

}  // namespace

TEST_F(ShortCutPainting, ShadesAreAQuarterOfTheWayToBlackOrWhite) {
  EXPECT_EQ(cntTabrill::ShadeColour(0xC0C0C0, 1), 0x909090);
  EXPECT_EQ(cntTabrill::ShadeColour(0xC0C0C0, 0), 0xCFCFCF);
  EXPECT_EQ(cntTabrill::ShadeColour(0x0000FF, 1), 0x0000BF);
  EXPECT_EQ(cntTabrill::ShadeColour(0x0000FF, 0), 0x3F3FFF);
  EXPECT_EQ(cntTabrill::ShadeColour(0x808080, 0), 0x9F9F9F);
  const Colour face = Platform::SystemColour(Platform::SystemColours::ButtonFace);
  EXPECT_EQ(cntTabrill::ShadeColour(face, 1),
            cntTabrill::ShadeColour(static_cast<Colour>(Platform::ToRgb(face)), 1));
}

TEST_F(ShortCutPainting, ADisabledShortcutIsEmbossedWithoutFrameAndItsCaptionLightened) {
  bar.Appearance(Appearance3D);
  const auto group = bar.ShortCutGroups()->Add("Standard");
  const auto shortCut = group->ShortCuts()->Add("Off", TestIcon(1));
  shortCut->Enabled(false);
  canvas.ClearRecords();
  bar.DrawShortCuts();
  const auto icons = canvas.RecordsOf("DrawPicture");
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].Args, (std::vector<double>{34, 26, 32, 32, 1}));
  EXPECT_EQ(canvas.Count("FilledBox") + canvas.Count("Box") + canvas.Count("Line"), 0u);
  const auto captions = canvas.RecordsOf("Print");
  ASSERT_EQ(captions.size(), 1u);
  EXPECT_EQ(captions[0].ForeColor, 0xCFCFCF);
  EXPECT_EQ(canvas.BackColor(), 0xC0C0C0);
  EXPECT_EQ(canvas.ForeColor(), 0);
}

TEST_F(PaintedBar, HotAndPressedLooksInBothAppearances) {
  const clsRect& rect = *shortCuts->Item(Variant(1))->Rect();
  const int ib = bar.IconBorder();
  PaintLooks("3d");
  const auto pixel = [&](int look, int x, int y) { return looks[look].PixelAt(x, y); };
  EXPECT_EQ(pixel(1, rect.X1() - ib, rect.Y1() - ib), bar.LightShadow());
  EXPECT_EQ(pixel(1, rect.X2() + ib, rect.Y2() + ib), bar.DarkShadow());
  EXPECT_EQ(pixel(2, rect.X1() - ib, rect.Y1() - ib), bar.DarkShadow());
  EXPECT_EQ(pixel(2, rect.X2() + ib, rect.Y2() + ib), bar.LightShadow());

  looks.clear();
  Send(bar.picCanvas.MouseUp, Platform::MouseButtons::Right, 1, 1);
  PaintLooks("flat");
  const int iconX = rect.X1() + 16, iconY = rect.Y1() + 6;  // inside the cog's blue ring
  const int32_t plain = pixel(0, iconX, iconY);
  EXPECT_EQ(plain, Platform::RGB(40, 90, 200));
  EXPECT_EQ(pixel(1, iconX, iconY), cntTabrill::ShadeColour(plain, 0));
  EXPECT_EQ(pixel(2, iconX, iconY), cntTabrill::ShadeColour(plain, 1));
  for (int look = 0; look < 3; ++look) EXPECT_EQ(pixel(look, rect.X1(), rect.Y1()), 0xC0C0C0);

  form->Show();
  const Platform::Picture window = form->Snapshot();
  ASSERT_FALSE(window.IsEmpty());
  EXPECT_GE(window.Width(), 120);
  window.Save(Output("bar-on-form.png").string());
}
