// What every surface shares: the current position, text measures, scale and
// state, pinned on the recording surface with its fixed metrics (6 a character,
// 10 a line).
#include <gtest/gtest.h>

#include "platform/gui/RecordingSurface.h"
#include "tests/platform_gui/RaisedError.h"

using namespace Platform;

TEST(SurfaceText, PrintStaysOnTheLineOrEndsIt) {
  RecordingSurface s;
  s.SetCurrentX(10);
  s.SetCurrentY(20);
  s.Print("abc");
  EXPECT_DOUBLE_EQ(s.CurrentX(), 28);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 20);
  s.PrintLine("de");
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 30);
  ASSERT_EQ(s.Records().size(), 2u);
  EXPECT_EQ(s.Records()[0].ToString(),
            "Print(10 20) \"abc\" fore=&H80000012 font=MS Sans Serif,8.25");
  EXPECT_EQ(s.Records()[1].Call, "PrintLine");
  EXPECT_EQ(s.Records()[1].Args, (std::vector<double>{28, 20}));
}

TEST(SurfaceText, TextWithLineBreaksMeasuresAndPrintsEveryLine) {
  RecordingSurface s;
  EXPECT_DOUBLE_EQ(s.TextHeight("a\r\nbbbb\r\nccc"), 30);
  EXPECT_DOUBLE_EQ(s.TextWidth("a\r\nbbbb\r\nccc"), 24);
  EXPECT_DOUBLE_EQ(s.TextHeight(""), 10);
  EXPECT_DOUBLE_EQ(s.TextWidth(""), 0);
  EXPECT_DOUBLE_EQ(s.TextHeight("a\r\n"), 20);  // the break opens a second line
  EXPECT_DOUBLE_EQ(s.TextHeight("a\nb\rc"), 30);

  s.SetCurrentX(50);
  s.SetCurrentY(5);
  s.PrintLine("one\r\ntwo");
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 25);
  s.SetCurrentX(50);
  s.Print("one\r\nfour");  // the second line starts at the left edge
  EXPECT_DOUBLE_EQ(s.CurrentX(), 24);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 35);
}

TEST(SurfaceText, EndingALineReturnsToTheLeftEdgeOfAUserScale) {
  RecordingSurface s(200, 100);
  s.Scale(-50, 0, 150, 100);
  s.PrintLine("x");
  EXPECT_DOUBLE_EQ(s.CurrentX(), -50);
  s.Cls();
  EXPECT_DOUBLE_EQ(s.CurrentX(), -50);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 0);
}

TEST(SurfaceShapes, LinesBoxesAndCirclesMoveTheCurrentPosition) {
  RecordingSurface s;
  s.Line(1, 2, 30, 40);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 30);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 40);
  s.LineTo(50, 60, 0xFF, LineShape::Box);
  EXPECT_EQ(s.Records().back().Args, (std::vector<double>{30, 40, 50, 60}));
  EXPECT_EQ(s.Records().back().Call, "Box");
  EXPECT_EQ(*s.Records().back().ColourArg, 0xFF);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 50);
  s.Line(5, 5, 7, 9, LineShape::FilledBox);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 9);
  EXPECT_FALSE(s.Records().back().ColourArg.has_value());
  s.Circle(100, 110, 5);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 100);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 110);
  s.PSet(3, 4, 0x00FF00);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 3);
  EXPECT_EQ(s.Point(3, 4), 0x00FF00);
  s.Cls();
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 0);
  EXPECT_EQ(s.RecordsOf("Cls").size(), 1u);
}

