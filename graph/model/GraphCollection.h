#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Dravex {

// The keyed collection wrapper every collection class of the model is made of:
// an ordered, 1-based runtime Collection of T, looked up by position or by key
// (keys without regard to case), with a 16-bit Count. The classes built on it
// add their own Add and publish Col where their interface has it.
template <class T>
class DRAVEX_API GraphCollection : public DravexObject {
 public:
  // By position or key; a bad position or key raises the collection's error.
  std::shared_ptr<T> Item(const Runtime::Variant& index) const {
    return ObjectFrom<T>(col_->Item(index));
  }
  int16_t Count() const { return Count16(col_->Count()); }
  void Remove(const Runtime::Variant& index) { col_->Remove(index); }

 protected:
  GraphCollection() : col_(std::make_shared<Runtime::Collection>()) {}

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

}  // namespace Dravex
