#include "shortcuts/clsShortCuts.h"

#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/cntTabrill.h"

namespace Quillon {

clsShortCuts::clsShortCuts() = default;
clsShortCuts::~clsShortCuts() = default;

void clsShortCuts::Remove(const Runtime::Variant& Index) {
  const int16_t position = Item(Index)->Index();
  QuillonCollection::Remove(Index);
  for (int16_t i = position; i <= Count(); ++i) Item(Runtime::Variant(i))->Index(i);
}

void clsShortCuts::Clear() {
  while (Count() >= 1) Remove(Runtime::Variant(int16_t{1}));
}

std::shared_ptr<clsShortCut> clsShortCuts::Add(const std::string& Caption,
                                               const Platform::Picture& Icon, std::string& Key) {
  if (Key.empty()) Key = Caption;
  auto shortCut = std::make_shared<clsShortCut>();
  shortCut->Caption(Caption);
  shortCut->Key(Key);
  shortCut->Icon(Icon);
  const auto group = Parent();
  shortCut->ShortCutGroup(group);
  shortCut->Enabled(true);
  shortCut->Index(Runtime::CInt(Runtime::Variant(int32_t{Count()} + 1)));
  Append(shortCut, Key);
  if (cntTabrill* bar = group ? group->Bar() : nullptr) {
    bar->UpdateScrollBar();
    bar->DrawShortCuts();
  }
  return shortCut;
}

std::shared_ptr<clsShortCut> clsShortCuts::Add(const std::string& Caption,
                                               const Platform::Picture& Icon,
                                               const std::string& Key) {
  std::string key = Key;
  return Add(Caption, Icon, key);
}

std::shared_ptr<clsShortCutGroup> clsShortCuts::Parent() const {
  if (!makerAlive_.expired()) return maker_->weak_from_this().lock();
  return parent_.lock();
}

void clsShortCuts::Parent(const std::shared_ptr<clsShortCutGroup>& value) {
  parent_ = value;
  maker_ = nullptr;
  makerAlive_.reset();
}

}  // namespace Quillon
