// Drawing on the image surface, checked on its pixels.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "platform/gui/ImageSurface.h"
#include "platform/gui/QtBridge.h"

using namespace Platform;

namespace {

constexpr Colour White = 0xFFFFFF;
constexpr Colour Black = 0x000000;
constexpr Colour Red = 0x0000FF;
constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;

// A white surface drawing in black.
struct WhiteSurface : ImageSurface {
  WhiteSurface(int w = 200, int h = 200) : ImageSurface(w, h) {
    SetBackColor(White);
    SetForeColor(Black);
  }
};

// The bounding box of the pixels darker than mid-grey.
QRect InkBox(ImageSurface& s) {
  const QImage& image = s.Flush();
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

}  // namespace

TEST(ImageSurface, AFilledBoxIgnoresFillStyleAndAnOutlineFollowsIt) {
  WhiteSurface s;
  s.SetFillColor(Red);
  s.SetFillStyle(FillStyles::Transparent);
  s.Line(10, 10, 30, 30, Blue, LineShape::FilledBox);
  EXPECT_EQ(s.Point(20, 20), Blue);
  EXPECT_EQ(s.Point(10, 10), Blue);
  EXPECT_EQ(s.Point(30, 30), Blue);  // both corners belong to the box
  EXPECT_EQ(s.Point(31, 31), White);
  s.SetFillStyle(FillStyles::Solid);
  s.Line(40, 10, 60, 30, Blue, LineShape::FilledBox);
  EXPECT_EQ(s.Point(50, 20), Blue);

  s.SetFillStyle(FillStyles::Transparent);
  s.Line(10, 40, 30, 60, Blue, LineShape::Box);
  EXPECT_EQ(s.Point(20, 50), White);
  EXPECT_EQ(s.Point(10, 50), Blue);
  EXPECT_EQ(s.Point(30, 50), Blue);
  s.SetFillStyle(FillStyles::Solid);
  s.Line(40, 40, 60, 60, LineShape::Box);
  EXPECT_EQ(s.Point(50, 50), Red);
  EXPECT_EQ(s.Point(40, 50), Black);

  s.SetDrawStyle(DrawStyles::Transparent);  // no outline, the fill stays
  s.Line(70, 40, 90, 60, LineShape::Box);
  EXPECT_EQ(s.Point(80, 50), Red);
  EXPECT_EQ(s.Point(70, 50), Red);
  s.Line(70, 70, 90, 70);
  EXPECT_EQ(s.Point(80, 70), White);
}

TEST(ImageSurface, ACircleFollowsFillStyleAndFillColour) {
  WhiteSurface s;
  s.Circle(50, 50, 20, Blue);
  EXPECT_EQ(s.Point(50, 50), White);
  EXPECT_EQ(s.Point(50, 30), Blue);
  s.SetFillStyle(FillStyles::Solid);
  s.SetFillColor(Green);
  s.Circle(150, 50, 20);
  EXPECT_EQ(s.Point(150, 50), Green);
  EXPECT_EQ(s.Point(150, 30), Black);
  s.SetFillStyle(FillStyles::Cross);
  s.Circle(50, 150, 20);
  int green = 0, white = 0;
  for (int x = 40; x < 60; ++x) {
    for (int y = 140; y < 160; ++y) (s.Point(x, y) == Green ? green : white)++;
  }
  EXPECT_GT(green, 10);  // a hatch, not a solid fill
  EXPECT_GT(white, 100);
}

TEST(ImageSurface, PrintedTextSitsBelowAndRightOfThePosition) {
  WhiteSurface s;
  s.SetFontName("Arial");
  s.SetFontSize(14);
  s.SetCurrentX(20);
  s.SetCurrentY(30);
  const double w = s.TextWidth("HWH"), h = s.TextHeight("HWH");
  s.Print("HWH");
  EXPECT_DOUBLE_EQ(s.CurrentX(), 20 + w);
  const QRect ink = InkBox(s);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_GE(ink.left(), 20);
  EXPECT_GE(ink.top(), 30);
  EXPECT_LE(ink.right(), 20 + w);
  EXPECT_LE(ink.bottom(), 30 + h);
  EXPECT_GT(ink.width(), w * 0.8);
  EXPECT_DOUBLE_EQ(s.TextHeight("a\r\nb"), 2 * s.TextHeight("a"));

  s.SetForeColor(Red);
  s.SetCurrentX(20);
  s.SetCurrentY(100);
  s.PrintLine("HHH");
  bool red = false;
  for (int x = 20; x < 20 + w && !red; ++x) {
    for (int y = 100; y < 100 + h && !red; ++y) red = s.Point(x, y) == Red;
  }
  EXPECT_TRUE(red);
  EXPECT_DOUBLE_EQ(s.CurrentY(), 100 + h);
}

TEST(ImageSurface, RotatedTextTurnsAboutItsTopLeftCorner) {
  WhiteSurface s(300, 300);
  s.SetFontName("Arial");
  s.SetFontSize(16);
  const std::string text = "HHHHHH";
  const double w = s.TextWidth(text), h = s.TextHeight(text);

  s.DrawRotatedText(text, 900, 100, 200);  // runs upwards, its top to the left
  QRect ink = InkBox(s);
  EXPECT_GE(ink.left(), 99);
  EXPECT_LE(ink.right(), 100 + h + 1);
  EXPECT_LE(ink.bottom(), 201);
  EXPECT_GE(ink.top(), 200 - w - 1);
  EXPECT_GT(ink.height(), w * 0.8);
  EXPECT_DOUBLE_EQ(s.CurrentX(), 0);  // the position stays

  s.Cls();
  s.DrawRotatedText(text, 450, 100, 200);  // rises to the right
  ink = InkBox(s);
  const double c = std::sqrt(0.5);
  EXPECT_GE(ink.left(), 99);
  EXPECT_LE(ink.right(), 100 + (w + h) * c + 1);
  EXPECT_GE(ink.top(), 200 - w * c - 1);
  EXPECT_LE(ink.bottom(), 200 + h * c + 1);
  EXPECT_GT(ink.width(), w * c * 0.8);
  EXPECT_LT(ink.top(), 200 - w * c * 0.8);
}

TEST(ImageSurface, TextInARectangleIsAligned) {
  WhiteSurface s;
  s.SetFontName("Arial");
  s.SetFontSize(12);
  s.DrawText("HH", 0, 0, 200, 100,
             TextFlags::Centre | TextFlags::VerticalCentre | TextFlags::SingleLine);
  const QRect ink = InkBox(s);
  EXPECT_NEAR(ink.left(), 199 - ink.right(), 3);
  EXPECT_NEAR(ink.top(), 99 - ink.bottom(), 6);
  s.Cls();
  s.DrawText("HH", 0, 0, 200, 100, TextFlags::Right);
  EXPECT_GT(InkBox(s).left(), 150);
}

TEST(ImageSurface, PaintPictureScalesAndCombinesByAnd) {
  QImage source(2, 1, QImage::Format_RGB32);
  source.setPixel(0, 0, qRgb(255, 0, 255));
  source.setPixel(1, 0, qRgb(255, 255, 255));
  const Picture picture = PictureOf(source);

  WhiteSurface s;
  s.PaintPicture(picture, 10, 10, 20, 10);
  EXPECT_EQ(s.Point(12, 12), RGB(255, 0, 255));
  EXPECT_EQ(s.Point(25, 18), White);
  s.PaintPicture(picture, 50, 50);  // its own size
  EXPECT_EQ(s.Point(50, 50), RGB(255, 0, 255));
  EXPECT_EQ(s.Point(52, 50), White);

  s.Line(100, 100, 140, 120, RGB(255, 255, 0), LineShape::FilledBox);
  s.PaintPicture(picture, 100, 100, 40, 20, 0, 0, -1, -1, RasterOps::SourceAnd);
  EXPECT_EQ(s.Point(105, 110), RGB(255, 0, 0));           // yellow AND magenta
  EXPECT_EQ(s.Point(135, 110), RGB(255, 255, 0));         // AND white keeps the destination
  s.PaintPicture(picture, 150, 150, 10, 10, 1, 0, 1, 1);  // a part of the picture
  EXPECT_EQ(s.Point(155, 155), White);
}

TEST(ImageSurface, PictureIsShownAndImageIsWhatWasDrawn) {
  WhiteSurface s(50, 50);
  EXPECT_TRUE(s.GetPicture().IsEmpty());
  s.PSet(5, 5, Red);
  const Picture drawn = s.Image();
  EXPECT_EQ(drawn.Width(), 50);
  EXPECT_EQ(drawn.PixelAt(5, 5), Red);
  s.PSet(6, 6, Blue);
  EXPECT_EQ(drawn.PixelAt(6, 6), White);  // a picture keeps its pixels

  s.Cls();
  EXPECT_EQ(s.Point(5, 5), White);
  s.SetPicture(PictureOf(ImageOf(drawn).copy(0, 0, 10, 10)));
  EXPECT_EQ(s.Point(5, 5), Red);
  EXPECT_EQ(s.GetPicture().Width(), 10);
  s.Line(0, 20, 49, 20, Blue);
  s.Cls();  // the picture shows again, the line is gone
  EXPECT_EQ(s.Point(5, 5), Red);
  EXPECT_EQ(s.Point(10, 20), White);
  s.SetBackColor(Green);  // clears the drawing too
  EXPECT_EQ(s.Point(10, 30), Green);
  EXPECT_EQ(s.Point(5, 5), Red);
  EXPECT_EQ(s.Point(-1, 5), -1);
  EXPECT_EQ(s.Point(50, 5), -1);
}

TEST(ImageSurface, AutoSizeAndResizeKeepTheDrawing) {
  ImageSurface s(10, 10);
  s.SetBackColor(White);
  s.PSet(2, 2, Red);
  s.Resize(30, 20);
  EXPECT_DOUBLE_EQ(s.ScaleWidth(), 30);
  EXPECT_EQ(s.Point(2, 2), Red);
  EXPECT_EQ(s.Point(25, 15), White);
  s.SetAutoSize(true);
  s.SetPicture(PictureOf(QImage(7, 4, QImage::Format_RGB32)));
  EXPECT_EQ(s.PixelWidth(), 7);
  EXPECT_DOUBLE_EQ(s.ScaleHeight(), 4);
  ImageSurface empty(0, 0);
  EXPECT_DOUBLE_EQ(empty.ScaleWidth(), 0);
  empty.Cls();
}

TEST(ImageSurface, EdgesAndDisabledPicturesUseTheSystemColours) {
  WhiteSurface s;
  s.DrawEdge(10, 10, 30, 30, Edge::Raised);
  EXPECT_EQ(s.Point(10, 10), static_cast<Colour>(ToRgb(SystemColour(SystemColours::Light3D))));
  EXPECT_EQ(s.Point(29, 29), static_cast<Colour>(ToRgb(SystemColour(SystemColours::DarkShadow3D))));
  EXPECT_EQ(s.Point(11, 11),
            static_cast<Colour>(ToRgb(SystemColour(SystemColours::ButtonHighlight))));
  s.DrawEdge(40, 10, 60, 30, Edge::Sunken);
  EXPECT_EQ(s.Point(40, 10), static_cast<Colour>(ToRgb(SystemColour(SystemColours::ButtonShadow))));
  EXPECT_EQ(s.Point(20, 20), White);

  QImage icon(4, 4, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  icon.setPixel(0, 0, qRgb(0, 0, 0));
  const Picture picture = PictureOf(icon, PictureType::Icon);
  s.DrawPicture(picture, 100, 100);
  EXPECT_EQ(s.Point(100, 100), Black);
  EXPECT_EQ(s.Point(101, 101), White);
  s.DrawPicture(picture, 150, 100, true);
  EXPECT_EQ(s.Point(150, 100),
            static_cast<Colour>(ToRgb(SystemColour(SystemColours::ButtonShadow))));
  EXPECT_EQ(s.Point(151, 101),
            static_cast<Colour>(ToRgb(SystemColour(SystemColours::ButtonHighlight))));
}

TEST(ImageSurface, FontsMapToInstalledOnes) {
  WhiteSurface s;
  EXPECT_TRUE(s.SetFontName("MS Sans Serif"));
  EXPECT_TRUE(s.SetFontName("DejaVu Sans"));  // installed, outside the table
  EXPECT_FALSE(s.SetFontName("Nonexistent Typeface"));
  EXPECT_EQ(s.FontName(), "DejaVu Sans");
  EXPECT_TRUE(s.SetFontName("Arial"));
  s.SetFontSize(20);
  const double plain = s.TextWidth("Wide text");
  s.SetFontBold(true);
  EXPECT_GT(s.TextWidth("Wide text"), plain);
  s.SetFontBold(false);
  EXPECT_TRUE(s.SetFontName("Arial Black"));
  EXPECT_GT(s.TextWidth("Wide text"), plain);
  EXPECT_EQ(ToQFont(s.Font()).weight(), QFont::Black);
  EXPECT_EQ(ToQFont(SurfaceFont{"Arial", 10}).family(), "Liberation Sans");
}

TEST(ImageSurface, TextsMeasureInTheFontInForceWhateverWasMeasuredBefore) {
  // Widths and heights are kept per font: going back to a font gives what it
  // gave, and another font never answers for it.
  WhiteSurface s;
  s.SetFontName("Arial");
  s.SetFontSize(10);
  const double small = s.TextWidth("Label 12"), smallHeight = s.TextHeight("Label 12");
  s.SetFontSize(20);
  const double large = s.TextWidth("Label 12");
  EXPECT_GT(large, small * 1.5);
  EXPECT_GT(s.TextHeight("Label 12"), smallHeight * 1.5);
  s.SetFontBold(true);
  EXPECT_GT(s.TextWidth("Label 12"), large);
  s.SetFontBold(false);
  s.SetFontSize(10);
  EXPECT_EQ(s.TextWidth("Label 12"), small);
  EXPECT_EQ(s.TextHeight("Label 12"), smallHeight);
  EXPECT_GT(s.TextWidth("Label 123"), small);
  // In another scale the same width, converted.
  s.SetScaleMode(ScaleModes::Twips);
  EXPECT_DOUBLE_EQ(s.TextWidth("Label 12"), small * 15);
}

TEST(Colour, HighByteIsDroppedAndSystemColoursComeFromThePalette) {
  EXPECT_EQ(ToRgb(0x02FF8040), 0xFF8040u);
  EXPECT_EQ(ToRgb(0x00123456), 0x123456u);
  const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
  EXPECT_EQ(ToRgb(SystemColour(SystemColours::ButtonFace)),
            static_cast<std::uint32_t>(RGB(face.red(), face.green(), face.blue())));
  const QColor highlight = QGuiApplication::palette().color(QPalette::Highlight);
  EXPECT_EQ(ToQColor(SystemColour(SystemColours::Highlight)), highlight);
  EXPECT_EQ(ToRgb(SystemColour(99)), 0u);
  EXPECT_EQ(ToQColor(0x020000FF), QColor(255, 0, 0));
  EXPECT_EQ(RGB(1, 2, 3), 0x030201);
}

TEST(ImageSurface, ASmallChartRendersAsAPersonWouldExpect) {
  ImageSurface s(480, 320);
  s.SetBackColor(RGB(240, 240, 240));
  s.SetForeColor(Black);
  s.SetFontName("Arial");
  s.SetFontSize(10);
  s.Line(60, 20, 460, 260, RGB(255, 255, 255), LineShape::FilledBox);
  s.Line(60, 20, 460, 260, Black, LineShape::Box);
  s.Line(60, 140, 460, 140, RGB(0, 160, 0));
  s.SetDrawStyle(DrawStyles::Dash);
  s.Line(60, 80, 460, 80, Red);
  s.SetDrawStyle(DrawStyles::Solid);
  s.SetDrawWidth(2);
  const double ys[] = {200, 150, 170, 90, 120, 60, 100};
  for (int i = 0; i < 7; ++i) {
    const double x = 100 + i * 55;
    s.Line(x - 12, ys[i], x + 12, 260, Blue, LineShape::FilledBox);
    if (i > 0) s.Line(x - 55, ys[i - 1], x, ys[i], Red);
    s.Circle(x, ys[i], 4, Red);
  }
  s.SetDrawWidth(1);
  s.SetFillStyle(FillStyles::DiagonalCross);
  s.SetFillColor(RGB(200, 120, 0));
  s.Line(380, 30, 450, 70, Black, LineShape::Box);
  s.SetFillStyle(FillStyles::Transparent);
  s.SetFontBold(true);
  s.SetFontSize(14);
  s.SetCurrentX(60);
  s.SetCurrentY(0);
  s.Print("Board count ");
  s.SetFontBold(false);
  s.SetFontSize(10);
  s.PrintLine("(line 1)");
  s.DrawRotatedText("Boards per day", 900, 10, 200);
  for (int i = 0; i < 7; ++i) {
    const std::string label = "Day " + std::to_string(i + 1);
    const double w = s.TextWidth(label);
    s.DrawRotatedText(label, 450, 100 + i * 55 - w * std::sqrt(0.5), 262 + w * std::sqrt(0.5));
  }
  s.DrawEdge(2, 290, 120, 316, Edge::Raised);
  s.DrawText("Raised", 2, 290, 120, 316,
             TextFlags::Centre | TextFlags::VerticalCentre | TextFlags::SingleLine);
  s.DrawEdge(130, 290, 250, 316, Edge::Sunken);
  s.DrawText("Sunken", 130, 290, 250, 316,
             TextFlags::Centre | TextFlags::VerticalCentre | TextFlags::SingleLine);

  const char* dir = std::getenv("TAVRO_TEST_BINARY_DIR");
  const std::filesystem::path out =
      std::filesystem::path(dir != nullptr ? dir : ".") / "PlatformGuiTests-chart.png";
  s.Image().Save(out.string());
  const Picture saved = Picture::Load(out.string());
  EXPECT_EQ(saved.Width(), 480);
  EXPECT_EQ(saved.PixelAt(100, 250), Blue);
  EXPECT_EQ(saved.PixelAt(60, 100), Black);
}
