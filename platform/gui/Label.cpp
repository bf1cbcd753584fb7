#include "platform/gui/Label.h"

#include <QLabel>

#include "platform/gui/Container.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QLabel* WidgetOf(const Label& label) {
  return static_cast<QLabel*>(label.Internal().widget.data());
}

}  // namespace

Label::Label(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* label = new QLabel(container.Site().client);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Internal().widget = label;
  Internal().passiveMouse = true;
  Attach();
}

Label::~Label() = default;

void Label::SetCaption(const std::string& caption) {
  caption_ = caption;
  WidgetOf(*this)->setText(ToQString(caption));
  Fit();
}

void Label::SetAlignment(int alignment) {
  alignment_ = alignment;
  const Qt::Alignment horizontal = alignment == Alignments::RightJustify ? Qt::AlignRight
                                   : alignment == Alignments::Center     ? Qt::AlignHCenter
                                                                         : Qt::AlignLeft;
  WidgetOf(*this)->setAlignment(horizontal | Qt::AlignTop);
}

void Label::SetWordWrap(bool on) {
  wordWrap_ = on;
  WidgetOf(*this)->setWordWrap(on);
  Fit();
}

void Label::SetAutoSize(bool on) {
  autoSize_ = on;
  Fit();
}

void Label::SetBackStyle(int style) {
  backStyle_ = style;
  WidgetOf(*this)->setAutoFillBackground(style == 1 && Internal().backSet);
}

void Label::SetBorderStyle(int style) {
  borderStyle_ = style;
  WidgetOf(*this)->setFrameStyle(style == 1 ? QFrame::StyledPanel | QFrame::Sunken
                                            : QFrame::NoFrame);
}

void Label::Fit() {
  if (!autoSize_) return;
  QLabel* label = WidgetOf(*this);
  const QSize hint =
      wordWrap_ ? QSize(label->width(), label->heightForWidth(label->width())) : label->sizeHint();
  Container& container = GetContainer();
  Move(Left(), Top(), container.PixelsToWidth(hint.width()),
       container.PixelsToHeight(hint.height()));
}

void Label::CopyFrom(const VisualControl& model) {
  VisualControl::CopyFrom(model);
  const auto& other = static_cast<const Label&>(model);
  SetAlignment(other.alignment_);
  SetWordWrap(other.wordWrap_);
  SetBackStyle(other.backStyle_);
  SetBorderStyle(other.borderStyle_);
  autoSize_ = other.autoSize_;
  SetCaption(other.caption_);
}

}  // namespace Platform
