#include "shortcuts/clsShortCutGroups.h"

#include "platform/gui/CommandButton.h"
#include "platform/gui/PictureBox.h"
#include "runtime/Error.h"
#include "shortcuts/cntTabrill.h"

namespace Quillon {

clsShortCutGroups::clsShortCutGroups() = default;
clsShortCutGroups::~clsShortCutGroups() = default;

void clsShortCutGroups::Remove(const Runtime::Variant& Index) {
  const auto group = Item(Index);
  QuillonCollection::Remove(Index);
  if (parentBar_) parentBar_->UnloadHeaderButton(*group);
  if (group == current_) {
    current_ = Count() >= 1 ? Item(Runtime::Variant(int16_t{1})) : nullptr;
    if (current_) current_->Current(true);
  }
  if (parentBar_) {
    parentBar_->UpdateScrollBar();
    parentBar_->DrawShortCuts();
  }
}

void clsShortCutGroups::Clear() {
  while (Count() >= 1) Remove(Runtime::Variant(int16_t{1}));
}

std::shared_ptr<clsShortCutGroup> clsShortCutGroups::Add(const std::string& Caption,
                                                         std::string& Key) {
  if (Key.empty()) Key = Caption;
  if (!parentBar_) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  auto group = std::make_shared<clsShortCutGroup>();
  auto& button = static_cast<Platform::CommandButton&>(
      parentBar_->GetControls().AddControl("VB.CommandButton", Key, &parentBar_->GetCanvas()));
  try {
    group->HeaderButton(&button);
    group->Parent(weak_from_this().lock());
    group->Caption(Caption);
    button.SetCaption(Caption);
    button.SetVisible(true);
    button.SetHeight(parentBar_->ButtonHeight());
    Append(group, Key);
  } catch (...) {
    group->HeaderButton(nullptr);
    parentBar_->GetControls().RemoveControl(Key);
    throw;
  }
  if (Count() == 1) {
    current_ = group;
    group->Current(true);
  }
  parentBar_->UpdateScrollBar();
  parentBar_->DrawShortCuts();
  return group;
}

std::shared_ptr<clsShortCutGroup> clsShortCutGroups::Add(const std::string& Caption,
                                                         const std::string& Key) {
  std::string key = Key;
  return Add(Caption, key);
}

}  // namespace Quillon
