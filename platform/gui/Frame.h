#pragma once

#include <string>

#include "platform/gui/Container.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A captioned border that groups controls; the controls inside are placed in
// twips from its top-left corner.
class TAVRO_PLATFORM_GUI_API Frame : public VisualControl, public Container {
 public:
  Frame(Container& container, std::string name, int index = -1);
  ~Frame() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  Form& ParentForm() override { return Parent(); }
  ControlScope& Scope() override { return Control::Scope(); }

  void CopyFrom(const VisualControl& model) override;

 private:
  std::string caption_;
};

}  // namespace Platform
