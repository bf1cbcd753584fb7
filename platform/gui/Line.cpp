#include "platform/gui/Line.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "platform/gui/Container.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }
  QPointF from, to;
  QColor colour;
  int width = 1;
  Qt::PenStyle style = Qt::SolidLine;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (style == Qt::NoPen) return;
    QPainter painter(this);
    QPen pen(colour, width, style, Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(from, to);
  }
};

}  // namespace

Line::Line(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index),
      borderColor_(SystemColour(SystemColours::WindowText)) {
  Internal().widget = new LineWidget(container.Site().client);
  Attach();
}

Line::~Line() = default;

void Line::SetX1(double x) {
  SetPoints(x, y1_, x2_, y2_);
}

void Line::SetY1(double y) {
  SetPoints(x1_, y, x2_, y2_);
}

void Line::SetX2(double x) {
  SetPoints(x1_, y1_, x, y2_);
}

void Line::SetY2(double y) {
  SetPoints(x1_, y1_, x2_, y);
}

void Line::SetPoints(double x1, double y1, double x2, double y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  Place();
}

void Line::SetBorderColor(Colour colour) {
  borderColor_ = colour;
  Place();
}

void Line::SetBorderWidth(int width) {
  borderWidth_ = std::max(1, width);
  Place();
}

void Line::SetBorderStyle(int style) {
  borderStyle_ = style;
  Place();
}

void Line::Place() {
  auto* widget = static_cast<LineWidget*>(Internal().widget.data());
  if (widget == nullptr) return;
  const Container& container = GetContainer();
  const QPointF a(container.UnitsToPixelsX(x1_), container.UnitsToPixelsY(y1_));
  const QPointF b(container.UnitsToPixelsX(x2_), container.UnitsToPixelsY(y2_));
  const int margin = borderWidth_;
  const int left = static_cast<int>(std::floor(std::min(a.x(), b.x()))) - margin;
  const int top = static_cast<int>(std::floor(std::min(a.y(), b.y()))) - margin;
  const int right = static_cast<int>(std::ceil(std::max(a.x(), b.x()))) + margin;
  const int bottom = static_cast<int>(std::ceil(std::max(a.y(), b.y()))) + margin;
  widget->setGeometry(left, top, right - left + 1, bottom - top + 1);
  const QPointF origin(left + 0.5, top + 0.5);
  widget->from = a - origin;
  widget->to = b - origin;
  widget->colour = ToQColor(borderColor_);
  widget->width = borderWidth_;
  widget->style = Gui::PenStyleOf(borderStyle_);
  widget->update();
}

void Line::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const Line&>(model);
  borderColor_ = other.borderColor_;
  borderWidth_ = other.borderWidth_;
  borderStyle_ = other.borderStyle_;
  SetPoints(other.x1_, other.y1_, other.x2_, other.y2_);
}

}  // namespace Platform
