#include "constraints/TavroSPCConstraints.h"

#include <algorithm>

#include "constraints/MorveltFunctions.h"
#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroConstraintCol.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"
#include "graph/model/ObjectAccess.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"

namespace Morvelt {

using Runtime::Variant;

namespace {

// What a selected label constrains its category to: its value, or its text
// when it has none.
Variant DrillDownValue(const Dravex::GraphXAxisLabel& label) {
  const Variant& value = label.Value();
  return value.IsMissing() || value.IsNull() ? Variant(label.Label()) : value;
}

std::shared_ptr<TavroConstraint> NewConstraint(
    const std::shared_ptr<TavroConstraintCategory>& category) {
  auto constraint = std::make_shared<TavroConstraint>();
  constraint->ConstraintCategory(category);
  return constraint;
}

}  // namespace

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
  // The host may let the set go while its menu is up or its new set is built.
  const auto alive = weak_from_this().lock();
  UpdateMenuItems();
  const auto tool = FindSingleVisibleTool(menuItem_);
  if (!tool) return;

  const auto labels = Dravex::Required(SPCGraph())->XAxis()->Labels();
  const int32_t last = std::min<int32_t>(labelTo, labels->Count());
  if (labelFrom > last) return;
  auto selected = std::make_shared<Dravex::GraphXAxisLabelCol>();
  for (int32_t i = labelFrom; i <= last; ++i) {
    const auto label = labels->Item(Variant(i));
    selected->Add(label->Label(), label->Value());
  }
  selectedLabels_ = std::move(selected);

  // Cleared on every way out: a cancelled menu, an error, or a pick handled.
  struct EndSelecting {
    bool& selecting;
    ~EndSelecting() { selecting = false; }
  } endSelecting{selectingPoints_};
  selectingPoints_ = true;
  if (tool->Type() == Platform::ToolTypes::Menu)
    Dravex::Required(menuObject_)->PopupMenu(Variant(tool->ID()));
  else
    objMenuObject_ToolClick(tool);
}

void TavroSPCConstraints::objMenuObject_ToolClick(const std::shared_ptr<Platform::Tool>& tool) {
  if (!selectingPoints_ || !tool || tool->Type() == Platform::ToolTypes::Menu) return;
  const Path path = ToolPath(menuItem_, tool);
  if (path.empty()) return;
  selectingPoints_ = false;
  const auto alive = weak_from_this().lock();
  const auto subject = CategoryOfTool(tool);
  if (!subject) return;
  const auto parent = Dravex::Required(Parent());
  auto newSet = DrillDownSet(path, subject);
  parent->MenuSelectionEvent(newSet);
}

std::shared_ptr<Platform::Tool> TavroSPCConstraints::FindSingleVisibleTool(
    const std::shared_ptr<Platform::Tool>& tool) {
  if (!tool || tool->Type() != Platform::ToolTypes::Menu) return nullptr;
  std::shared_ptr<Platform::Tool> available;
  for (const auto& item : *tool->Menu()->Tools()) {
    // A separator is a tool of the menu too, but nothing one can pick.
    if (!item->Enabled() || item->Type() == Platform::ToolTypes::Separator) continue;
    if (available) return tool;
    available = item;
  }
  if (!available) return nullptr;
  return available->Type() == Platform::ToolTypes::Menu ? FindSingleVisibleTool(available)
                                                        : available;
}

std::shared_ptr<TavroConstraintCategory> TavroSPCConstraints::CategoryOfTool(
    const std::shared_ptr<Platform::Tool>& tool) const {
  for (const auto& category : ConstraintCategories()->Categories()) {
    if (category &&
        Runtime::IsTrue(FindInCollection(category->MenuItems()->Col().get(), Variant(tool), "", 0)))
      return category;
  }
  return nullptr;
}

TavroSPCConstraints::Path TavroSPCConstraints::ToolPath(
    const std::shared_ptr<Platform::Tool>& menu, const std::shared_ptr<Platform::Tool>& tool) {
  if (!menu) return {};
  if (menu->Type() == Platform::ToolTypes::Menu) {
    for (const auto& item : *menu->Menu()->Tools()) {
      Path path = ToolPath(item, tool);
      if (path.empty()) continue;
      path.insert(path.begin(), menu);
      return path;
    }
    return {};
  }
  if (menu == tool) return {menu};
  return {};
}

std::shared_ptr<TavroSPCConstraints> TavroSPCConstraints::DrillDownSet(
    const Path& path, const std::shared_ptr<TavroConstraintCategory>& subject) const {
  const auto charted = Dravex::Required(subject_);
  auto newSet = std::make_shared<TavroSPCConstraints>();
  newSet->TagVariant(tagVariant_);
  newSet->MenuItem(menuItem_);
  newSet->Name(name_);
  newSet->ConstraintCategories(ConstraintCategories());
  newSet->MenuObject(menuObject_);
  const auto newConstraints = newSet->Constraints();

  // The constraint of the charted category gives way to the selection.
  const std::string chartedName = Runtime::UCase(charted->Name());
  const auto constraints = Constraints();
  const int16_t count = constraints->Count();
  for (int16_t i = 1; i <= count; ++i) {
    const auto constraint = constraints->Item(Variant(i));
    auto copy = NewConstraint(constraint->ConstraintCategory());
    for (const Variant& value : *constraint->ConstraintValues())
      copy->ConstraintValues()->Add(value);
    const std::string& name = copy->ConstraintCategory()->Name();
    if (Runtime::UCase(name) != chartedName) newConstraints->Add(copy, name);
  }

  const auto labels = Dravex::Required(selectedLabels_);
  auto selection = NewConstraint(charted);
  const auto values = selection->ConstraintValues();
  if (charted->Continuous()) {
    values->Add(DrillDownValue(*labels->Item(Variant(int16_t{1}))));
    values->Add(DrillDownValue(*labels->Item(Variant(labels->Count()))));
  } else {
    for (const Variant& label : *labels->Col())
      values->Add(DrillDownValue(*Dravex::ObjectFrom<Dravex::GraphXAxisLabel>(label)));
  }
  newConstraints->Add(selection, charted->Name());

  // A sub-menu on the way to the pick stands for a value of its own category.
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    const auto category = CategoryOfTool(path[i]);
    if (!category || Runtime::IsTrue(FindInCollection(newConstraints->Col().get(),
                                                      Variant(category), "ConstraintCategory", 0)))
      continue;
    auto menuChoice = NewConstraint(category);
    menuChoice->ConstraintValues()->Add(Variant(path[i]->Name()));
    newConstraints->Add(menuChoice, category->Name());
  }

  newSet->Subject(subject);
  return newSet;
}

}  // namespace Morvelt