TEST(SurfaceState, RecordsCarryTheStateThatShapedThem) {
  RecordingSurface s;
  EXPECT_EQ(s.FillColor(), 0);  // black
  EXPECT_EQ(s.FillStyle(), FillStyles::Transparent);
  s.SetForeColor(0x02000080);
  s.SetFillColor(0x00FF00);
  s.SetFillStyle(FillStyles::Solid);
  s.SetDrawStyle(DrawStyles::Dot);
  s.SetDrawWidth(2);
  s.Line(0, 0, 10, 10, LineShape::Box);
  EXPECT_EQ(s.Log(),
            "Box(0 0 10 10) fore=&H2000080 drawStyle=2 drawWidth=2 fill=&H00FF00 fillStyle=0\n");
  const SurfaceRecord& r = s.Records().back();
  EXPECT_EQ(r.FillColor, 0x00FF00);
  EXPECT_EQ(r.DrawWidth, 2);

  EXPECT_EQ(RaisedError([&] { s.SetDrawStyle(7); }), 380);
  EXPECT_EQ(RaisedError([&] { s.SetFillStyle(8); }), 380);
  EXPECT_EQ(RaisedError([&] { s.SetDrawWidth(0); }), 380);
  EXPECT_EQ(RaisedError([&] { s.SetFontSize(0); }), 380);
  EXPECT_EQ(s.DrawStyle(), DrawStyles::Dot);
}

TEST(SurfaceState, AnUnknownFontNameFailsAndKeepsTheOldOne) {
  RecordingSurface s;
  EXPECT_TRUE(s.SetFontName("arial"));
  EXPECT_EQ(s.FontName(), "arial");
  EXPECT_FALSE(s.SetFontName("No Such Font"));
  EXPECT_EQ(s.FontName(), "arial");
  EXPECT_FALSE(s.SetFontName(""));
  s.AddFont("No Such Font");
  EXPECT_TRUE(s.SetFontName("No Such Font"));
  s.SetFontBold(true);
  s.SetFontSize(12);
  s.PrintLine("t");
  EXPECT_EQ(s.Records().back().Font.Name, "No Such Font");
  EXPECT_TRUE(s.Records().back().Font.Bold);
}

TEST(SurfaceScale, ModesConvertThroughTheDeviceResolution) {
  RecordingSurface s(960, 480);
  EXPECT_EQ(s.ScaleMode(), ScaleModes::Pixels);
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), 960);
  s.SetScaleMode(ScaleModes::Twips);
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), 14400);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), 7200);
  s.SetScaleMode(ScaleModes::Points);
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), 720);
  EXPECT_DOUBLE_EQ(s.ScaleX(15, ScaleModes::Twips, ScaleModes::Pixels), 1);
  EXPECT_DOUBLE_EQ(s.ScaleY(1, ScaleModes::Pixels, ScaleModes::Twips), 15);

  s.SetScaleWidth(100);  // keeps the rest of the points scale
  EXPECT_EQ(s.ScaleMode(), ScaleModes::User);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), 360);
  EXPECT_DOUBLE_EQ(s.ScaleX(10, ScaleModes::User, ScaleModes::Pixels), 96);
  s.SetScaleMode(ScaleModes::Pixels);
  EXPECT_DOUBLE_EQ(s.ScaleLeft(), 0);
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), 960);
  EXPECT_EQ(RaisedError([&] { s.SetScaleMode(4); }), 380);
  EXPECT_EQ(RaisedError([&] { s.SetScaleHeight(0); }), 380);
}

TEST(SurfaceKinds, ThePrinterHasNoPictures) {
  RecordingSurface printer(100, 100, SurfaceKind::Printer);
  EXPECT_EQ(printer.TypeName(), "Printer");
  EXPECT_EQ(RaisedError([&] { printer.GetPicture(); }), 438);
  EXPECT_EQ(RaisedError([&] { printer.Image(); }), 438);
  EXPECT_EQ(printer.Point(1, 1), -1);
  RecordingSurface box(100, 100, SurfaceKind::Canvas);
  EXPECT_EQ(box.TypeName(), "PictureBox");
  EXPECT_EQ(RaisedError([&] { box.PaintPicture(Picture(), 0, 0); }), 481);
}
