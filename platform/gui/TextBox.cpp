#include "platform/gui/TextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/gui/Container.h"
#include "platform/gui/EditorText.h"
#include "platform/gui/EventEntry.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QLineEdit* LineOf(const TextBox& box) {
  return qobject_cast<QLineEdit*>(box.Internal().widget.data());
}

QPlainTextEdit* PlainOf(const TextBox& box) {
  return qobject_cast<QPlainTextEdit*>(box.Internal().widget.data());
}

}  // namespace

TextBox::TextBox(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  BuildEditor({});
}

TextBox::~TextBox() = default;

void TextBox::BuildEditor(const std::string& text) {
  QWidget* old = Internal().widget;
  QWidget* parent = GetContainer().Site().client;
  QWidget* editor;
  if (multiLine_) {
    auto* plain = new QPlainTextEdit(parent);
    plain->setTabChangesFocus(false);
    plain->setPlainText(Gui::SystemToEditor(text, true));
    plain->setReadOnly(locked_);
    QObject::connect(plain, &QPlainTextEdit::textChanged, plain, [this] { NoticeEdited(); });
    editor = plain;
  } else {
    auto* line = new QLineEdit(parent);
    line->setText(Gui::SystemToEditor(text, false));
    line->setReadOnly(locked_);
    if (maxLength_ > 0) line->setMaxLength(maxLength_);
    QObject::connect(line, &QLineEdit::textChanged, line, [this] { NoticeEdited(); });
    editor = line;
  }
  editor->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  Internal().widget = editor;
  last_ = text;
  Attach();
  SetAlignment(alignment_);
  if (old != nullptr) {
    Gui::MarkControl(old, nullptr);
    old->hide();
    old->deleteLater();
  }
}

std::string TextBox::Text() const {
  if (QLineEdit* line = LineOf(*this)) return FromQString(line->text());
  return Gui::EditorToSystem(PlainOf(*this)->toPlainText());
}

void TextBox::SetText(const std::string& text) {
  const std::string shown = multiLine_ ? text : FromQString(Gui::SystemToEditor(text, false));
  if (shown == Text()) return;
  if (QLineEdit* line = LineOf(*this)) {
    const QSignalBlocker block(line);
    line->setText(ToQString(shown));
  } else {
    QPlainTextEdit* plain = PlainOf(*this);
    const QSignalBlocker block(plain);
    plain->setPlainText(Gui::SystemToEditor(shown, true));
  }
  RaiseChangeIfNew(Text());
}

void TextBox::NoticeEdited() {
  const std::string text = Text();
  EnterEventHandler([this, &text] { RaiseChangeIfNew(text); });
}

void TextBox::RaiseChangeIfNew(const std::string& text) {
  if (text == last_) return;
  last_ = text;
  Change.Raise();
}

int TextBox::SelStart() const {
  if (QLineEdit* line = LineOf(*this))
    return line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
  return Gui::SelectionStart(Text(), PlainOf(*this)->textCursor());
}

int TextBox::SelLength() const {
  if (QLineEdit* line = LineOf(*this)) return line->hasSelectedText() ? line->selectionLength() : 0;
  return Gui::SelectionLength(Text(), PlainOf(*this)->textCursor());
}

void TextBox::SetSelStart(int start) {
  const int length = static_cast<int>(Text().size());
  start = std::clamp(start, 0, length);
  if (QLineEdit* line = LineOf(*this)) {
    line->setCursorPosition(start);
    return;
  }
  QPlainTextEdit* plain = PlainOf(*this);
  QTextCursor cursor = plain->textCursor();
  cursor.setPosition(Gui::ToEditorPosition(Text(), start));
  plain->setTextCursor(cursor);
}

void TextBox::SetSelLength(int length) {
  const std::string text = Text();
  const int start = SelStart();
  length = std::clamp(length, 0, static_cast<int>(text.size()) - start);
  if (QLineEdit* line = LineOf(*this)) {
    line->setSelection(start, length);
    return;
  }
  QPlainTextEdit* plain = PlainOf(*this);
  QTextCursor cursor = plain->textCursor();
  Gui::Select(cursor, text, start, length);
  plain->setTextCursor(cursor);
}

std::string TextBox::SelText() const {
  return Text().substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()));
}

void TextBox::SetSelText(const std::string& text) {
  const std::string before = Text();
  const int start = SelStart();
  std::string after = before;
  after.replace(static_cast<size_t>(start), static_cast<size_t>(SelLength()), text);
  SetText(after);
  SetSelStart(start + static_cast<int>(text.size()));
}

void TextBox::SetMultiLine(bool on) {
  if (on == multiLine_) return;
  const std::string text = Text();
  multiLine_ = on;
  BuildEditor(text);
}

void TextBox::SetLocked(bool on) {
  locked_ = on;
  if (QLineEdit* line = LineOf(*this))
    line->setReadOnly(on);
  else
    PlainOf(*this)->setReadOnly(on);
}

void TextBox::SetMaxLength(int length) {
  maxLength_ = length;
  if (QLineEdit* line = LineOf(*this)) line->setMaxLength(length > 0 ? length : 32767);
}

void TextBox::SetAlignment(int alignment) {
  alignment_ = alignment;
  const Qt::Alignment horizontal = alignment == Alignments::RightJustify ? Qt::AlignRight
                                   : alignment == Alignments::Center     ? Qt::AlignHCenter
                                                                         : Qt::AlignLeft;
  if (QLineEdit* line = LineOf(*this)) line->setAlignment(horizontal | Qt::AlignVCenter);
}

void TextBox::CopyFrom(const VisualControl& model) {
  const auto& other = static_cast<const TextBox&>(model);
  locked_ = other.locked_;
  maxLength_ = other.maxLength_;
  alignment_ = other.alignment_;
  if (multiLine_ != other.multiLine_) {
    multiLine_ = other.multiLine_;
    BuildEditor(Text());
  }
  VisualControl::CopyFrom(model);
  SetLocked(locked_);
  SetAlignment(alignment_);
  SetText(other.Text());
}

}  // namespace Platform
