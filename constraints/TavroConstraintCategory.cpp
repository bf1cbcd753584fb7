#include "constraints/TavroConstraintCategory.h"

#include "constraints/clsConstraintCategories.h"
#include "constraints/clsMenuItems.h"
#include "graph/model/ObjectAccess.h"

namespace Morvelt {

TavroConstraintCategory::TavroConstraintCategory()
    : prerequisites_(clsConstraintCategories::Referring()),
      restrictions_(clsConstraintCategories::Referring()),
      menuItems_(std::make_shared<clsMenuItems>()) {}

TavroConstraintCategory::~TavroConstraintCategory() = default;

std::shared_ptr<clsConstraintCategories> TavroConstraintCategory::Prerequisites() const {
  return Dravex::Required(prerequisites_);
}

void TavroConstraintCategory::Prerequisites(std::shared_ptr<clsConstraintCategories> value) {
  prerequisites_ = std::move(value);
}

std::shared_ptr<clsConstraintCategories> TavroConstraintCategory::Restrictions() const {
  return Dravex::Required(restrictions_);
}

void TavroConstraintCategory::Restrictions(std::shared_ptr<clsConstraintCategories> value) {
  restrictions_ = std::move(value);
}

std::shared_ptr<clsMenuItems> TavroConstraintCategory::MenuItems() const {
  return Dravex::Required(menuItems_);
}

void TavroConstraintCategory::MenuItems(std::shared_ptr<clsMenuItems> value) {
  menuItems_ = std::move(value);
}

}  // namespace Morvelt
