#include "graph/render/DetachedGraphSite.h"

#include <algorithm>
#include <cmath>

#include "platform/gui/ImageSurface.h"

namespace Dravex {

DetachedPictureBox::DetachedPictureBox(std::shared_ptr<Platform::Surface> surface,
                                       std::function<void(double, double)> resize)
    : surface_(std::move(surface)), resize_(std::move(resize)) {}

DetachedPictureBox::~DetachedPictureBox() = default;

std::unique_ptr<DetachedPictureBox> DetachedPictureBox::OfImage() {
  auto image = std::make_shared<Platform::ImageSurface>(0, 0);
  auto resize = [image = image.get()](double width, double height) {
    image->Resize(static_cast<int>(std::lround(width)), static_cast<int>(std::lround(height)));
  };
  return std::make_unique<DetachedPictureBox>(std::move(image), std::move(resize));
}

void DetachedPictureBox::Moved() {
  if (resize_) resize_(Width(), Height());
}

DetachedScrollBar::DetachedScrollBar() : DetachedPlacement(DefaultHeight) {}
DetachedScrollBar::~DetachedScrollBar() = default;

void DetachedScrollBar::Min(int16_t value) {
  min_ = value;
  Clamp();
}

void DetachedScrollBar::Max(int16_t value) {
  max_ = value;
  Clamp();
}

void DetachedScrollBar::Value(int16_t value) {
  // Max may lie below Min: the bar then runs the other way.
  const int16_t clamped = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  if (clamped == value_) return;
  value_ = clamped;
  Change.Raise();
}

void DetachedScrollBar::Clamp() {
  Value(value_);
}

DetachedTimer::DetachedTimer(int interval) : interval_(interval) {}

DetachedTimer::~DetachedTimer() {
  Enabled(false);
}

void DetachedTimer::Enabled(bool value) {
  if (value == Enabled()) return;
  if (!value) {
    source_->Stop(*this);
    source_.reset();
    return;
  }
  source_ = Platform::CurrentTickSourceShared();
  source_->Start(*this, interval_);
}

void DetachedTimer::RaiseTick() {
  if (!source_) return;
  Platform::EnterEventHandler([this] { Tick.Raise(); }, &throttle_);
}

DetachedGraphSite::DetachedGraphSite(double width, double height, const BoxMaker& maker)
    : width_(width),
      height_(height),
      canvas_(maker()),
      tempCanvas_(maker()),
      dblClickClock_(DblClickInterval) {}

DetachedGraphSite::~DetachedGraphSite() = default;

void DetachedGraphSite::Resize(double width, double height) {
  width_ = width;
  height_ = height;
  Resized.Raise();
}

}  // namespace Dravex
