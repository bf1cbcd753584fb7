#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/Surface.h"

namespace Platform {

// One drawing call on a recording surface, with the state that shaped it.
struct TAVRO_PLATFORM_GUI_API SurfaceRecord {
  // "Print", "PrintLine", "Line", "Box", "FilledBox", "Circle", "Cls", "PSet",
  // "DrawText", "RotatedText", "Edge", "DrawPicture", "PaintPicture", "SetPicture".
  std::string Call;
  // Coordinates as passed, in scale units: Print x y; Line, Box, FilledBox x1 y1
  // x2 y2; Circle x y radius; PSet x y; DrawText x1 y1 x2 y2 flags; RotatedText
  // angle x y; Edge x1 y1 x2 y2 (0 raised, 1 sunken); DrawPicture x y width height
  // disabled; PaintPicture x y width height srcX srcY srcWidth srcHeight rasterOp;
  // SetPicture width height.
  std::vector<double> Args;
  std::string Text;
  std::optional<Platform::Colour> ColourArg;  // the colour passed, when one was
  Platform::Colour ForeColor = 0;
  Platform::Colour FillColor = 0;
  int FillStyle = 0;
  int DrawStyle = 0;
  int DrawWidth = 1;
  SurfaceFont Font;

  // One readable line, e.g.
  // Box(10 20 30 40) colour=&H0000FF fore=&H000000 fill=&H000000/1 draw=0/1
  std::string ToString() const;
};

// A surface that draws nothing and logs every drawing call, for tests of drawing
// code. Its text metrics are fixed: every character is CharWidth wide and a line
// LineHeight high, in scale units. It knows the fonts of the substitution table
// and those added with AddFont. Needs no application object and no display.
class TAVRO_PLATFORM_GUI_API RecordingSurface : public Surface {
 public:
  static constexpr double CharWidth = 6;
  static constexpr double LineHeightUnits = 10;

  // A device of width x height pixels at 96 pixels an inch.
  explicit RecordingSurface(double width = 1000, double height = 1000,
                            SurfaceKind kind = SurfaceKind::PictureBox);
  ~RecordingSurface() override;

  const std::vector<SurfaceRecord>& Records() const { return records_; }
  std::vector<SurfaceRecord> RecordsOf(std::string_view call) const;
  // Every record's line, each ended by "\n".
  std::string Log() const;
  void ClearRecords() { records_.clear(); }
  void AddFont(std::string_view name);
  void Resize(double width, double height);

  // A printer kind has no pictures (error 438). Image gives the picture shown,
  // since nothing is drawn.
  Picture GetPicture() override;
  void SetPicture(const Picture& picture) override;
  Picture Image() override;

 protected:
  double DeviceWidth() const override { return width_; }
  double DeviceHeight() const override { return height_; }
  double DeviceDpi() const override { return 96.0; }
  double MeasureLine(std::string_view line) override;
  double LineHeight() override { return LineHeightUnits; }
  bool KnowsFont(std::string_view name) const override;

  void DoPrint(std::string_view text, bool endLine, double x, double y) override;
  void DoTextLine(std::string_view, double, double) override {}
  void DoDrawText(std::string_view text, double x1, double y1, double x2, double y2,
                  int flags) override;
  void DoRotatedText(std::string_view text, int angleTenths, double x, double y) override;
  void DoLine(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
              LineShape shape) override;
  void DoCircle(double x, double y, double radius, std::optional<Colour> colour) override;
  void DoCls() override;
  std::int32_t DoPoint(double x, double y) override;
  void DoPSet(double x, double y, Colour colour) override;
  void DoEdge(double x1, double y1, double x2, double y2, Edge edge) override;
  void DoDrawPicture(const Picture& picture, double x, double y, bool disabled) override;
  void DoPaintPicture(const Picture& picture, double x, double y, double width, double height,
                      double srcX, double srcY, double srcWidth, double srcHeight,
                      std::uint32_t rasterOp) override;

 private:
  void Record(std::string call, std::vector<double> args, std::string_view text = {},
              std::optional<Colour> colour = std::nullopt);

  double width_, height_;
  std::vector<SurfaceRecord> records_;
  std::vector<std::string> extraFonts_;
  std::map<std::pair<long, long>, Colour> pixels_;  // set by PSet since the last Cls
  Picture shown_;
};

}  // namespace Platform
