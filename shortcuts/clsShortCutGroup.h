#pragma once

#include <memory>
#include <string>

#include "platform/Event.h"
#include "shortcuts/QuillonApi.h"
#include "shortcuts/QuillonObject.h"
#include "shortcuts/clsShortCuts.h"

namespace Platform {
class CommandButton;
}

namespace Quillon {

class clsShortCutGroups;
class cntTabrill;

// A group of shortcuts with its header button on the bar; the bar shows the
// shortcuts of the current group only. Make it with std::make_shared.
class QUILLON_API clsShortCutGroup : public QuillonObject,
                                     public std::enable_shared_from_this<clsShortCutGroup> {
 public:
  clsShortCutGroup();
  ~clsShortCutGroup() override;

  bool Current() const { return current_; }
  void Current(bool value) { current_ = value; }
  // The header button keeps the caption the group was added with.
  const std::string& Caption() const { return caption_; }
  void Caption(const std::string& value) { caption_ = value; }
  // Nothing raises 91.
  const std::shared_ptr<clsShortCuts>& ShortCuts() const { return shortCuts_; }
  void ShortCuts(const std::shared_ptr<clsShortCuts>& value);
  // The host's own; the bar never fills it.
  const std::string& Key() const { return key_; }
  void Key(const std::string& value) { key_ = value; }
  // The collection holding the group; it does not keep the collection alive.
  std::shared_ptr<clsShortCutGroups> Parent() const { return parent_.lock(); }
  void Parent(const std::shared_ptr<clsShortCutGroups>& value) { parent_ = value; }
  // Kept for the host; the bar never sets nor reads them.
  const std::shared_ptr<clsShortCutGroup>& NextGroup() const { return nextGroup_; }
  void NextGroup(const std::shared_ptr<clsShortCutGroup>& value) { nextGroup_ = value; }
  const std::shared_ptr<clsShortCutGroup>& PreviousGroup() const { return previousGroup_; }
  void PreviousGroup(const std::shared_ptr<clsShortCutGroup>& value) { previousGroup_ = value; }

  // For the bar: the header button, a control of the bar's canvas, whose
  // Click the group handles; nullptr once it is unloaded.
  Platform::CommandButton* HeaderButton() const { return cmdButton_; }
  void HeaderButton(Platform::CommandButton* value);

  // The bar showing the group; nullptr when it is on none.
  cntTabrill* Bar() const;

 private:
  void cmdButton_Click();

  bool current_ = false;
  std::string caption_;
  // Lives exactly as long as the group. A constructor cannot share the group
  // yet, so the collection it makes watches this instead, and asks the group
  // for its owner only while it lives.
  const std::shared_ptr<const void> alive_ = std::make_shared<char>();
  std::shared_ptr<clsShortCuts> shortCuts_;
  std::string key_;
  std::weak_ptr<clsShortCutGroups> parent_;
  std::shared_ptr<clsShortCutGroup> nextGroup_;
  std::shared_ptr<clsShortCutGroup> previousGroup_;
  Platform::CommandButton* cmdButton_ = nullptr;
  Platform::ScopedConnection cmdButtonClick_;
};

}  // namespace Quillon
