#include "runtime/Collection.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Runtime {

namespace {

constexpr const char* kSource = "Collection";

bool IsGiven(const Variant& v) {
  return !v.IsMissing() && !v.IsEmpty();
}

}  // namespace

Collection::Collection() = default;
Collection::~Collection() = default;

size_t Collection::PositionOf(const Variant& index, const char* source) const {
  if (index.IsString()) {
    const auto found = byKey_.find(FoldCase(index.GetString()));
    if (found == byKey_.end()) Raise(ErrorNumber::KeyNotFound, source);
    const auto at = std::find(items_.begin(), items_.end(), found->second);
    return static_cast<size_t>(at - items_.begin());
  }
  // Whole-number positions, nearly every index, are taken as they are.
  if (index.Kind() == VarType::Integer || index.Kind() == VarType::Long) {
    const int32_t position =
        index.Kind() == VarType::Integer ? index.GetInteger() : index.GetLong();
    if (position < 1 || static_cast<size_t>(position) > items_.size()) {
      Raise(ErrorNumber::InvalidProcedureCall, source);
    }
    return static_cast<size_t>(position) - 1;
  }
  if (!index.IsNumber() && index.Kind() != VarType::Boolean) {
    Raise(ErrorNumber::TypeMismatch, source);
  }
  const double position = RoundHalfEven(CDbl(index));
  if (!(position >= 1.0 && position <= static_cast<double>(items_.size()))) {
    Raise(ErrorNumber::InvalidProcedureCall, source);
  }
  return static_cast<size_t>(position) - 1;
}

void Collection::Add(const Variant& item, const Variant& key, const Variant& before,
                     const Variant& after) {
  std::string name;
  if (IsGiven(key)) {
    if (!key.IsString()) Raise(ErrorNumber::TypeMismatch, kSource);
    name = key.GetString();
  }
  size_t at = items_.size();
  if (IsGiven(before) && IsGiven(after)) Raise(ErrorNumber::InvalidProcedureCall, kSource);
  if (IsGiven(before)) at = PositionOf(before, kSource);
  if (IsGiven(after)) at = PositionOf(after, kSource) + 1;

  auto entry = std::make_shared<Entry>(Entry{item, name});
  if (!name.empty()) {
    const auto [slot, added] = byKey_.try_emplace(FoldCase(name), entry);
    if (!added) Raise(ErrorNumber::DuplicateKey, kSource);
  }
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

const Variant& Collection::Item(const Variant& index) const {
  if (index.IsString()) {
    const auto found = byKey_.find(FoldCase(index.GetString()));
    if (found == byKey_.end()) Raise(ErrorNumber::KeyNotFound, kSource);
    return found->second->item;
  }
  return items_[PositionOf(index, kSource)]->item;
}

Variant& Collection::Item(const Variant& index) {
  return const_cast<Variant&>(std::as_const(*this).Item(index));
}

void Collection::Remove(const Variant& index) {
  const size_t at = PositionOf(index, kSource);
  if (!items_[at]->key.empty()) byKey_.erase(FoldCase(items_[at]->key));
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
}

void Collection::Clear() {
  items_.clear();
  byKey_.clear();
}

const std::string& Collection::KeyAt(int32_t position) const {
  if (position < 1 || position > Count()) Raise(ErrorNumber::InvalidProcedureCall, kSource);
  return items_[static_cast<size_t>(position) - 1]->key;
}

}  // namespace Runtime
