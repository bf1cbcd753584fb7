#include "shortcuts/clsShortCut.h"

#include "runtime/Error.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/cntTabrill.h"

namespace Quillon {

clsShortCut::clsShortCut() : rect_(std::make_shared<clsRect>()) {}
clsShortCut::~clsShortCut() = default;

void clsShortCut::Caption(const std::string& value) {
  const bool repaint = !caption_.empty();
  caption_ = value;
  if (!repaint) return;
  if (cntTabrill* bar = Bar()) bar->DrawShortCuts();
}

void clsShortCut::Rect(const std::shared_ptr<clsRect>& value) {
  if (!value) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  rect_ = value;
}

cntTabrill* clsShortCut::Bar() const {
  const auto group = ShortCutGroup();
  return group ? group->Bar() : nullptr;
}

}  // namespace Quillon
