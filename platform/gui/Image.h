#pragma once

#include <string>

#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A picture on a form. Without Stretch it takes the picture's size; with it
// the picture fills the control.
class TAVRO_PLATFORM_GUI_API Image : public VisualControl {
 public:
  Image(Container& container, std::string name, int index = -1);
  ~Image() override;

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(const Picture& picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool on);

  void CopyFrom(const VisualControl& model) override;

 private:
  void ShowPicture();

  Picture picture_;
  bool stretch_ = false;
};

}  // namespace Platform
