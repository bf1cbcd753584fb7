#pragma once

#include <functional>
#include <memory>

#include "platform/gui/PaintedSurface.h"
#include "platform/gui/PlatformGuiApi.h"

class QImage;

namespace Platform {

// A surface over an image in memory: what backs a picture box and the graph's
// canvas. Its device unit is the pixel at 96 pixels an inch. The painter stays
// open while drawing goes on; Image, the picture members and Flush end it. Text
// needs a QGuiApplication (QT_QPA_PLATFORM=offscreen serves).
class TAVRO_PLATFORM_GUI_API ImageSurface : public PaintedSurface {
 public:
  ImageSurface(int width, int height, SurfaceKind kind = SurfaceKind::PictureBox);
  ~ImageSurface() override;

  int PixelWidth() const;
  int PixelHeight() const;
  // A new size; what was drawn stays where it fits, new room shows BackColor.
  void Resize(int width, int height);
  // When on, setting a picture sizes the surface to it.
  bool AutoSize() const;
  void SetAutoSize(bool on);

  Picture GetPicture() override;
  void SetPicture(const Picture& picture) override;
  Picture Image() override;

  // The drawing as it stands, with the painter ended (for showing it on screen).
  const QImage& Flush();
  // Called at the first drawing after construction or after each Flush, so that a
  // window showing the surface knows to repaint.
  void SetDrawnHandler(std::function<void()> handler);

 protected:
  double DeviceWidth() const override;
  double DeviceHeight() const override;
  double DeviceDpi() const override { return 96.0; }
  QPainter& Painter() override;
  const QImage* ReadablePixels() override;
  QPaintDevice& MetricsDevice() override;
  bool HasRasterOps() const override { return true; }
  void BackColourChanged() override;
  void DoCls() override;

 private:
  void Repaint();

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
