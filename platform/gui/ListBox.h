#pragma once

#include <string>

#include "platform/gui/ListControl.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

// A list of items the person picks one from.
class TAVRO_PLATFORM_GUI_API ListBox : public ListControl {
 public:
  ListBox(Container& container, std::string name, int index = -1);
  ~ListBox() override;

  // The selected item's text, "" without a selection.
  std::string Text() const;
  // The first item shown.
  int TopIndex() const;
  void SetTopIndex(int index);

  void CopyFrom(const VisualControl& model) override;

 protected:
  void ShowItems() override;
  void ShowSelection() override;
};

}  // namespace Platform
