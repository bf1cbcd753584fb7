#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "runtime/Collection.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Variant.h"

namespace Common {

// The keyed collection wrapper a library's collections of objects are made
// of: an ordered, 1-based runtime Collection of T, looked up by position or by
// key (keys without regard to case), with a 16-bit Count. Base is the
// library's counted object (CountedObject), so that the collection counts
// among its objects. The classes built on it add their own Add and publish
// Col where their interface has it.
template <class T, class Base>
class KeyedCollection : public Base {
 public:
  // By position or key; a bad position or key raises the collection's error,
  // an item that is nothing 91, one of another class 13.
  std::shared_ptr<T> Item(const Runtime::Variant& index) const {
    const Runtime::Variant& held = col_->Item(index);
    if (!held.GetObject()) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
    auto item = held.ObjectAs<T>();
    if (!item) Runtime::Raise(Runtime::ErrorNumber::TypeMismatch);
    return item;
  }
  // More than a 16-bit count raises 6.
  int16_t Count() const {
    const int32_t count = col_->Count();
    if (count <= INT16_MAX) return static_cast<int16_t>(count);
    return Runtime::CInt(Runtime::Variant(count));
  }
  void Remove(const Runtime::Variant& index) { col_->Remove(index); }

 protected:
  KeyedCollection() : col_(std::make_shared<Runtime::Collection>()) {}

  // Appends under key when the key is not "". Nothing is refused with 91, so
  // that Item never has to hand out a null item.
  void Append(std::shared_ptr<T> item, const std::string& key) {
    if (!item) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
    col_->Add(Runtime::Variant(std::move(item)),
              key.empty() ? Runtime::Variant::Missing() : Runtime::Variant(key));
  }
  // The underlying collection.
  Runtime::CollectionRef Col() const { return col_; }

 private:
  Runtime::CollectionRef col_;
};

}  // namespace Common
