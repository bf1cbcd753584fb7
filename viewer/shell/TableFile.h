#pragma once

#include <string>

namespace Kordex {

// How a table window is saved, chosen by the extension of the file's name.
enum class TableFileType { Unknown, Text, RichText, CommaSeparated };

// The type of ".TXT", ".RTF" and ".CSV" in any case; Unknown for any other
// extension or none. Only the file's own name counts, not its folders.
TableFileType TableFileTypeOf(const std::string& Path);

// The table's plain text as comma-separated rows: cells split at TAB, rows at
// line ends (CR LF, LF or CR; a line end at the very end closes the last
// row). A cell holding a comma, a double quote, CR or LF is quoted with its
// quotes doubled; every row ends in CR LF.
std::string CommaSeparatedText(const std::string& PlainText);

// Writes a table to Path as Type says: the plain text (lines ending in CR LF)
// or the comma-separated text, both in UTF-8, or the rich text as it stands.
// Raises the file's error when the file cannot be made or written; an Unknown
// type raises "invalid procedure call" and touches no file.
void WriteTableFile(const std::string& Path, TableFileType Type, const std::string& PlainText,
                    const std::string& RichText);

}  // namespace Kordex
