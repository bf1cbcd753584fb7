#include <gtest/gtest.h>

#include <QImage>
#include <fstream>

#include "platform/gui/Picture.h"
#include "platform/gui/QtBridge.h"
#include "tests/platform_gui/RaisedError.h"
#include "tests/support/TempDir.h"

using namespace Platform;

namespace {

QImage Pattern() {
  QImage image(5, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x * 50, y * 100, 255 - x * 40));
  }
  return image;
}

std::string FirstBytes(const std::string& path, std::size_t n) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(n, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(n));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace

TEST(Picture, ABitmapWrittenAndReadBackKeepsItsPixels) {
  TestSupport::TempDir dir;
  const Picture original = PictureOf(Pattern());
  for (const std::string name : {"chart.bmp", "chart.png", "no extension"}) {
    const std::string path = dir.Folder() + name;
    original.Save(path);
    const Picture loaded = Picture::Load(path);
    EXPECT_EQ(loaded.Type(), PictureType::Bitmap);
    ASSERT_EQ(loaded.Width(), 5);
    ASSERT_EQ(loaded.Height(), 3);
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) EXPECT_EQ(loaded.PixelAt(x, y), original.PixelAt(x, y)) << name;
    }
  }
  EXPECT_EQ(FirstBytes(dir.Folder() + "chart.bmp", 2), "BM");
  EXPECT_EQ(FirstBytes(dir.Folder() + "no extension", 2), "BM");
  EXPECT_EQ(FirstBytes(dir.Folder() + "chart.png", 4), "\x89PNG");
  EXPECT_EQ(original.PixelAt(1, 2), RGB(50, 200, 215));
  EXPECT_EQ(original.PixelAt(5, 0), -1);
}

TEST(Picture, IconsStayIcons) {
  TestSupport::TempDir dir;
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  image.setPixel(3, 4, qRgb(200, 10, 10));
  PictureOf(image, PictureType::Icon).Save(dir.Folder() + "shortcut.ico");
  const Picture icon = Picture::Load(dir.Folder() + "shortcut.ico");
  EXPECT_EQ(icon.Type(), PictureType::Icon);
  EXPECT_EQ(icon.PixelAt(3, 4), RGB(200, 10, 10));
  EXPECT_EQ(icon.PixelAt(0, 0), -1);  // transparent
}

TEST(Picture, BadFilesRaiseErrorsAndAnEmptyNameGivesNoPicture) {
  TestSupport::TempDir dir;
  EXPECT_TRUE(Picture::Load("").IsEmpty());
  EXPECT_EQ(RaisedError([&] { Picture::Load(dir.Folder() + "missing.bmp"); }), 53);
  std::ofstream(dir.Folder() + "text.bmp") << "not a picture";
  EXPECT_EQ(RaisedError([&] { Picture::Load(dir.Folder() + "text.bmp"); }), 481);
  EXPECT_EQ(RaisedError([&] { Picture().Save(dir.Folder() + "none.bmp"); }), 481);
  EXPECT_EQ(RaisedError([&] { PictureOf(Pattern()).Save(dir.Folder() + "no/such/dir.bmp"); }), 75);
  EXPECT_TRUE(PictureOf(QImage()).IsEmpty());
}

TEST(Picture, FileNamesAreWindows1252Text) {
  TestSupport::TempDir dir;
  const std::string name = dir.Folder() + "r\xE9sum\xE9.bmp";  // e acute in Windows-1252
  PictureOf(Pattern()).Save(name);
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "r\xC3\xA9sum\xC3\xA9.bmp"));
  EXPECT_EQ(Picture::Load(name).Width(), 5);
}
