#include "platform/gui/VisualControl.h"

#include <QApplication>
#include <QCursor>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "platform/gui/Container.h"
#include "platform/gui/Form.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

// Changing a docked control's size, or its docking, lays out its form anew.
void Relayout(Container& container) {
  Form& form = container.ParentForm();
  if (&container == static_cast<Container*>(&form))
    form.LayoutInner();
  else
    Gui::LayoutAligned(container);
}

}  // namespace

VisualControl::VisualControl(Container& container, std::string name, int index)
    : Control(container.Scope(), container.ParentForm(), std::move(name), index),
      container_(container),
      internal_(std::make_unique<VisualControlInternal>()),
      backColor_(SystemColour(SystemColours::ButtonFace)),
      foreColor_(SystemColour(SystemColours::ButtonText)) {
  container_.Site().children.push_back(this);
  Parent().Window().tabOrder.push_back(this);
}

VisualControl::~VisualControl() {
  if (!internal_->containerEnded) std::erase(container_.Site().children, this);
  FormInternal& window = Parent().Window();
  std::erase(window.tabOrder, this);
  if (window.focus == this) window.focus = nullptr;
  if (window.validateBlock == this) window.validateBlock = nullptr;
  if (QWidget* widget = internal_->widget) {
    // The widget may be in the middle of delivering the event that removes it.
    Gui::MarkControl(widget, nullptr);
    widget->hide();
    widget->deleteLater();
  }
}

void VisualControl::Attach() {
  QWidget* widget = internal_->widget;
  Gui::MarkControl(widget, this);
  Gui::RouteMouse(widget);
  widget->setEnabled(enabled_);
  if (!toolTip_.empty()) widget->setToolTip(ToQString(toolTip_));
  ApplyColours();
  ApplyFont();
  if (mousePointer_ != 0) widget->setCursor(Gui::ToQCursor(mousePointer_));
  Place();
  widget->setVisible(visible_);
}

void VisualControl::Place() {
  QWidget* widget = internal_->widget;
  if (widget == nullptr) return;
  if (align_ != 0) {
    Relayout(container_);
    return;
  }
  const int x = Gui::Round(container_.UnitsToPixelsX(left_));
  const int y = Gui::Round(container_.UnitsToPixelsY(top_));
  const int w = std::max(0, Gui::Round(container_.WidthToPixels(width_)));
  const int h = std::max(0, Gui::Round(container_.HeightToPixels(height_)));
  const QSize before = widget->size();
  widget->setGeometry(x, y, w, h);
  if (before != widget->size()) Resized();
}

void VisualControl::SetLeft(double left) {
  Move(left);
}

void VisualControl::SetTop(double top) {
  Move(left_, top);
}

void VisualControl::SetWidth(double width) {
  Move(left_, top_, width);
}

void VisualControl::SetHeight(double height) {
  Move(left_, top_, width_, height);
}

void VisualControl::Move(double left, std::optional<double> top, std::optional<double> width,
                         std::optional<double> height) {
  left_ = left;
  if (top) top_ = *top;
  if (width) width_ = std::max(0.0, *width);
  if (height) height_ = std::max(0.0, *height);
  Place();
}

void VisualControl::Docked(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  QWidget* widget = internal_->widget;
  if (widget == nullptr) return;
  const QRect place(Gui::Round(container_.UnitsToPixelsX(left)),
                    Gui::Round(container_.UnitsToPixelsY(top)),
                    std::max(0, Gui::Round(container_.WidthToPixels(width))),
                    std::max(0, Gui::Round(container_.HeightToPixels(height))));
  if (widget->geometry() == place) return;
  const QSize before = widget->size();
  widget->setGeometry(place);
  if (before != widget->size()) Resized();
}

void VisualControl::SetVisible(bool visible) {
  visible_ = visible;
  if (internal_->widget) internal_->widget->setVisible(visible);
  if (align_ != 0) Relayout(container_);
}

void VisualControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (internal_->widget) internal_->widget->setEnabled(enabled);
}

void VisualControl::SetAlign(int align) {
  align_ = align;
  Relayout(container_);
}

void VisualControl::SetBackColor(Colour colour) {
  backColor_ = colour;
  internal_->backSet = true;
  ApplyColours();
}

void VisualControl::SetForeColor(Colour colour) {
  foreColor_ = colour;
  internal_->foreSet = true;
  ApplyColours();
}

void VisualControl::ApplyColours() {
  QWidget* widget = internal_->widget;
  if (widget == nullptr || !(internal_->backSet || internal_->foreSet)) return;
  QPalette palette = widget->palette();
  if (internal_->backSet) {
    const QColor back = ToQColor(backColor_);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
      palette.setColor(role, back);
    widget->setAutoFillBackground(true);
  }
  if (internal_->foreSet) {
    const QColor fore = ToQColor(foreColor_);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(role, fore);
  }
  widget->setPalette(palette);
}

void VisualControl::SetFont(const SurfaceFont& font) {
  font_ = font;
  internal_->fontSet = true;
  ApplyFont();
}

