#include "platform/gui/ListControl.h"

#include "platform/gui/EventEntry.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Platform {

ListControl::ListControl(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {}

ListControl::~ListControl() = default;

void ListControl::CheckIndex(int index) const {
  if (index < 0 || index >= ListCount()) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
}

void ListControl::AddItem(const std::string& item, int index) {
  if (index < -1 || index > ListCount()) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  if (index == -1) {
    index = ListCount();
    if (sorted_) {
      const std::string key = Runtime::FoldCase(item);
      index = 0;
      while (index < ListCount() &&
             Runtime::FoldCase(items_[static_cast<size_t>(index)].text) <= key)
        ++index;
    }
  }
  items_.insert(items_.begin() + index, Item{item, 0});
  if (listIndex_ >= index) ++listIndex_;
  newIndex_ = index;
  ShowItems();
  ShowSelection();
}

void ListControl::RemoveItem(int index) {
  CheckIndex(index);
  items_.erase(items_.begin() + index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
  newIndex_ = -1;
  ShowItems();
  ShowSelection();
}

void ListControl::Clear() {
  items_.clear();
  listIndex_ = -1;
  newIndex_ = -1;
  ShowItems();
  ShowSelection();
}

std::string ListControl::List(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  return items_[static_cast<size_t>(index)].text;
}

void ListControl::SetList(int index, const std::string& item) {
  CheckIndex(index);
  items_[static_cast<size_t>(index)].text = item;
  ShowItems();
  ShowSelection();
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount())
    Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
  if (index == listIndex_) return;
  listIndex_ = index;
  ShowSelection();
  SelectionChanged();
  Click.Raise();
}

int32_t ListControl::ItemData(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].data;
}

void ListControl::SetItemData(int index, int32_t data) {
  CheckIndex(index);
  items_[static_cast<size_t>(index)].data = data;
}

void ListControl::SetSorted(bool on) {
  sorted_ = on;
}

void ListControl::NoticeSelected(int index) {
  if (index == listIndex_ || index < -1 || index >= ListCount()) return;
  listIndex_ = index;
  SelectionChanged();
  EnterEventHandler([this] { Click.Raise(); });
}

}  // namespace Platform
