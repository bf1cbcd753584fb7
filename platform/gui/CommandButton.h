#pragma once

#include <string>

#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A push button. Click runs when the person presses it, or when the program sets
// Value.
class TAVRO_PLATFORM_GUI_API CommandButton : public VisualControl {
 public:
  CommandButton(Container& container, std::string name, int index = -1);
  ~CommandButton() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const Picture& GetPicture() const { return picture_; }
  void SetPicture(const Picture& picture);
  // Setting it True presses the button.
  void SetValue(bool pressed);

  void CopyFrom(const VisualControl& model) override;

 private:
  std::string caption_;
  Picture picture_;
};

}  // namespace Platform
