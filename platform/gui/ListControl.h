#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// The list of a list box or combo box: items with a number each (ItemData), at
// most one selected. Click runs when the selection changes, also when the
// program sets ListIndex. Positions count from 0; ListIndex -1 is no selection.
class TAVRO_PLATFORM_GUI_API ListControl : public VisualControl {
 public:
  ~ListControl() override;

  // Adds at the position (the end when -1); error 5 for a position beyond the end.
  void AddItem(const std::string& item, int index = -1);
  void RemoveItem(int index);  // error 5 outside the list
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // The item's text; "" outside the list.
  std::string List(int index) const;
  void SetList(int index, const std::string& item);  // error 5 outside the list
  int ListIndex() const { return listIndex_; }
  // -1 clears the selection; below -1 or beyond the end raises error 380.
  void SetListIndex(int index);
  int32_t ItemData(int index) const;  // error 5 outside the list
  void SetItemData(int index, int32_t data);
  // Position of the item added last; -1 when none.
  int NewIndex() const { return newIndex_; }
  // Keeps the items in alphabetical order (without regard to case).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool on);

  // The window system's notice that the person selected an item.
  void NoticeSelected(int index);

 protected:
  ListControl(Container& container, std::string name, int index);
  // Puts the items and the selection into the widget.
  virtual void ShowItems() = 0;
  virtual void ShowSelection() = 0;
  virtual void SelectionChanged() {}

 private:
  struct Item {
    std::string text;
    int32_t data;
  };
  void CheckIndex(int index) const;

  std::vector<Item> items_;
  int listIndex_ = -1;
  int newIndex_ = -1;
  bool sorted_ = false;
};

}  // namespace Platform
