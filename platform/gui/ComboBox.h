#pragma once

#include <string>

#include "platform/Event.h"
#include "platform/gui/ListControl.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

namespace ComboStyles {
inline constexpr int DropDownCombo = 0;  // a text box with a drop-down list
inline constexpr int DropDownList = 2;   // only the items can be chosen
}  // namespace ComboStyles

// A drop-down list, with a text box to type into unless its style is
// DropDownList. Change runs when the typed text changes.
class TAVRO_PLATFORM_GUI_API ComboBox : public ListControl {
 public:
  ComboBox(Container& container, std::string name, int index = -1);
  ~ComboBox() override;

  int Style() const { return style_; }
  void SetStyle(int style);
  // The text shown: the selected item's, or what was typed.
  std::string Text() const;
  // A drop-down list takes only the text of one of its items (error 383
  // otherwise) and selects it.
  void SetText(const std::string& text);

  Event<> Change;

  void CopyFrom(const VisualControl& model) override;

  // The window system's notice that the person typed.
  void NoticeEdited(const std::string& text);

 protected:
  void ShowItems() override;
  void ShowSelection() override;
  void SelectionChanged() override;

 private:
  int style_ = ComboStyles::DropDownCombo;
  std::string text_;
};

}  // namespace Platform
