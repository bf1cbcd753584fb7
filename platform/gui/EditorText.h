#pragma once

// Text of the Qt editors and the system's text, for the Qt layer only: the
// system ends lines with CR LF and counts both characters in its positions;
// the editors end lines with one LF (a paragraph break) and count one.

#include <QString>
#include <string>

namespace Platform::Gui {

std::string EditorToSystem(const QString& text);
// A one-line editor drops every line break.
QString SystemToEditor(const std::string& text, bool multiLine = true);
int ToEditorPosition(const std::string& text, int position);
int ToSystemPosition(const std::string& text, int editor);

}  // namespace Platform::Gui
