#include "platform/gui/TabDialog.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>

#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiInternal.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

class TabWidget : public QTabWidget {
 public:
  using QTabWidget::QTabWidget;

  // Where the pages lie in the widget. Worked out as the widget lays itself
  // out, since a hidden widget puts off its layout until it is shown.
  QPoint PageOrigin() const {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
  }
};

TabWidget* WidgetOf(const TabDialog& dialog) {
  return static_cast<TabWidget*>(dialog.Internal().widget.data());
}

}  // namespace

// One page: its controls are children of the page's widget, placed in the
// dialog's twips.
class TabDialog::TabPage : public Container {
 public:
  TabPage(TabDialog& dialog, QWidget* widget) : dialog_(dialog) { Site().client = widget; }
  Form& ParentForm() override { return dialog_.Parent(); }
  ControlScope& Scope() override { return dialog_.Control::Scope(); }
  double UnitsToPixelsX(double x) const override { return dialog_.UnitsToPixelsX(x); }
  double UnitsToPixelsY(double y) const override { return dialog_.UnitsToPixelsY(y); }
  double PixelsToUnitsX(double x) const override { return dialog_.PixelsToUnitsX(x); }
  double PixelsToUnitsY(double y) const override { return dialog_.PixelsToUnitsY(y); }

 private:
  TabDialog& dialog_;
};

TabDialog::TabDialog(Container& container, std::string name,
                     const std::vector<std::string>& captions)
    : VisualControl(container, std::move(name), -1) {
  auto* tabs = new TabWidget(container.Site().client);
  tabs->setFocusPolicy(Qt::TabFocus);
  for (const std::string& caption : captions) {
    auto* page = new QWidget;
    tabs->addTab(page, ToQString(caption));
    pages_.push_back(std::make_unique<TabPage>(*this, page));
  }
  Internal().widget = tabs;
  Site().client =
      pages_.empty() ? static_cast<QWidget*>(tabs) : pages_.front()->Site().client.data();
  QObject::connect(tabs, &QTabWidget::currentChanged, tabs,
                   [this](int tab) { NoticeTabChanged(tab); });
  Attach();
}

TabDialog::~TabDialog() = default;

int TabDialog::Tabs() const {
  return static_cast<int>(pages_.size());
}

void TabDialog::CheckTab(int tab) const {
  if (tab < 0 || tab >= Tabs()) Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
}

void TabDialog::SetTab(int tab) {
  CheckTab(tab);
  if (tab == tab_) return;
  tab_ = tab;
  Site().client = pages_[static_cast<size_t>(tab)]->Site().client;
  WidgetOf(*this)->setCurrentIndex(tab);
}

std::string TabDialog::TabCaption(int tab) const {
  CheckTab(tab);
  return FromQString(WidgetOf(*this)->tabText(tab));
}

void TabDialog::SetTabCaption(int tab, const std::string& caption) {
  CheckTab(tab);
  WidgetOf(*this)->setTabText(tab, ToQString(caption));
}

Container& TabDialog::Page(int tab) const {
  CheckTab(tab);
  return *pages_[static_cast<size_t>(tab)];
}

double TabDialog::UnitsToPixelsX(double x) const {
  return Gui::TwipsToPixels(x) - WidgetOf(*this)->PageOrigin().x();
}

double TabDialog::UnitsToPixelsY(double y) const {
  return Gui::TwipsToPixels(y) - WidgetOf(*this)->PageOrigin().y();
}

double TabDialog::PixelsToUnitsX(double x) const {
  return Gui::PixelsToTwips(x + WidgetOf(*this)->PageOrigin().x());
}

double TabDialog::PixelsToUnitsY(double y) const {
  return Gui::PixelsToTwips(y + WidgetOf(*this)->PageOrigin().y());
}

void TabDialog::NoticeTabChanged(int tab) {
  if (tab < 0 || tab == tab_) return;
  EnterEventHandler([&] {
    tab_ = tab;
    Site().client = pages_[static_cast<size_t>(tab)]->Site().client;
    Click.Raise();
  });
}

}  // namespace Platform
