#include "platform/gui/CheckBox.h"

#include <QCheckBox>

#include "platform/gui/Container.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiInternal.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

// The person toggles between ticked and not ticked; only the program greys.
class TwoStateCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  }
};

QCheckBox* WidgetOf(const CheckBox& box) {
  return static_cast<QCheckBox*>(box.Internal().widget.data());
}

int ValueOf(Qt::CheckState state) {
  return state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
}

}  // namespace

CheckBox::CheckBox(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* box = new TwoStateCheckBox(container.Site().client);
  box->setTristate(true);
  box->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(box, &QCheckBox::clicked, box, [this] { NoticeToggled(); });
  Internal().widget = box;
  Attach();
}

CheckBox::~CheckBox() = default;

void CheckBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  WidgetOf(*this)->setText(ToQString(caption));
}

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
  if (value == value_) return;
  value_ = value;
  ShowValue();
  Click.Raise();
}

void CheckBox::ShowValue() {
  QCheckBox* box = WidgetOf(*this);
  const QSignalBlocker block(box);
  box->setCheckState(value_ == 1   ? Qt::Checked
                     : value_ == 2 ? Qt::PartiallyChecked
                                   : Qt::Unchecked);
}

void CheckBox::NoticeToggled() {
  const int value = ValueOf(WidgetOf(*this)->checkState());
  if (value == value_) return;
  value_ = value;
  EnterEventHandler([this] { Click.Raise(); });
}

void CheckBox::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const CheckBox&>(model);
  SetCaption(other.caption_);
  value_ = other.value_;
  ShowValue();
}

}  // namespace Platform
