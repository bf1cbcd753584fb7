#include "platform/gui/RichTextBox.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/RichText.h"
#include "platform/gui/Container.h"
#include "platform/gui/EditorText.h"
#include "platform/gui/GuiInternal.h"

namespace Platform {

namespace {

QTextEdit& EditOf(const RichTextBox& box) {
  return *qobject_cast<QTextEdit*>(box.Internal().widget.data());
}

double TabPixels(int32_t twips) {
  return Gui::TwipsToPixels(twips);
}

int32_t TabTwips(double pixels) {
  return static_cast<int32_t>(std::lround(Gui::PixelsToTwips(pixels)));
}

bool IsBold(const QTextCharFormat& format) {
  return format.fontWeight() >= QFont::DemiBold;
}

QTextCharFormat FormatOf(const RichRun& run) {
  QTextCharFormat format;
  format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
  format.setFontPointSize(run.Size);
  return format;
}

// The format of the first character selected, or the one the caret types with.
QTextCharFormat SelectionFormat(const QTextEdit& edit) {
  const QTextCursor cursor = edit.textCursor();
  if (!cursor.hasSelection()) return edit.currentCharFormat();
  QTextCursor first(edit.document());
  first.setPosition(cursor.selectionStart() + 1);
  return first.charFormat();
}

void SetTabs(QTextEdit& edit, const std::function<void(QList<QTextOption::Tab>&)>& change) {
  QTextCursor cursor = edit.textCursor();
  QList<QTextOption::Tab> tabs = cursor.blockFormat().tabPositions();
  change(tabs);
  QTextBlockFormat format;
  format.setTabPositions(tabs);
  cursor.mergeBlockFormat(format);
}

}  // namespace

RichTextBox::RichTextBox(Container& container, std::string name, int index)
    : VisualControl(container, std::move(name), index) {
  auto* edit = new QTextEdit(GetContainer().Site().client);
  edit->setAcceptRichText(false);
  edit->setTabChangesFocus(false);
  edit->setContextMenuPolicy(Qt::PreventContextMenu);
  edit->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
  edit->setFocusPolicy(Qt::StrongFocus);
  Internal().widget = edit;
  Attach();
}

RichTextBox::~RichTextBox() = default;

std::string RichTextBox::Text() const {
  return Gui::EditorToSystem(EditOf(*this).toPlainText());
}

void RichTextBox::SetText(const std::string& text) {
  EditOf(*this).setPlainText(Gui::SystemToEditor(text));
}

int RichTextBox::SelStart() const {
  return Gui::SelectionStart(Text(), EditOf(*this).textCursor());
}

int RichTextBox::SelLength() const {
  return Gui::SelectionLength(Text(), EditOf(*this).textCursor());
}

void RichTextBox::SetSelStart(int start) {
  const std::string text = Text();
  start = std::clamp(start, 0, static_cast<int>(text.size()));
  QTextEdit& edit = EditOf(*this);
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(Gui::ToEditorPosition(text, start));
  edit.setTextCursor(cursor);
}

void RichTextBox::SetSelLength(int length) {
  const std::string text = Text();
  const int start = SelStart();
  length = std::clamp(length, 0, static_cast<int>(text.size()) - start);
  QTextEdit& edit = EditOf(*this);
  QTextCursor cursor = edit.textCursor();
  Gui::Select(cursor, text, start, length);
  edit.setTextCursor(cursor);
}

std::string RichTextBox::SelText() const {
  return Text().substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()));
}

void RichTextBox::SetSelText(const std::string& text) {
  QTextEdit& edit = EditOf(*this);
  QTextCursor cursor = edit.textCursor();
  cursor.insertText(Gui::SystemToEditor(text));
  edit.setTextCursor(cursor);
}

bool RichTextBox::SelBold() const {
  return IsBold(SelectionFormat(EditOf(*this)));
}

void RichTextBox::SetSelBold(bool on) {
  QTextCharFormat format;
  format.setFontWeight(on ? QFont::Bold : QFont::Normal);
  EditOf(*this).mergeCurrentCharFormat(format);
}

double RichTextBox::SelFontSize() const {
  const double size = SelectionFormat(EditOf(*this)).fontPointSize();
  return size > 0 ? size : EditOf(*this).document()->defaultFont().pointSizeF();
}

void RichTextBox::SetSelFontSize(double points) {
  if (points <= 0) return;
  QTextCharFormat format;
  format.setFontPointSize(points);
  EditOf(*this).mergeCurrentCharFormat(format);
}

int RichTextBox::SelTabCount() const {
  return static_cast<int>(EditOf(*this).textCursor().blockFormat().tabPositions().size());
}

