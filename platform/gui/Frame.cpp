#include "platform/gui/Frame.h"

#include <QGroupBox>

#include "platform/gui/GuiInternal.h"

namespace Platform {

Frame::Frame(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* box = new QGroupBox(container.Site().client);
  box->setFocusPolicy(Qt::NoFocus);
  Internal().widget = box;
  Internal().passiveMouse = true;
  Site().client = box;
  Attach();
}

Frame::~Frame() = default;

void Frame::SetCaption(const std::string& caption) {
  caption_ = caption;
  static_cast<QGroupBox*>(Internal().widget.data())->setTitle(ToQString(caption));
}

void Frame::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  SetCaption(static_cast<const Frame&>(model).caption_);
}

}  // namespace Platform
