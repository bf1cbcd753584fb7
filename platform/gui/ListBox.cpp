#include "platform/gui/ListBox.h"

#include <QListWidget>

#include "platform/gui/Container.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QListWidget* WidgetOf(const ListBox& list) {
  return static_cast<QListWidget*>(list.Internal().widget.data());
}

}  // namespace

ListBox::ListBox(Container& container, std::string name, int index)
    : ListControl(container, std::move(name), index) {
  auto* list = new QListWidget(container.Site().client);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(list, &QListWidget::currentRowChanged, list,
                   [this](int row) { NoticeSelected(row); });
  Internal().widget = list;
  Attach();
}

ListBox::~ListBox() = default;

std::string ListBox::Text() const {
  return List(ListIndex());
}

int ListBox::TopIndex() const {
  QListWidget* list = WidgetOf(*this);
  const QModelIndex top = list->indexAt(QPoint(1, 1));
  return top.isValid() ? top.row() : 0;
}

void ListBox::SetTopIndex(int index) {
  QListWidget* list = WidgetOf(*this);
  if (QListWidgetItem* item = list->item(index))
    list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void ListBox::ShowItems() {
  QListWidget* list = WidgetOf(*this);
  const QSignalBlocker block(list);
  list->clear();
  for (int i = 0; i < ListCount(); ++i) list->addItem(ToQString(List(i)));
}

void ListBox::ShowSelection() {
  QListWidget* list = WidgetOf(*this);
  const QSignalBlocker block(list);
  list->setCurrentRow(ListIndex());
  if (ListIndex() < 0) list->clearSelection();
}

void ListBox::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  SetSorted(static_cast<const ListBox&>(model).Sorted());
}

}  // namespace Platform