void RichTextBox::SetSelTabCount(int count) {
  SetTabs(EditOf(*this), [count](QList<QTextOption::Tab>& tabs) {
    tabs.resize(std::max(0, count), QTextOption::Tab(0, QTextOption::LeftTab));
  });
}

int32_t RichTextBox::SelTabs(int index) const {
  const QList<QTextOption::Tab> tabs = EditOf(*this).textCursor().blockFormat().tabPositions();
  if (index < 0 || index >= tabs.size()) return 0;
  return TabTwips(tabs[index].position);
}

void RichTextBox::SetSelTabs(int index, int32_t twips) {
  if (index < 0) return;
  SetTabs(EditOf(*this), [index, twips](QList<QTextOption::Tab>& tabs) {
    if (index >= tabs.size()) tabs.resize(index + 1, QTextOption::Tab(0, QTextOption::LeftTab));
    tabs[index] = QTextOption::Tab(TabPixels(twips), QTextOption::LeftTab);
  });
}

void RichTextBox::SetRightMargin(int32_t twips) {
  rightMargin_ = std::max<int32_t>(0, twips);
  QTextEdit& edit = EditOf(*this);
  if (rightMargin_ == 0) {
    edit.setLineWrapMode(QTextEdit::WidgetWidth);
  } else {
    edit.setLineWrapMode(QTextEdit::FixedPixelWidth);
    // The margin is the width of the text itself; the document's own margins
    // lie outside it.
    const double margins = 2 * edit.document()->documentMargin();
    edit.setLineWrapColumnOrWidth(Gui::Round(Gui::TwipsToPixels(rightMargin_) + margins));
  }
}

RichDocument RichTextBox::DocumentBetween(int from, int to) const {
  const QTextDocument& doc = *EditOf(*this).document();
  const double defaultSize = doc.defaultFont().pointSizeF();
  RichDocument result;
  for (QTextBlock block = doc.findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    RichParagraph paragraph;
    for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
      paragraph.Tabs.push_back(TabTwips(tab.position));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int start = std::max(from, fragment.position());
      const int end = std::min(to, fragment.position() + fragment.length());
      if (start >= end) continue;
      const QString piece = fragment.text().mid(start - fragment.position(), end - start);
      const QTextCharFormat format = fragment.charFormat();
      const double size = format.fontPointSize() > 0 ? format.fontPointSize() : defaultSize;
      RichRun run{FromQString(piece), IsBold(format), std::round(size * 2) / 2};
      if (!paragraph.Runs.empty() && paragraph.Runs.back().Bold == run.Bold &&
          paragraph.Runs.back().Size == run.Size)
        paragraph.Runs.back().Text += run.Text;
      else
        paragraph.Runs.push_back(std::move(run));
    }
    result.Paragraphs.push_back(std::move(paragraph));
  }
  return result;
}

std::string RichTextBox::TextRTF() const {
  const QTextDocument& doc = *EditOf(*this).document();
  return WriteRtf(DocumentBetween(0, doc.characterCount() - 1), Font().Name);
}

std::string RichTextBox::SelRTF() const {
  const QTextCursor cursor = EditOf(*this).textCursor();
  return WriteRtf(DocumentBetween(cursor.selectionStart(), cursor.selectionEnd()), Font().Name);
}

void RichTextBox::Insert(const RichDocument& document) {
  QTextEdit& edit = EditOf(*this);
  QTextCursor cursor = edit.textCursor();
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  for (size_t i = 0; i < document.Paragraphs.size(); ++i) {
    const RichParagraph& paragraph = document.Paragraphs[i];
    QList<QTextOption::Tab> tabs;
    for (int32_t twips : paragraph.Tabs)
      tabs.append(QTextOption::Tab(TabPixels(twips), QTextOption::LeftTab));
    QTextBlockFormat format;
    format.setTabPositions(tabs);
    // Pasted into the middle of a paragraph, the first paragraph keeps the
    // stops of the one it joins.
    if (i > 0)
      cursor.insertBlock(format);
    else if (cursor.atBlockStart())
      cursor.mergeBlockFormat(format);
    for (const RichRun& run : paragraph.Runs)
      cursor.insertText(Gui::SystemToEditor(run.Text), FormatOf(run));
  }
  cursor.endEditBlock();
  edit.setTextCursor(cursor);
}

void RichTextBox::SetTextRTF(const std::string& rtf) {
  const RichDocument document = ReadRtf(rtf);
  QTextEdit& edit = EditOf(*this);
  edit.clear();
  Insert(document);
}

void RichTextBox::SetSelRTF(const std::string& rtf) {
  Insert(ReadRtf(rtf));
}

}  // namespace Platform
