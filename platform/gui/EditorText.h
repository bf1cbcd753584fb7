#pragma once

// Text of the Qt editors and the system's text, for the Qt layer only: the
// system ends lines with CR LF and counts both characters in its positions;
// the editors end lines with one LF (a paragraph break) and count one.

#include <QString>
#include <QTextCursor>
#include <string>

namespace Platform::Gui {

std::string EditorToSystem(const QString& text);
// A one-line editor drops every line break.
QString SystemToEditor(const std::string& text, bool multiLine = true);
int ToEditorPosition(const std::string& text, int position);
int ToSystemPosition(const std::string& text, int editor);

// The cursor's selection in positions of the system's text.
int SelectionStart(const std::string& text, const QTextCursor& cursor);
int SelectionLength(const std::string& text, const QTextCursor& cursor);
// Selects length characters from start, both in positions of the system's text.
void Select(QTextCursor& cursor, const std::string& text, int start, int length);

}  // namespace Platform::Gui
