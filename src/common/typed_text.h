#pragma once
// An entry as typed in a window, turned into the program's single-byte text (Windows-1252), with the
// character that text could not hold, so that a model refuses the entry instead of keeping a "?".

#include "platform/message_box.h"

#include <string>

namespace tavrel {

struct TypedText {
    std::string text;       // a character Windows-1252 cannot hold stands as "?" here
    std::string unholdable; // the first such character as typed (UTF-8); "" when every one was kept
};

TypedText TypedFromUtf8(const std::string& utf8);

// Why an entry holding `typed.unholdable` is refused: the character and where it was typed (`what`).
std::string UnholdableReason(const TypedText& typed, const std::string& what);
// Tells of the character in a warning box; true when there was one, and the entry is to be refused.
bool RefusedAsUnholdable(const TypedText& typed, const std::string& what, MessageBoxes& boxes);

} // namespace tavrel
