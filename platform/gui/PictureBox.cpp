#include "platform/gui/PictureBox.h"

#include <QFrame>
#include <QPainter>
#include <algorithm>

#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

class PictureWidget : public QFrame {
 public:
  PictureWidget(QWidget* parent, PictureBox& box) : QFrame(parent), box_(box) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner);
    painter.drawImage(inner.topLeft(), box_.Drawing().Flush());
  }

 private:
  PictureBox& box_;
};

}  // namespace

PictureBox::PictureBox(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index),
      surface_(std::make_unique<ImageSurface>(1, 1, SurfaceKind::PictureBox)) {
  auto* widget = new PictureWidget(container.Site().client, *this);
  widget->setFocusPolicy(Qt::StrongFocus);
  Internal().widget = widget;
  Internal().passiveMouse = true;
  Site().client = widget;
  QPointer<QWidget> shown = widget;
  surface_->SetDrawnHandler([shown] {
    if (shown) shown->update();
  });
  ShowBorder();
  Attach();
}

PictureBox::~PictureBox() = default;

int PictureBox::Border() const {
  auto* frame = static_cast<QFrame*>(Internal().widget.data());
  return frame ? frame->frameWidth() : 0;
}

void PictureBox::ShowBorder() {
  auto* frame = static_cast<QFrame*>(Internal().widget.data());
  if (borderStyle_ == 0)
    frame->setFrameStyle(QFrame::NoFrame);
  else if (appearance_ == 0)
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  else
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(borderStyle_ == 0 ? 0 : appearance_ == 0 ? 1 : 2);
  Resized();
}

void PictureBox::Resized() {
  QWidget* widget = Internal().widget;
  if (widget == nullptr) return;
  const QRect inner = static_cast<QFrame*>(widget)->contentsRect();
  const int width = std::max(1, inner.width());
  const int height = std::max(1, inner.height());
  if (width == surface_->PixelWidth() && height == surface_->PixelHeight()) return;
  surface_->Resize(width, height);
  widget->update();
  Resize.Raise();
}

void PictureBox::SetPicture(const Picture& picture) {
  picture_ = picture;
  surface_->SetPicture(picture);
  if (autoSize_ && !picture.IsEmpty()) {
    const Container& container = GetContainer();
    const int border = 2 * Border();
    Move(Left(), Top(), container.PixelsToWidth(picture.Width() + border),
         container.PixelsToHeight(picture.Height() + border));
  }
  if (QWidget* widget = Internal().widget) widget->update();
}

void PictureBox::SetAutoSize(bool on) {
  autoSize_ = on;
  if (on) SetPicture(picture_);
}

void PictureBox::SetBorderStyle(int style) {
  borderStyle_ = style;
  ShowBorder();
}

void PictureBox::SetAppearance(int appearance) {
  appearance_ = appearance;
  ShowBorder();
}

void PictureBox::SetBackColor(Colour colour) {
  VisualControl::SetBackColor(colour);
  surface_->SetBackColor(colour);
}

void PictureBox::SetForeColor(Colour colour) {
  VisualControl::SetForeColor(colour);
  surface_->SetForeColor(colour);
}

void PictureBox::SetFont(const SurfaceFont& font) {
  VisualControl::SetFont(font);
  surface_->SetFontName(font.Name);
  surface_->SetFontSize(font.Size);
  surface_->SetFontBold(font.Bold);
  surface_->SetFontItalic(font.Italic);
  surface_->SetFontUnderline(font.Underline);
  surface_->SetFontStrikethru(font.Strikethru);
}

// Positions in the drawing's scale, from the inner top-left corner.
double PictureBox::UnitsToPixelsX(double x) const {
  return Border() + surface_->ScaleX(x - surface_->ScaleLeft(), 0, ScaleModes::Pixels);
}

double PictureBox::UnitsToPixelsY(double y) const {
  return Border() + surface_->ScaleY(y - surface_->ScaleTop(), 0, ScaleModes::Pixels);
}

double PictureBox::PixelsToUnitsX(double x) const {
  return surface_->ScaleLeft() + surface_->ScaleX(x - Border(), ScaleModes::Pixels, 0);
}

double PictureBox::PixelsToUnitsY(double y) const {
  return surface_->ScaleTop() + surface_->ScaleY(y - Border(), ScaleModes::Pixels, 0);
}

void PictureBox::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const PictureBox&>(model);
  borderStyle_ = other.borderStyle_;
  appearance_ = other.appearance_;
  autoSize_ = other.autoSize_;
  ShowBorder();
  surface_->SetBackColor(other.surface_->BackColor());
  surface_->SetForeColor(other.surface_->ForeColor());
  SetPicture(other.picture_);
}

}  // namespace Platform
