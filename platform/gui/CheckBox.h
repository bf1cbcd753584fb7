#pragma once

#include <string>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A box that is ticked (1), not ticked (0) or greyed (2). Click runs whenever
// Value changes, by the person or by the program. The person toggles between 0
// and 1.
class TAVRO_PLATFORM_GUI_API CheckBox : public VisualControl {
 public:
  CheckBox(Container& container, std::string name, int index = -1);
  ~CheckBox() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Value() const { return value_; }
  void SetValue(int value);  // 0, 1 or 2; others raise error 380

  void CopyFrom(const VisualControl& model) override;

  // The window system's notice that the person toggled the box.
  void NoticeToggled();

 private:
  void ShowValue();

  std::string caption_;
  int value_ = 0;
};

}  // namespace Platform
