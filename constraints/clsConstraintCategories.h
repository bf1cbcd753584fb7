#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltObject.h"
#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Morvelt {

class TavroConstraintCategory;

// An ordered, 1-based collection of categories, looked up by position or by
// key (keys without regard to case).
//
// A collection made with the constructor holds its categories: a set's
// ConstraintCategories. One made by Referring only refers to them and does not
// keep them alive: a category's Prerequisites and Restrictions, which name
// categories of the same set (the category itself among them), so that those
// cycles never keep a set's categories alive. A category referred to that is
// gone reads as nothing.
class MORVELT_API clsConstraintCategories : public MorveltObject {
 public:
  clsConstraintCategories();
  ~clsConstraintCategories() override;
  static std::shared_ptr<clsConstraintCategories> Referring();

  // The categories as a plain collection, with their keys. For a holding
  // collection this is the collection itself; for a referring one a new
  // collection of the categories as they are now (Nothing for one gone).
  Runtime::CollectionRef Col() const;
  // When selfRestricting, first adds the category to its own Restrictions
  // (without a key) unless they hold it already; then appends it, under key
  // when key is not "" (a key present already raises 457). Nothing raises 91.
  void Add(const std::shared_ptr<TavroConstraintCategory>& newConstraintCategory,
           const std::string& key = "", bool selfRestricting = false);
  void Remove(const Runtime::Variant& index);
  int16_t Count() const;
  // By position or key; a bad one raises the collection's error, a category
  // referred to that is gone raises 91.
  std::shared_ptr<TavroConstraintCategory> Item(const Runtime::Variant& index) const;

  bool HoldsCategories() const { return holds_; }
  // The categories in order; nullptr for one referred to that is gone.
  std::vector<std::shared_ptr<TavroConstraintCategory>> Categories() const;

 private:
  explicit clsConstraintCategories(bool holds);
  std::shared_ptr<TavroConstraintCategory> CategoryOf(const Runtime::Variant& item) const;

  bool holds_;
  Runtime::CollectionRef col_;
};

}  // namespace Morvelt
