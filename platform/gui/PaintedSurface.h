#pragma once

#include <memory>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/Surface.h"

class QImage;
class QPaintDevice;
class QPainter;

namespace Platform {

// A surface drawn with a Qt painter that stays open between calls: the common
// drawing of the image surface and the printer surface. Text needs a
// QGuiApplication.
class TAVRO_PLATFORM_GUI_API PaintedSurface : public Surface {
 public:
  ~PaintedSurface() override;

 protected:
  explicit PaintedSurface(SurfaceKind kind);

  // The painter on the device, begun when first needed.
  virtual QPainter& Painter() = 0;
  // The pixels drawn so far, for Point; nullptr where they cannot be read back.
  virtual const QImage* ReadablePixels() = 0;
  // The device fonts are measured for.
  virtual QPaintDevice& MetricsDevice() = 0;
  // Whether the device combines pixels by raster operations (an image does, a PDF
  // does not; there an AND leaves white source pixels out instead).
  virtual bool HasRasterOps() const = 0;
  // To be called after the painter begins anew: it has lost pen, brush and font.
  void PainterRestarted();

  double MeasureLine(std::string_view line) override;
  double LineHeight() override;
  bool KnowsFont(std::string_view name) const override;
  void FontChanged() override;

  void DoTextLine(std::string_view line, double x, double y) override;
  void DoDrawText(std::string_view text, double x1, double y1, double x2, double y2,
                  int flags) override;
  void DoRotatedText(std::string_view text, int angleTenths, double x, double y) override;
  void DoLine(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
              LineShape shape) override;
  void DoCircle(double x, double y, double radius, std::optional<Colour> colour) override;
  std::int32_t DoPoint(double x, double y) override;
  void DoPSet(double x, double y, Colour colour) override;
  void DoEdge(double x1, double y1, double x2, double y2, Edge edge) override;
  void DoDrawPicture(const Picture& picture, double x, double y, bool disabled) override;
  void DoPaintPicture(const Picture& picture, double x, double y, double width, double height,
                      double srcX, double srcY, double srcWidth, double srcHeight,
                      std::uint32_t rasterOp) override;

 private:
  struct Cache;
  struct MeasuredFont;
  MeasuredFont& CurrentFont();
  QPainter& TextPainter();
  QPainter& ShapePainter(Colour lineColour);

  std::unique_ptr<Cache> cache_;
};

}  // namespace Platform
