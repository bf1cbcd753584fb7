#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/gui/Picture.h"
#include "shortcuts/QuillonApi.h"
#include "shortcuts/QuillonCollection.h"
#include "shortcuts/clsShortCut.h"

namespace Quillon {

class clsShortCutGroup;

// The shortcuts of one group, in order, keyed without regard to case. Count
// and positions are 16-bit: past 32767 raises 6.
class QUILLON_API clsShortCuts : public QuillonCollection<clsShortCut> {
 public:
  clsShortCuts();
  ~clsShortCuts() override;

  // Takes the shortcut out and renumbers those after it; nothing is repainted.
  void Remove(const Runtime::Variant& Index);
  void Clear();
  // A new enabled shortcut at the end, under Key, or under its caption when
  // Key is "" (written back into the caller's Key); a key in use raises 457
  // and adds nothing. The bar of the group recomputes its scroll range and
  // repaints.
  std::shared_ptr<clsShortCut> Add(const std::string& Caption, const Platform::Picture& Icon,
                                   std::string& Key);
  std::shared_ptr<clsShortCut> Add(const std::string& Caption, const Platform::Picture& Icon,
                                   const std::string& Key = "");

  // The group that made the collection, or the one a host set; it does not
  // keep the group alive, and once that group has ended there is none.
  std::shared_ptr<clsShortCutGroup> Parent() const;
  void Parent(const std::shared_ptr<clsShortCutGroup>& value);

 private:
  friend class clsShortCutGroup;
  std::weak_ptr<clsShortCutGroup> parent_;
  // The group that made the collection, until a host sets another; the
  // address is used only while the group's token lives.
  clsShortCutGroup* maker_ = nullptr;
  std::weak_ptr<const void> makerAlive_;
};

}  // namespace Quillon
