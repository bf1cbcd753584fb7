#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/gui/Picture.h"
#include "shortcuts/QuillonApi.h"
#include "shortcuts/QuillonObject.h"
#include "shortcuts/clsRect.h"

namespace Quillon {

class clsShortCutGroup;
class cntTabrill;

// One shortcut of a group: an icon with its caption under it. The shortcut
// keeps its own copy of the icon and the rectangle the bar last drew it in.
class QUILLON_API clsShortCut : public QuillonObject {
 public:
  clsShortCut();
  ~clsShortCut() override;

  // The 1-based position in its group.
  int16_t Index() const { return index_; }
  void Index(int16_t value) { index_ = value; }
  bool Enabled() const { return enabled_; }
  void Enabled(bool value) { enabled_ = value; }
  // Changing a caption that was not empty repaints the bar at once.
  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& value);
  const Platform::Picture& Icon() const { return icon_; }
  void Icon(const Platform::Picture& value) { icon_ = value; }
  const std::string& Key() const { return key_; }
  void Key(const std::string& value) { key_ = value; }
  // The group that holds the shortcut; it does not keep the group alive.
  std::shared_ptr<clsShortCutGroup> ShortCutGroup() const { return group_.lock(); }
  void ShortCutGroup(const std::shared_ptr<clsShortCutGroup>& value) { group_ = value; }

  // For the bar: the icon cell of the last repaint (nothing raises 91), and
  // the hover state (0 normal, -1 hot) the mouse handling keeps.
  const std::shared_ptr<clsRect>& Rect() const { return rect_; }
  void Rect(const std::shared_ptr<clsRect>& value);
  int16_t State() const { return state_; }
  void State(int16_t value) { state_ = value; }

  // The bar showing the shortcut's group; nullptr when it is on none.
  cntTabrill* Bar() const;

 private:
  int16_t index_ = 0;
  bool enabled_ = false;
  std::string caption_;
  Platform::Picture icon_;
  std::string key_;
  std::weak_ptr<clsShortCutGroup> group_;
  std::shared_ptr<clsRect> rect_;
  int16_t state_ = 0;
};

}  // namespace Quillon
