#pragma once

#include <string>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// One of a group of choices: the option buttons of one container exclude each
// other. Click runs when it becomes chosen, by the person or by the program.
class TAVRO_PLATFORM_GUI_API OptionButton : public VisualControl {
 public:
  OptionButton(Container& container, std::string name, int index = -1);
  ~OptionButton() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Value() const;
  void SetValue(bool chosen);

  void CopyFrom(const VisualControl& model) override;

  // The window system's notice that the button was chosen or left.
  void NoticeToggled(bool chosen);

 private:
  std::string caption_;
  bool value_ = false;
};

}  // namespace Platform
