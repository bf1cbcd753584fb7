#pragma once

#include <cstdint>
#include <string>

#include "runtime/Collection.h"
#include "runtime/Variant.h"

namespace Common {

// Splits delimited text into trimmed pieces, in order, added without keys.
// Two adjacent separators give an empty piece; a separator at the very end
// gives no empty last piece; a separator inside a stretch opened by Quotes
// does not split, and the quotes stay in the piece. With a single blank as the
// separator, runs of blanks count as one and blanks never make an empty piece.
// An empty separator gives the whole (trimmed) text as one piece.
Runtime::CollectionRef SplitToCollection(const std::string& text, const std::string& separator,
                                         const std::string& quotes);

// Reads one field of delimited text. With a text (not Missing), or when
// nothing was split yet, the text is split and kept; Index 0 moves to the next
// field, any other Index makes that field current. The field, or "" when the
// current index is outside the pieces. The split and the index are module
// state shared by every caller in the deliverable.
std::string GetField(int16_t index, const Runtime::Variant& text = Runtime::Variant::Missing(),
                     const std::string& separator = ",", const std::string& quotes = "");

// The text less Count characters at its end (RemoveRightChars) or start
// (RemoveLeftChars); Count is clamped to 0..Len(Text).
std::string RemoveRightChars(const std::string& text, int16_t count);
std::string RemoveLeftChars(const std::string& text, int16_t count);

}  // namespace Common
