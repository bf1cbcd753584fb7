#include "platform/gui/Image.h"

#include <QLabel>
#include <QPixmap>

#include "platform/gui/Container.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QLabel* WidgetOf(const Image& image) {
  return static_cast<QLabel*>(image.Internal().widget.data());
}

}  // namespace

Image::Image(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* label = new QLabel(container.Site().client);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Internal().widget = label;
  Internal().passiveMouse = true;
  Attach();
}

Image::~Image() = default;

void Image::SetPicture(const Picture& picture) {
  picture_ = picture;
  ShowPicture();
}

void Image::SetStretch(bool on) {
  stretch_ = on;
  ShowPicture();
}

void Image::ShowPicture() {
  QLabel* label = WidgetOf(*this);
  label->setScaledContents(stretch_);
  label->setPixmap(picture_.IsEmpty() ? QPixmap() : QPixmap::fromImage(ImageOf(picture_)));
  if (!stretch_ && !picture_.IsEmpty()) {
    const Container& container = GetContainer();
    Move(Left(), Top(), container.PixelsToWidth(picture_.Width()),
         container.PixelsToHeight(picture_.Height()));
  }
}

void Image::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const Image&>(model);
  stretch_ = other.stretch_;
  SetPicture(other.picture_);
}

}  // namespace Platform
