#include "platform/gui/ProgressBar.h"

#include <QProgressBar>
#include <algorithm>

#include "platform/gui/Container.h"
#include "platform/gui/GuiInternal.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

// The widget counts in whole steps; the bar's range may be any numbers.
constexpr int kSteps = 10000;

}  // namespace

ProgressBar::ProgressBar(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* bar = new QProgressBar(container.Site().client);
  bar->setRange(0, kSteps);
  bar->setTextVisible(false);
  bar->setFocusPolicy(Qt::NoFocus);
  Internal().widget = bar;
  Internal().passiveMouse = true;
  Attach();
  ShowValue();
}

ProgressBar::~ProgressBar() = default;

void ProgressBar::SetMin(double min) {
  min_ = min;
  value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  ShowValue();
}

void ProgressBar::SetMax(double max) {
  max_ = max;
  value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  ShowValue();
}

void ProgressBar::SetValue(double value) {
  if (value < std::min(min_, max_) || value > std::max(min_, max_))
    Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
  value_ = value;
  ShowValue();
}

void ProgressBar::ShowValue() {
  auto* bar = static_cast<QProgressBar*>(Internal().widget.data());
  const double span = max_ - min_;
  bar->setValue(span == 0 ? 0 : Gui::Round((value_ - min_) / span * kSteps));
}

void ProgressBar::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const ProgressBar&>(model);
  min_ = other.min_;
  max_ = other.max_;
  value_ = other.value_;
  ShowValue();
}

}  // namespace Platform
