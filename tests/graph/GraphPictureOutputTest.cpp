// Copy and Save: the chart with its title bar on the clipboard or in a .bmp
// file, drawn on off-screen canvases.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "graph/render/Graph.h"
#include "platform/gui/Application.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/ImageSurface.h"
#include "platform/gui/RecordingSurface.h"
#include "tests/support/Raised.h"
#include "tests/support/TempDir.h"

using namespace Dravex;
using TestSupport::Raised;

namespace {

// The title's colour, found nowhere else on the chart.
constexpr GraphColour TitleColour = 0x02123456;
constexpr int32_t TitlePixel = 0x123456;

// The pixels of a picture in the title's colour.
int TitlePixels(const Platform::Picture& picture) {
  int count = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) count += picture.PixelAt(x, y) == TitlePixel;
  }
  return count;
}

// The number of different colours in a picture.
size_t Colours(const Platform::Picture& picture) {
  std::set<int32_t> seen;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) seen.insert(picture.PixelAt(x, y));
  }
  return seen.size();
}

// What another program reads of a .bmp file's header: "width height", or ""
// when python3 cannot read it as one.
std::string BitmapSize(const std::filesystem::path& file) {
  const std::string command =
      "python3 -c \"import struct,sys; d=open(sys.argv[1],'rb').read(); "
      "assert d[:2]==b'BM' and len(d)==struct.unpack('<I',d[2:6])[0]; "
      "w,h=struct.unpack('<ii',d[18:26]); print(w, abs(h))\" '" +
      file.string() + "' 2>/dev/null";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[128];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    pclose(pipe);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

// A filled chart on a control of 320 x 240 pixels, drawn without its title
// bar as the viewer's chart window first draws it.
class PictureOutput : public testing::Test {
 protected:
  void SetUp() override {
    Platform::EnsureApplication();
    graph->UserControl_Resize();
    graph->MainTitle()->Colour(TitleColour);
    graph->AddSeries("Wastage", SeriesStyleType::BarGraph);
    for (int32_t value : {4, 8, 6, 9, 3}) graph->AddValue("Wastage", value);
    graph->Draw();
  }

  Platform::Surface& Canvas() const { return *graph->Canvas().Surface(); }

  std::shared_ptr<Graph> graph = Graph::New();
  TestSupport::TempDir folder;
};

}  // namespace

TEST_F(PictureOutput, SaveWritesABitmapOfTheChartWithItsTitleBar) {
  ASSERT_EQ(TitlePixels(Canvas().GetPicture()), 0);
  const auto file = folder.Path() / "Chart.bmp";
  graph->Save(file.string());

  const Platform::Picture saved = Platform::Picture::Load(file.string());
  EXPECT_EQ(saved.Width(), 320);
  EXPECT_EQ(saved.Height(), 240);
  EXPECT_GT(TitlePixels(saved), 0) << "the title bar is drawn for the file";
  // The Canvas shows the chart as it was.
  EXPECT_EQ(TitlePixels(Canvas().GetPicture()), 0);
  EXPECT_EQ(TitlePixels(Canvas().Image()), 0);

  if (std::system("python3 -c pass >/dev/null 2>&1") != 0) GTEST_SKIP() << "no python3";
  EXPECT_EQ(BitmapSize(file), "320 240");
}

TEST_F(PictureOutput, CopyPutsTheChartWithItsTitleBarOnTheClipboard) {
  Platform::Clipboard::SetText("earlier");
  graph->Copy();
  EXPECT_EQ(Platform::Clipboard::GetText(), "") << "the clipboard is cleared first";
  const Platform::Picture copied = Platform::Clipboard::GetData();
  EXPECT_EQ(copied.Width(), 320);
  EXPECT_GT(TitlePixels(copied), 0);
  EXPECT_EQ(TitlePixels(Canvas().GetPicture()), 0);
}

TEST_F(PictureOutput, OnAHostsPictureBoxTheDrawingJustMadeGoesOut) {
  auto box = std::make_shared<Platform::ImageSurface>(200, 150);
  graph->Frame(box);
  graph->Draw();
  const auto file = folder.Path() / "Box.bmp";
  graph->Save(file.string());

  const Platform::Picture saved = Platform::Picture::Load(file.string());
  EXPECT_EQ(saved.Width(), 200);
  EXPECT_EQ(saved.Height(), 150);
  EXPECT_GT(TitlePixels(saved), 0);
  // The box shows its chart as before, without the title bar.
  const Platform::Picture shown = box->Image();
  EXPECT_EQ(TitlePixels(shown), 0);
  EXPECT_GT(Colours(shown), 3) << "not blank";

  graph->Copy();
  EXPECT_GT(TitlePixels(Platform::Clipboard::GetData()), 0);
}

TEST_F(PictureOutput, WhileLocalDrawIsOffThePictureAlreadyThereGoesOut) {
  graph->LocalDraw(false);
  const auto file = folder.Path() / "AsShown.bmp";
  graph->Save(file.string());
  const Platform::Picture saved = Platform::Picture::Load(file.string());
  EXPECT_EQ(saved.Width(), 320);
  EXPECT_EQ(TitlePixels(saved), 0);
}

TEST_F(PictureOutput, FailuresReachTheCallerAndLeaveTheChartAsItWas) {
  EXPECT_EQ(Raised([&] { graph->Save((folder.Path() / "missing" / "Chart.bmp").string()); }), 75);
  EXPECT_EQ(TitlePixels(Canvas().GetPicture()), 0);
  EXPECT_EQ(TitlePixels(Canvas().Image()), 0);

  // The printer keeps no picture.
  graph->Frame(
      std::make_shared<Platform::RecordingSurface>(1000, 1000, Platform::SurfaceKind::Printer));
  EXPECT_EQ(Raised([&] { graph->Save((folder.Path() / "Printed.bmp").string()); }), 438);
  EXPECT_EQ(Raised([&] { graph->Copy(); }), 438);
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Printed.bmp"));
}
