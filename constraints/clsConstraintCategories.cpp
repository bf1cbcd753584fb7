#include "constraints/clsConstraintCategories.h"

#include "constraints/MorveltFunctions.h"
#include "constraints/TavroConstraintCategory.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/Error.h"

namespace Morvelt {

using Runtime::Variant;

namespace {

// What a referring collection stores in place of the category.
struct CategoryLink : Runtime::Object {
  explicit CategoryLink(const std::shared_ptr<TavroConstraintCategory>& category)
      : target(category) {}
  std::weak_ptr<TavroConstraintCategory> target;
};

Variant KeyOrMissing(const std::string& key) {
  return key.empty() ? Variant::Missing() : Variant(key);
}

}  // namespace

clsConstraintCategories::clsConstraintCategories() : clsConstraintCategories(true) {}

clsConstraintCategories::clsConstraintCategories(bool holds)
    : holds_(holds), col_(std::make_shared<Runtime::Collection>()) {}

clsConstraintCategories::~clsConstraintCategories() = default;

std::shared_ptr<clsConstraintCategories> clsConstraintCategories::Referring() {
  return std::shared_ptr<clsConstraintCategories>(new clsConstraintCategories(false));
}

std::shared_ptr<TavroConstraintCategory> clsConstraintCategories::CategoryOf(
    const Variant& item) const {
  if (holds_) return item.ObjectAs<TavroConstraintCategory>();
  const auto link = item.ObjectAs<CategoryLink>();
  return link ? link->target.lock() : nullptr;
}

Runtime::CollectionRef clsConstraintCategories::Col() const {
  if (holds_) return col_;
  auto snapshot = std::make_shared<Runtime::Collection>();
  for (int32_t position = 1; position <= col_->Count(); ++position) {
    const auto category = CategoryOf(col_->Item(Variant(position)));
    snapshot->Add(category ? Variant(category) : Variant::Nothing(),
                  KeyOrMissing(col_->KeyAt(position)));
  }
  return snapshot;
}

void clsConstraintCategories::Add(
    const std::shared_ptr<TavroConstraintCategory>& newConstraintCategory, const std::string& key,
    bool selfRestricting) {
  if (!newConstraintCategory) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  if (selfRestricting) {
    const auto restrictions = newConstraintCategory->Restrictions();
    const Variant found =
        FindInCollection(restrictions->Col().get(), Variant(newConstraintCategory), "", 0);
    if (!Runtime::IsTrue(found)) restrictions->Add(newConstraintCategory);
  }
  const Variant item = holds_ ? Variant(newConstraintCategory)
                              : Variant(std::make_shared<CategoryLink>(newConstraintCategory));
  col_->Add(item, KeyOrMissing(key));
}

void clsConstraintCategories::Remove(const Variant& index) {
  col_->Remove(index);
}

int16_t clsConstraintCategories::Count() const {
  return Dravex::Count16(col_->Count());
}

std::shared_ptr<TavroConstraintCategory> clsConstraintCategories::Item(const Variant& index) const {
  return Dravex::Required(CategoryOf(col_->Item(index)));
}

std::vector<std::shared_ptr<TavroConstraintCategory>> clsConstraintCategories::Categories() const {
  std::vector<std::shared_ptr<TavroConstraintCategory>> categories;
  categories.reserve(static_cast<size_t>(col_->Count()));
  for (const Variant& item : *col_) categories.push_back(CategoryOf(item));
  return categories;
}

}  // namespace Morvelt
