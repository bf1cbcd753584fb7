#include "platform/gui/OptionButton.h"

#include <QRadioButton>

#include "platform/gui/Container.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QRadioButton* WidgetOf(const OptionButton& button) {
  return static_cast<QRadioButton*>(button.Internal().widget.data());
}

void ShowChecked(QRadioButton* button, bool checked) {
  const QSignalBlocker block(button);
  button->setAutoExclusive(false);
  button->setChecked(checked);
  button->setAutoExclusive(true);
}

}  // namespace

OptionButton::OptionButton(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* button = new QRadioButton(container.Site().client);
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QRadioButton::toggled, button,
                   [this](bool checked) { NoticeToggled(checked); });
  Internal().widget = button;
  Attach();
}

OptionButton::~OptionButton() = default;

void OptionButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  WidgetOf(*this)->setText(ToQString(caption));
}

bool OptionButton::Value() const {
  return value_;
}

void OptionButton::SetValue(bool chosen) {
  if (chosen == value_) return;
  value_ = chosen;
  if (chosen) {
    for (VisualControl* other : GetContainer().Site().children) {
      auto* option = dynamic_cast<OptionButton*>(other);
      if (option == nullptr || option == this || !option->value_) continue;
      option->value_ = false;
      ShowChecked(WidgetOf(*option), false);
    }
  }
  ShowChecked(WidgetOf(*this), chosen);
  if (chosen) Click.Raise();
}

void OptionButton::NoticeToggled(bool chosen) {
  if (chosen == value_) return;
  value_ = chosen;
  if (chosen) EnterEventHandler([this] { Click.Raise(); });
}

void OptionButton::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  SetCaption(static_cast<const OptionButton&>(model).caption_);
}

}  // namespace Platform
