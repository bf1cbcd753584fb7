#include "platform/gui/CommandButton.h"

#include <QPushButton>

#include "platform/gui/Container.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QPushButton* WidgetOf(const CommandButton& button) {
  return static_cast<QPushButton*>(button.Internal().widget.data());
}

}  // namespace

CommandButton::CommandButton(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* button = new QPushButton(container.Site().client);
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QPushButton::clicked, button,
                   [this] { EnterEventHandler([this] { Click.Raise(); }); });
  Internal().widget = button;
  Attach();
}

CommandButton::~CommandButton() = default;

void CommandButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  WidgetOf(*this)->setText(ToQString(caption));
}

void CommandButton::SetPicture(const Picture& picture) {
  picture_ = picture;
  QPushButton* button = WidgetOf(*this);
  button->setIcon(Gui::ToQIcon(picture));
  if (!picture.IsEmpty()) button->setIconSize(QSize(picture.Width(), picture.Height()));
}

void CommandButton::SetValue(bool pressed) {
  if (pressed) Click.Raise();
}

void CommandButton::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const CommandButton&>(model);
  SetCaption(other.caption_);
  SetPicture(other.picture_);
}

}  // namespace Platform
