#include "platform/gui/ComboBox.h"

#include <QComboBox>
#include <QLineEdit>

#include "platform/gui/Container.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiInternal.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

QComboBox* WidgetOf(const ComboBox& combo) {
  return static_cast<QComboBox*>(combo.Internal().widget.data());
}

}  // namespace

ComboBox::ComboBox(Container& container, std::string name, int index)
    : ListControl(container, std::move(name), index) {
  auto* combo = new QComboBox(container.Site().client);
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo, &QComboBox::activated, combo, [this](int row) { NoticeSelected(row); });
  Internal().widget = combo;
  Attach();
  SetStyle(ComboStyles::DropDownCombo);
}

ComboBox::~ComboBox() = default;

void ComboBox::SetStyle(int style) {
  style_ = style;
  QComboBox* combo = WidgetOf(*this);
  const QSignalBlocker block(combo);
  combo->setEditable(style != ComboStyles::DropDownList);
  if (QLineEdit* edit = combo->lineEdit()) {
    edit->setText(ToQString(text_));
    QObject::connect(edit, &QLineEdit::textEdited, combo,
                     [this](const QString& text) { NoticeEdited(FromQString(text)); });
    Gui::RouteMouse(combo);
  }
}

std::string ComboBox::Text() const {
  return style_ == ComboStyles::DropDownList ? List(ListIndex()) : text_;
}

void ComboBox::SetText(const std::string& text) {
  if (style_ == ComboStyles::DropDownList) {
    for (int i = 0; i < ListCount(); ++i) {
      if (List(i) == text) {
        SetListIndex(i);
        return;
      }
    }
    Runtime::Raise(383);
  }
  if (text == text_) return;
  text_ = text;
  QComboBox* combo = WidgetOf(*this);
  const QSignalBlocker block(combo);
  combo->setEditText(ToQString(text));
  Change.Raise();
}

void ComboBox::NoticeEdited(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  EnterEventHandler([this] { Change.Raise(); });
}

void ComboBox::ShowItems() {
  QComboBox* combo = WidgetOf(*this);
  const QSignalBlocker block(combo);
  combo->clear();
  for (int i = 0; i < ListCount(); ++i) combo->addItem(ToQString(List(i)));
  if (combo->isEditable()) combo->setEditText(ToQString(text_));
}

void ComboBox::ShowSelection() {
  QComboBox* combo = WidgetOf(*this);
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(ListIndex());
  if (combo->isEditable()) combo->setEditText(ToQString(text_));
}

void ComboBox::SelectionChanged() {
  if (ListIndex() >= 0) text_ = List(ListIndex());
  ShowSelection();
}

void ComboBox::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const ComboBox&>(model);
  SetSorted(other.Sorted());
  SetStyle(other.style_);
}

}  // namespace Platform
