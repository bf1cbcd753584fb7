#include "platform/gui/MDIForm.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "platform/gui/FormInternal.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

MDIForm* current = nullptr;

// The children of an area that are on show, in the order they were made.
QList<QMdiSubWindow*> Shown(QMdiArea& area, bool minimised) {
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder))
    if (!sub->isHidden() && sub->isMinimized() == minimised) shown << sub;
  return shown;
}

}  // namespace

MDIForm::MDIForm(std::string name) : Form(std::move(name), MainWindowTag{}) {
  FormInternal& window = Window();
  auto* area = new QMdiArea(window.client);
  area->setGeometry(window.client->rect());
  area->setBackground(ToQColor(SystemColour(SystemColours::ApplicationWorkspace)));
  window.mdiArea = area;
  QObject::connect(area, &QMdiArea::subWindowActivated, area, [this](QMdiSubWindow* sub) {
    // A null notice only says the main window lost the activation: the child
    // stays the active one of the main window.
    if (Form* child = sub ? Gui::FormOf(sub) : nullptr) ChildActivated(child);
  });
  SetClientSize(12000, 8000);
  current = this;
}

MDIForm::~MDIForm() {
  if (current == this) current = nullptr;
}

MDIForm* MDIForm::Current() {
  return current;
}

Form* MDIForm::ActiveForm() const {
  if (activeChild_ != nullptr && activeChild_->IsLoaded() && !activeChild_->unloading_)
    return activeChild_;
  QList<QMdiSubWindow*> history = Window().mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
  for (auto it = history.rbegin(); it != history.rend(); ++it) {
    Form* child = Gui::FormOf(*it);
    if (child != nullptr && child != activeChild_ && child->IsLoaded() && !child->unloading_ &&
        !(*it)->isHidden())
      return child;
  }
  return nullptr;
}

void MDIForm::ChildActivated(Form* child) {
  if (child == activeChild_) {
    child->NoticeActivated(true);
    return;
  }
  Form* previous = activeChild_;
  activeChild_ = child;
  if (previous != nullptr) previous->NoticeActivated(false);
  child->NoticeActivated(true);
}

void MDIForm::ChildGone(Form* child) {
  if (activeChild_ == child) activeChild_ = nullptr;
}

void MDIForm::Arrange(int mode) {
  QMdiArea& area = *Window().mdiArea;
  const QRect room = area.viewport()->rect();
  if (mode == ArrangeModes::ArrangeIcons) {
    // Rows from the bottom left, each as wide as the area allows; the next
    // row goes above the last.
    int x = 0;
    int bottom = room.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* sub : Shown(area, true)) {
      const QSize size = sub->size();
      if (x > 0 && x + size.width() > room.width()) {
        x = 0;
        bottom -= rowHeight;
        rowHeight = 0;
      }
      sub->move(x, bottom - size.height());
      x += size.width();
      rowHeight = std::max(rowHeight, size.height());
    }
    return;
  }
  if (mode == ArrangeModes::Cascade) {
    area.cascadeSubWindows();
    return;
  }
  const QList<QMdiSubWindow*> shown = Shown(area, false);
  const int count = static_cast<int>(shown.size());
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* sub = shown[i];
    if (sub->isMaximized()) sub->showNormal();
    if (mode == ArrangeModes::TileHorizontal) {
      const int top = room.height() * i / count;
      sub->setGeometry(0, top, room.width(), room.height() * (i + 1) / count - top);
    } else {
      const int left = room.width() * i / count;
      sub->setGeometry(left, 0, room.width() * (i + 1) / count - left, room.height());
    }
  }
}

double MDIForm::ChildAreaWidth() const {
  return Gui::PixelsToTwips(Window().mdiArea->viewport()->width());
}

double MDIForm::ChildAreaHeight() const {
  return Gui::PixelsToTwips(Window().mdiArea->viewport()->height());
}

bool MDIForm::UnloadFor(int16_t unloadMode) {
  if (!IsLoaded()) return true;
  if (unloading_) return false;
  auto keep = weak_from_this().lock();
  if (!Query(unloadMode)) return false;
  std::vector<Form*> children;
  for (Form* form : Forms::All())
    if (form->MDIChild() && form->Window().sub && form->Window().sub->mdiArea() == Window().mdiArea)
      children.push_back(form);
  for (Form* child : children)
    if (!child->Query(UnloadModes::FormMDIForm)) return false;
  for (Form* child : children)
    if (child->IsLoaded() && !child->Finish()) return false;
  return Finish();
}

void MDIForm::LayoutInner() {
  const QRect room = Gui::LayoutAligned(*this);
  if (QMdiArea* area = Window().mdiArea) area->setGeometry(room);
}

}  // namespace Platform
