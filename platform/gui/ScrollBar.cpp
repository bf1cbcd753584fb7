#include "platform/gui/ScrollBar.h"

#include <QScrollBar>
#include <algorithm>

#include "platform/gui/Container.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QScrollBar* WidgetOf(const ScrollBar& bar) {
  return static_cast<QScrollBar*>(bar.Internal().widget.data());
}

}  // namespace

ScrollBar::ScrollBar(Container& container, std::string name, int index, bool horizontal)
    : VisualControl(container, std::move(name), index) {
  auto* bar = new QScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, container.Site().client);
  bar->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(bar, &QScrollBar::valueChanged, bar,
                   [this, bar](int value) { NoticeMoved(value, bar->isSliderDown()); });
  QObject::connect(bar, &QScrollBar::sliderReleased, bar,
                   [this, bar] { NoticeMoved(bar->value(), false); });
  Internal().widget = bar;
  ShowRange();
  Attach();
}

ScrollBar::~ScrollBar() = default;

HScrollBar::HScrollBar(Container& container, std::string name, int index)
    : ScrollBar(container, std::move(name), index, true) {}

VScrollBar::VScrollBar(Container& container, std::string name, int index)
    : ScrollBar(container, std::move(name), index, false) {}

void ScrollBar::ShowRange() {
  QScrollBar* bar = WidgetOf(*this);
  const QSignalBlocker block(bar);
  // A bar whose Max lies below its Min runs the other way round.
  const bool reversed = max_ < min_;
  bar->setRange(std::min(min_, max_), std::max(min_, max_));
  bar->setInvertedAppearance(reversed);
  bar->setInvertedControls(reversed);
  bar->setSingleStep(smallChange_);
  bar->setPageStep(largeChange_);
  bar->setValue(value_);
}

void ScrollBar::SetValueFrom(int value, bool raise) {
  value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  const bool changed = value != value_;
  value_ = value;
  ShowRange();
  if (changed && raise) Change.Raise();
}

void ScrollBar::SetMin(int min) {
  min_ = min;
  SetValueFrom(value_, true);
}

void ScrollBar::SetMax(int max) {
  max_ = max;
  SetValueFrom(value_, true);
}

void ScrollBar::SetValue(int value) {
  SetValueFrom(value, true);
}

void ScrollBar::SetSmallChange(int change) {
  smallChange_ = std::max(1, change);
  ShowRange();
}

void ScrollBar::SetLargeChange(int change) {
  largeChange_ = std::max(1, change);
  ShowRange();
}

void ScrollBar::NoticeMoved(int widgetValue, bool dragging) {
  if (dragging) {
    if (widgetValue == value_) return;
    value_ = widgetValue;
    dragged_ = true;
    EnterEventHandler([this] { Scroll.Raise(); });
    return;
  }
  if (widgetValue == value_ && !dragged_) return;
  value_ = widgetValue;
  dragged_ = false;
  EnterEventHandler([this] { Change.Raise(); });
}

void ScrollBar::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const ScrollBar&>(model);
  min_ = other.min_;
  max_ = other.max_;
  value_ = other.value_;
  smallChange_ = other.smallChange_;
  largeChange_ = other.largeChange_;
  ShowRange();
}

}  // namespace Platform
