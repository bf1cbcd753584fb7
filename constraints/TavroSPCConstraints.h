#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltObject.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "platform/Event.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "runtime/Variant.h"

namespace Morvelt {

class TavroConstraintCategory;
class TavroConstraintCol;
class clsConstraintCategories;
class clsConstraints;

// The context of one chart: the category on its X axis (Subject), the
// categories it can be drilled down by, the constraints in force, the toolbar
// menu that offers the drill-down and the graph whose point selections start
// one. Renders its constraints as printable text and as an SQL WHERE clause,
// and switches the toolbar's category tools to match.
//
// The set holds its subject, categories (shared with the sets drilled down
// from it), constraints, menu tool and toolbar control. The graph belongs to
// the window that hosts it: the set refers to it, and hooks its SelectPoints,
// without keeping it alive. Parent refers to the owning collection without
// keeping it alive.
//
// Drill-down: a selection of points on the graph offers the set's menu (or
// runs its only available tool at once). The set reacts to a tool click only
// while its own selection is being handled and only for tools below its own
// menu tool, since every set hooks the same toolbar; the pick builds a new set
// constrained to the selected labels, which the Parent announces to the host
// through MenuSelection, without graph and without parent.
class MORVELT_API TavroSPCConstraints : public MorveltObject,
                                        public std::enable_shared_from_this<TavroSPCConstraints> {
 public:
  TavroSPCConstraints();
  ~TavroSPCConstraints() override;

  // Each constraint's printable text, two to a line: c1 TAB c2 CR LF c3 ...
  std::string PrintConstraints() const;
  // " WHERE c1 AND c2 ..." of the constraints' SQL conditions; "" without
  // constraints.
  std::string CreateSQLCriteria() const;

  // The category on the X axis; nullptr when none.
  std::shared_ptr<TavroConstraintCategory> Subject() const { return subject_; }
  // A position or key: the subject becomes that category of
  // ConstraintCategories (one it lacks raises the collection's error and
  // leaves the subject). An object: the category itself, or nothing; another
  // kind of object raises 13.
  void Subject(const Runtime::Variant& index);
  void Subject(std::shared_ptr<TavroConstraintCategory> category) {
    subject_ = std::move(category);
  }

  std::shared_ptr<clsConstraintCategories> ConstraintCategories() const;
  void ConstraintCategories(std::shared_ptr<clsConstraintCategories> value);
  std::shared_ptr<clsConstraints> Constraints() const;
  void Constraints(std::shared_ptr<clsConstraints> value);

  // The menu tool that offers this chart's drill-down.
  const std::shared_ptr<Platform::Tool>& MenuItem() const { return menuItem_; }
  void MenuItem(std::shared_ptr<Platform::Tool> value) { menuItem_ = std::move(value); }
  // The toolbar control; from then on the set receives its ToolClick events.
  const std::shared_ptr<Platform::ToolBarControl>& MenuObject() const { return menuObject_; }
  void MenuObject(std::shared_ptr<Platform::ToolBarControl> value);
  // The same from a variant: an object that is no toolbar control raises 13.
  void MenuObject(const Runtime::Variant& value);
  void MenuObject(std::nullptr_t) { MenuObject(std::shared_ptr<Platform::ToolBarControl>()); }
  // The graph; from then on the set receives its SelectPoints events.
  // nullptr when none, or once the graph is gone.
  std::shared_ptr<Dravex::Graph> SPCGraph() const { return spcGraph_.lock(); }
  void SPCGraph(const std::shared_ptr<Dravex::Graph>& value);
  // The same from a variant: an object that is no graph control raises 13.
  void SPCGraph(const Runtime::Variant& value);
  void SPCGraph(std::nullptr_t) { SPCGraph(std::shared_ptr<Dravex::Graph>()); }

  // The collection holding the set (set by TavroConstraintCol::Add); nullptr
  // when none or when it is gone.
  std::shared_ptr<TavroConstraintCol> Parent() const { return parent_.lock(); }
  void Parent(const std::shared_ptr<TavroConstraintCol>& value) { parent_ = value; }

  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }
  // Kept for the host, returned unchanged.
  const Runtime::Variant& TagVariant() const { return tagVariant_; }
  void TagVariant(Runtime::Variant value) { tagVariant_ = std::move(value); }

 private:
  // Enables every category tool exactly when this set's state allows it: not
  // the subject, prerequisites constrained or charted, no restriction
  // constrained or charted. Tools of other menus stay as they are.
  void UpdateMenuItems();
  // Positions out of the labels are left out; a selection holding no label
  // starts nothing.
  void objSPCGraph_SelectPoints(int16_t& labelFrom, int16_t& labelTo);
  // A pick below the menu ends the selection at once, so a click during the
  // host's handling of the new set (which may run the message loop) cannot
  // start a second drill-down from the same selection. A tool of no category
  // starts none.
  void objMenuObject_ToolClick(const std::shared_ptr<Platform::Tool>& tool);

  using Path = std::vector<std::shared_ptr<Platform::Tool>>;
  // The menu tool to pop up when tool (a menu) offers two or more available
  // tools, the one tool to run at once (descending through menus offering a
  // single one), or nullptr when it offers none or is no menu.
  static std::shared_ptr<Platform::Tool> FindSingleVisibleTool(
      const std::shared_ptr<Platform::Tool>& tool);
  // The first category whose menu items hold the tool; nullptr when none.
  std::shared_ptr<TavroConstraintCategory> CategoryOfTool(
      const std::shared_ptr<Platform::Tool>& tool) const;
  // The tools from menu down to tool, both included; empty when tool is not
  // below menu. A menu tool never ends a path.
  static Path ToolPath(const std::shared_ptr<Platform::Tool>& menu,
                       const std::shared_ptr<Platform::Tool>& tool);
  // The new set for a pick reached along path (from the menu tool down to the
  // pick), charting subject.
  std::shared_ptr<TavroSPCConstraints> DrillDownSet(
      const Path& path, const std::shared_ptr<TavroConstraintCategory>& subject) const;

  std::shared_ptr<TavroConstraintCategory> subject_;
  std::shared_ptr<clsConstraintCategories> categories_;
  std::shared_ptr<clsConstraints> constraints_;
  std::shared_ptr<Platform::Tool> menuItem_;
  std::shared_ptr<Dravex::GraphXAxisLabelCol> selectedLabels_;
  std::weak_ptr<TavroConstraintCol> parent_;
  std::string name_;
  bool selectingPoints_ = false;
  Runtime::Variant tagVariant_;
  std::weak_ptr<Dravex::Graph> spcGraph_;
  Platform::ScopedConnection graphHook_;
  std::shared_ptr<Platform::ToolBarControl> menuObject_;
  Platform::ScopedConnection menuHook_;
};

}  // namespace Morvelt
