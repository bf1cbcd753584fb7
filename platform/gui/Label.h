#pragma once

#include <string>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// Text the person reads. Raises Click, DblClick and the mouse events.
class TAVRO_PLATFORM_GUI_API Label : public VisualControl {
 public:
  Label(Container& container, std::string name, int index = -1);
  ~Label() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int Alignment() const { return alignment_; }  // Alignments
  void SetAlignment(int alignment);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  // Grows or shrinks to fit its caption.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  // 0 transparent, 1 opaque (the default, in BackColor).
  int BackStyle() const { return backStyle_; }
  void SetBackStyle(int style);
  int BorderStyle() const { return borderStyle_; }  // 0 none, 1 fixed single
  void SetBorderStyle(int style);

  void CopyFrom(const VisualControl& model) override;

 private:
  void Fit();

  std::string caption_;
  int alignment_ = 0;
  bool wordWrap_ = false;
  bool autoSize_ = false;
  int backStyle_ = 1;
  int borderStyle_ = 0;
};

}  // namespace Platform