template <class T>
void VisualControl::SetFontPart(T SurfaceFont::*part, T value) {
  SurfaceFont font = font_;
  font.*part = std::move(value);
  SetFont(font);
}

void VisualControl::SetFontName(const std::string& name) {
  SetFontPart(&SurfaceFont::Name, name);
}

void VisualControl::SetFontSize(double points) {
  SetFontPart(&SurfaceFont::Size, points);
}

void VisualControl::SetFontBold(bool on) {
  SetFontPart(&SurfaceFont::Bold, on);
}

void VisualControl::SetFontItalic(bool on) {
  SetFontPart(&SurfaceFont::Italic, on);
}

void VisualControl::SetFontUnderline(bool on) {
  SetFontPart(&SurfaceFont::Underline, on);
}

void VisualControl::ApplyFont() {
  if (internal_->widget && internal_->fontSet) internal_->widget->setFont(ToQFont(font_));
}

void VisualControl::SetToolTipText(const std::string& text) {
  toolTip_ = text;
  if (internal_->widget) internal_->widget->setToolTip(ToQString(text));
}

void VisualControl::SetMousePointer(int pointer) {
  mousePointer_ = pointer;
  QWidget* widget = internal_->widget;
  if (widget == nullptr) return;
  if (pointer == 0)
    widget->unsetCursor();
  else
    widget->setCursor(Gui::ToQCursor(pointer));
}

void VisualControl::SetTabStop(bool on) {
  tabStop_ = on;
  QWidget* widget = internal_->widget;
  if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) return;
  widget->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

int VisualControl::TabIndex() const {
  const auto& order = Parent().Window().tabOrder;
  return static_cast<int>(std::find(order.begin(), order.end(), this) - order.begin());
}

void VisualControl::SetTabIndex(int index) {
  auto& order = Parent().Window().tabOrder;
  std::erase(order, this);
  index = std::clamp(index, 0, static_cast<int>(order.size()));
  order.insert(order.begin() + index, this);
  QWidget* previous = nullptr;
  for (VisualControl* control : order) {
    QWidget* widget = control->internal_->widget;
    if (widget == nullptr) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void VisualControl::SetFocus() {
  QWidget* widget = internal_->widget;
  if (widget == nullptr || !enabled_ || !visible_) return;
  FormInternal& window = Parent().Window();
  if (window.sub && window.sub->mdiArea()) window.sub->mdiArea()->setActiveSubWindow(window.sub);
  QWidget* top = widget->window();
  if (top->isVisible() && !top->isActiveWindow()) {
    top->activateWindow();
    QApplication::setActiveWindow(top);
  }
  widget->setFocus(Qt::OtherFocusReason);
}

bool VisualControl::HasFocus() const {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && Gui::ControlOf(focus) == this;
}

void VisualControl::ZOrder(int position) {
  QWidget* widget = internal_->widget;
  if (widget == nullptr) return;
  if (position == 0)
    widget->raise();
  else
    widget->lower();
}

void VisualControl::Refresh() {
  if (internal_->widget) internal_->widget->repaint();
}

bool VisualControl::MousePosition(double& x, double& y) const {
  QWidget* widget = internal_->widget;
  if (widget == nullptr) return false;
  const QPoint local = widget->mapFromGlobal(QCursor::pos());
  x = PixelsToEventX(local.x());
  y = PixelsToEventY(local.y());
  return true;
}

void VisualControl::TwipsToWindow(double& x, double& y) const {
  QWidget* widget = internal_->widget;
  if (widget == nullptr) return;
  const QPointF inWindow = QPointF(widget->mapTo(widget->window(), QPoint(0, 0))) +
                           QPointF(Gui::TwipsToPixels(x), Gui::TwipsToPixels(y));
  x = Gui::PixelsToTwips(inWindow.x());
  y = Gui::PixelsToTwips(inWindow.y());
}

double VisualControl::PixelsToEventX(double x) const {
  const auto* inner = dynamic_cast<const Container*>(this);
  return inner ? inner->PixelsToUnitsX(x) : Gui::PixelsToTwips(x);
}

double VisualControl::PixelsToEventY(double y) const {
  const auto* inner = dynamic_cast<const Container*>(this);
  return inner ? inner->PixelsToUnitsY(y) : Gui::PixelsToTwips(y);
}

void VisualControl::CopyFrom(const VisualControl& model) {
  left_ = model.left_;
  top_ = model.top_;
  width_ = model.width_;
  height_ = model.height_;
  enabled_ = model.enabled_;
  align_ = model.align_;
  backColor_ = model.backColor_;
  foreColor_ = model.foreColor_;
  font_ = model.font_;
  internal_->backSet = model.internal_->backSet;
  internal_->foreSet = model.internal_->foreSet;
  internal_->fontSet = model.internal_->fontSet;
  causesValidation_ = model.causesValidation_;
  SetTag(model.Tag());
  SetEnabled(enabled_);
  SetToolTipText(model.toolTip_);
  SetMousePointer(model.mousePointer_);
  SetTabStop(model.tabStop_);
  ApplyColours();
  ApplyFont();
  Place();
}

}  // namespace Platform
