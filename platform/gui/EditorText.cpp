#include "platform/gui/EditorText.h"

#include "platform/gui/QtBridge.h"

namespace Platform::Gui {

namespace {

bool CrLfAt(const std::string& text, int i) {
  return text[static_cast<size_t>(i)] == '\r' && i + 1 < static_cast<int>(text.size()) &&
         text[static_cast<size_t>(i) + 1] == '\n';
}

}  // namespace

std::string EditorToSystem(const QString& text) {
  std::string result;
  for (char c : FromQString(text)) {
    if (c == '\n')
      result += "\r\n";
    else
      result += c;
  }
  return result;
}

QString SystemToEditor(const std::string& text, bool multiLine) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (CrLfAt(text, static_cast<int>(i))) continue;
    if (!multiLine && (text[i] == '\r' || text[i] == '\n')) continue;
    result += text[i];
  }
  return ToQString(result);
}

int ToEditorPosition(const std::string& text, int position) {
  int editor = 0;
  for (int i = 0; i < position && i < static_cast<int>(text.size()); ++i)
    if (!CrLfAt(text, i)) ++editor;
  return editor;
}

int ToSystemPosition(const std::string& text, int editor) {
  int position = 0;
  for (int seen = 0; seen < editor && position < static_cast<int>(text.size()); ++position)
    if (!CrLfAt(text, position)) ++seen;
  return position;
}

int SelectionStart(const std::string& text, const QTextCursor& cursor) {
  return ToSystemPosition(text, cursor.selectionStart());
}

int SelectionLength(const std::string& text, const QTextCursor& cursor) {
  return ToSystemPosition(text, cursor.selectionEnd()) - SelectionStart(text, cursor);
}

void Select(QTextCursor& cursor, const std::string& text, int start, int length) {
  cursor.setPosition(ToEditorPosition(text, start));
  cursor.setPosition(ToEditorPosition(text, start + length), QTextCursor::KeepAnchor);
}

}  // namespace Platform::Gui
