#include "platform/gui/ImageSurface.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/QtBridge.h"

namespace Platform {

namespace {

constexpr int DotsPerMetreAt96Dpi = 3780;

// A null image cannot be painted on, so an empty surface keeps one pixel.
QImage NewImage(int width, int height) {
  QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  image.setDotsPerMeterX(DotsPerMetreAt96Dpi);
  image.setDotsPerMeterY(DotsPerMetreAt96Dpi);
  return image;
}

}  // namespace

struct ImageSurface::Impl {
  int Width = 0;
  int Height = 0;
  QImage Pixels;
  QPainter Painter;
  Picture Shown;
  bool AutoSize = false;
  bool Drawn = false;
  std::function<void()> DrawnHandler;

  void End() {
    if (Painter.isActive()) Painter.end();
  }
};

ImageSurface::ImageSurface(int width, int height, SurfaceKind kind)
    : PaintedSurface(kind), impl_(std::make_unique<Impl>()) {
  // Text metrics and painting need the application object; a surface made off
  // screen (a graph with no window, a tool) must still draw its titles.
  EnsureApplication();
  impl_->Width = std::max(0, width);
  impl_->Height = std::max(0, height);
  impl_->Pixels = NewImage(impl_->Width, impl_->Height);
  impl_->Pixels.fill(ToQColor(BackColor()));
}

ImageSurface::~ImageSurface() {
  impl_->End();
}

int ImageSurface::PixelWidth() const {
  return impl_->Width;
}
int ImageSurface::PixelHeight() const {
  return impl_->Height;
}
double ImageSurface::DeviceWidth() const {
  return impl_->Width;
}
double ImageSurface::DeviceHeight() const {
  return impl_->Height;
}

QPainter& ImageSurface::Painter() {
  if (!impl_->Painter.isActive()) {
    impl_->Painter.begin(&impl_->Pixels);
    impl_->Painter.setRenderHint(QPainter::TextAntialiasing);
    PainterRestarted();
  }
  if (!impl_->Drawn) {
    impl_->Drawn = true;
    if (impl_->DrawnHandler) impl_->DrawnHandler();
  }
  return impl_->Painter;
}

const QImage* ImageSurface::ReadablePixels() {
  return &impl_->Pixels;
}
QPaintDevice& ImageSurface::MetricsDevice() {
  return impl_->Pixels;
}

const QImage& ImageSurface::Flush() {
  impl_->End();
  impl_->Drawn = false;
  return impl_->Pixels;
}

void ImageSurface::SetDrawnHandler(std::function<void()> handler) {
  impl_->DrawnHandler = std::move(handler);
}

void ImageSurface::Resize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == impl_->Width && height == impl_->Height) return;
  impl_->End();
  QImage resized = NewImage(width, height);
  resized.fill(ToQColor(BackColor()));
  {
    QPainter p(&resized);
    p.drawImage(0, 0, impl_->Pixels);
  }
  impl_->Pixels = std::move(resized);
  impl_->Width = width;
  impl_->Height = height;
  FontChanged();  // metrics were made for the old image
}

bool ImageSurface::AutoSize() const {
  return impl_->AutoSize;
}
void ImageSurface::SetAutoSize(bool on) {
  impl_->AutoSize = on;
}

void ImageSurface::Repaint() {
  QPainter& painter = Painter();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(QRectF(0, 0, impl_->Pixels.width(), impl_->Pixels.height()),
                   ToQColor(BackColor()));
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (!impl_->Shown.IsEmpty()) painter.drawImage(0, 0, ImageOf(impl_->Shown));
}

void ImageSurface::DoCls() {
  Repaint();
}
void ImageSurface::BackColourChanged() {
  Repaint();
}

Picture ImageSurface::GetPicture() {
  return impl_->Shown;
}

void ImageSurface::SetPicture(const Picture& picture) {
  impl_->Shown = picture;
  if (impl_->AutoSize && !picture.IsEmpty()) Resize(picture.Width(), picture.Height());
  Repaint();
}

Picture ImageSurface::Image() {
  // The picture must not share pixels with an open painter.
  impl_->End();
  return PictureOf(impl_->Pixels.copy(), PictureType::Bitmap);
}

}  // namespace Platform
