#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "shortcuts/QuillonApi.h"
#include "shortcuts/QuillonCollection.h"
#include "shortcuts/clsShortCutGroup.h"

namespace Quillon {

class cntTabrill;

// The groups of one bar, in order, keyed without regard to case; one of them
// is current. Make it with std::make_shared.
class QUILLON_API clsShortCutGroups : public QuillonCollection<clsShortCutGroup>,
                                      public std::enable_shared_from_this<clsShortCutGroups> {
 public:
  clsShortCutGroups();
  ~clsShortCutGroups() override;

  // Takes the group out and unloads its header button. When it was current,
  // the first group left becomes current (nothing when none is left). The bar
  // recomputes its scroll range and repaints.
  void Remove(const Runtime::Variant& Index);
  void Clear();
  // A new group at the end, under Key, or under its caption when Key is ""
  // (written back into the caller's Key). Its header button is a control of
  // the bar named Key: a name that is no control name raises 5, one in use
  // 727, and nothing is added. The first group becomes current. The bar
  // recomputes its scroll range and repaints.
  std::shared_ptr<clsShortCutGroup> Add(const std::string& Caption, std::string& Key);
  std::shared_ptr<clsShortCutGroup> Add(const std::string& Caption, const std::string& Key = "");

  // The group shown; nothing while the collection is empty. The model keeps
  // it and the groups' Current flags in step only where it changes them.
  const std::shared_ptr<clsShortCutGroup>& Current() const { return current_; }
  void Current(const std::shared_ptr<clsShortCutGroup>& value) { current_ = value; }

  // For the bar: the bar the collection belongs to, set by the bar.
  cntTabrill* ParentBar() const { return parentBar_; }
  void ParentBar(cntTabrill* value) { parentBar_ = value; }

 private:
  std::shared_ptr<clsShortCutGroup> current_;
  cntTabrill* parentBar_ = nullptr;
};

}  // namespace Quillon
