#include "constraints/TavroSPCConstraints.h"

#include "constraints/MorveltFunctions.h"
#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroConstraintCol.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"
#include "graph/model/ObjectAccess.h"
#include "platform/gui/ToolList.h"
#include "runtime/Error.h"

namespace Morvelt {

using Runtime::Variant;

TavroSPCConstraints::TavroSPCConstraints()
    : categories_(std::make_shared<clsConstraintCategories>()),
      constraints_(std::make_shared<clsConstraints>()) {}

TavroSPCConstraints::~TavroSPCConstraints() {
  subject_.reset();
  categories_.reset();
  constraints_.reset();
  menuItem_.reset();
  selectedLabels_.reset();
  SPCGraph(nullptr);
  parent_.reset();
  MenuObject(nullptr);
}

std::string TavroSPCConstraints::PrintConstraints() const {
  const auto constraints = Constraints();
  const int16_t count = constraints->Count();
  std::string text;
  for (int16_t i = 1; i <= count; ++i) {
    text += constraints->Item(Variant(i))->PrintConstraint();
    if (i < constraints->Count()) text += i % 2 == 1 ? "\t" : "\r\n";
  }
  return text;
}

std::string TavroSPCConstraints::CreateSQLCriteria() const {
  const auto constraints = Constraints();
  const int16_t count = constraints->Count();
  if (count == 0) return "";
  std::string text = " WHERE ";
  for (int16_t i = 1; i <= count; ++i) {
    if (i > 1) text += " AND ";
    text += constraints->Item(Variant(i))->SQLCriteria();
  }
  return text;
}

void TavroSPCConstraints::Subject(const Variant& index) {
  if (!index.IsObject()) {
    subject_ = ConstraintCategories()->Item(index);
    return;
  }
  auto category = index.ObjectAs<TavroConstraintCategory>();
  if (!category && !index.IsNothing()) Runtime::Raise(Runtime::ErrorNumber::TypeMismatch);
  subject_ = std::move(category);
}

std::shared_ptr<clsConstraintCategories> TavroSPCConstraints::ConstraintCategories() const {
  return Dravex::Required(categories_);
}

void TavroSPCConstraints::ConstraintCategories(std::shared_ptr<clsConstraintCategories> value) {
  categories_ = std::move(value);
}

std::shared_ptr<clsConstraints> TavroSPCConstraints::Constraints() const {
  return Dravex::Required(constraints_);
}

void TavroSPCConstraints::Constraints(std::shared_ptr<clsConstraints> value) {
  constraints_ = std::move(value);
}

void TavroSPCConstraints::MenuObject(std::shared_ptr<Platform::ToolBarControl> value) {
  menuHook_.Disconnect();
  menuObject_ = std::move(value);
  if (menuObject_) {
    menuHook_ = menuObject_->ToolClick.Connect(
        [this](const std::shared_ptr<Platform::Tool>& tool) { objMenuObject_ToolClick(tool); });
  }
}

void TavroSPCConstraints::MenuObject(const Variant& value) {
  auto control = value.ObjectAs<Platform::ToolBarControl>();
  if (!control && !value.IsNothing()) Runtime::Raise(Runtime::ErrorNumber::TypeMismatch);
  MenuObject(std::move(control));
}

void TavroSPCConstraints::SPCGraph(const std::shared_ptr<Dravex::Graph>& value) {
  graphHook_.Disconnect();
  spcGraph_ = value;
  if (value) {
    graphHook_ = value->SelectPoints.Connect([this](int16_t& labelFrom, int16_t& labelTo) {
      objSPCGraph_SelectPoints(labelFrom, labelTo);
    });
  }
}

void TavroSPCConstraints::SPCGraph(const Variant& value) {
  const auto graph = value.ObjectAs<Dravex::Graph>();
  if (!graph && !value.IsNothing()) Runtime::Raise(Runtime::ErrorNumber::TypeMismatch);
  SPCGraph(graph);
}

void TavroSPCConstraints::UpdateMenuItems() {
  const auto constraints = Constraints()->Col();
  const auto inPlay = [this, &constraints](const std::shared_ptr<TavroConstraintCategory>& c) {
    if (!c) return false;
    if (c == subject_) return true;
    return Runtime::IsTrue(
        FindInCollection(constraints.get(), Variant(c), "ConstraintCategory", 0));
  };
  for (const auto& category : ConstraintCategories()->Categories()) {
    if (!category) continue;
    bool prerequisitesMet = true;
    for (const auto& prerequisite : category->Prerequisites()->Categories()) {
      if (!inPlay(prerequisite)) {
        prerequisitesMet = false;
        break;
      }
    }
    bool restricted = false;
    for (const auto& restriction : category->Restrictions()->Categories()) {
      if (inPlay(restriction)) {
        restricted = true;
        break;
      }
    }
    const bool offered = category != subject_ && !restricted && prerequisitesMet;
    const auto menuItems = category->MenuItems();
    for (int16_t i = 1; i <= menuItems->Count(); ++i) {
      const std::string& id = menuItems->Item(Variant(i))->ID();
      Dravex::Required(menuObject_)->Tools()->Item(Variant(id))->SetEnabled(offered);
    }
  }
}

void TavroSPCConstraints::objSPCGraph_SelectPoints(int16_t& labelFrom, int16_t& labelTo) {
  if (labelFrom <= 0 || labelTo <= 0) return;
  UpdateMenuItems();
}

void TavroSPCConstraints::objMenuObject_ToolClick(const std::shared_ptr<Platform::Tool>&) {
  if (!selectingPoints_) return;
}

}  // namespace Morvelt
