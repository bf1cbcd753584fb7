#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformApi.h"

namespace Platform {

// Rich text as the rich text box holds it: paragraphs with their tab stops,
// each a row of runs of text that share a bold flag and a font size. Text is
// Windows-1252; a TAB inside a run moves to the next tab stop.

struct RichRun {
  std::string Text;
  bool Bold = false;
  double Size = 12;  // points, in half-point steps
  friend bool operator==(const RichRun&, const RichRun&) = default;
};

struct TAVRO_PLATFORM_API RichParagraph {
  std::vector<int32_t> Tabs;  // positions in twips, in the order given
  std::vector<RichRun> Runs;
  std::string Text() const;
  friend bool operator==(const RichParagraph&, const RichParagraph&) = default;
};

struct RichDocument {
  std::vector<RichParagraph> Paragraphs;
  friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// The document as RTF: code page 1252, one font, each paragraph with \pard and
// its \tx stops, runs with \b and \fs, \tab and \par; "\", "{" and "}" escaped
// and bytes above 127 written as \'hh.
TAVRO_PLATFORM_API std::string WriteRtf(const RichDocument& document,
                                        std::string_view fontName = "Arial");

// Reads RTF written by this program or by others (a clipboard from any
// program). What it does not know is passed over: font, colour and style
// tables, {\*...} groups, pictures and objects, \binN data and unknown control
// words. \uN characters (with \ucN) become Windows-1252, '?' for those it
// lacks. Damaged input (cut short, unbalanced braces, nesting too deep) reads
// as far as it makes sense and never fails. The document always holds at least
// one paragraph.
TAVRO_PLATFORM_API RichDocument ReadRtf(std::string_view rtf);

}  // namespace Platform
