#include "platform/gui/Shape.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "platform/gui/Container.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

Qt::BrushStyle BrushOf(int fillStyle) {
  switch (fillStyle) {
    case FillStyles::Solid: return Qt::SolidPattern;
    case FillStyles::HorizontalLine: return Qt::HorPattern;
    case FillStyles::VerticalLine: return Qt::VerPattern;
    case FillStyles::UpwardDiagonal: return Qt::BDiagPattern;
    case FillStyles::DownwardDiagonal: return Qt::FDiagPattern;
    case FillStyles::Cross: return Qt::CrossPattern;
    case FillStyles::DiagonalCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, Shape& shape) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const int pen = shape_.BorderStyle() == 0 ? 0 : shape_.BorderWidth();
    QRectF area = QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
    const int kind = shape_.ShapeKind();
    if (kind == Shapes::Square || kind == Shapes::Circle || kind == Shapes::RoundedSquare) {
      const double side = std::min(area.width(), area.height());
      area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    }
    auto draw = [&](QPainter& p) {
      if (kind == Shapes::Oval || kind == Shapes::Circle)
        p.drawEllipse(area);
      else if (kind == Shapes::RoundedRectangle || kind == Shapes::RoundedSquare)
        p.drawRoundedRect(area, 15, 15, Qt::RelativeSize);
      else
        p.drawRect(area);
    };
    painter.setPen(Qt::NoPen);
    if (shape_.BackStyle() == 1) {
      painter.setBrush(ToQColor(shape_.BackColor()));
      draw(painter);
    }
    if (shape_.FillStyle() != FillStyles::Transparent) {
      painter.setBrush(QBrush(ToQColor(shape_.FillColor()), BrushOf(shape_.FillStyle())));
      draw(painter);
    }
    painter.setBrush(Qt::NoBrush);
    if (pen > 0) {
      painter.setPen(QPen(ToQColor(shape_.BorderColor()), pen,
                          Gui::PenStyleOf(shape_.BorderStyle()), Qt::SquareCap, Qt::MiterJoin));
      draw(painter);
    }
  }

 private:
  Shape& shape_;
};

}  // namespace

Shape::Shape(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index),
      borderColor_(SystemColour(SystemColours::WindowText)) {
  Internal().widget = new ShapeWidget(container.Site().client, *this);
  Attach();
}

Shape::~Shape() = default;

namespace {

void Repaint(const Shape& shape) {
  if (QWidget* widget = shape.Internal().widget) widget->update();
}

}  // namespace

void Shape::SetShapeKind(int shape) {
  shape_ = shape;
  Repaint(*this);
}

void Shape::SetBorderColor(Colour colour) {
  borderColor_ = colour;
  Repaint(*this);
}

void Shape::SetBorderWidth(int width) {
  borderWidth_ = std::max(1, width);
  Repaint(*this);
}

void Shape::SetBorderStyle(int style) {
  borderStyle_ = style;
  Repaint(*this);
}

void Shape::SetFillColor(Colour colour) {
  fillColor_ = colour;
  Repaint(*this);
}

void Shape::SetFillStyle(int style) {
  fillStyle_ = style;
  Repaint(*this);
}

void Shape::SetBackStyle(int style) {
  backStyle_ = style;
  Repaint(*this);
}

void Shape::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const Shape&>(model);
  shape_ = other.shape_;
  borderColor_ = other.borderColor_;
  borderWidth_ = other.borderWidth_;
  borderStyle_ = other.borderStyle_;
  fillColor_ = other.fillColor_;
  fillStyle_ = other.fillStyle_;
  backStyle_ = other.backStyle_;
  Repaint(*this);
}

}  // namespace Platform
