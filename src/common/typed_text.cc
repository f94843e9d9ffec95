#include "common/typed_text.h"

#include "platform/hive/text_encoding.h"

namespace tavrel {

TypedText TypedFromUtf8(const std::string& utf8) {
    return {Utf8ToCp1252(utf8), FirstCharacterNotInCp1252(utf8)};
}

std::string UnholdableReason(const TypedText& typed, const std::string& what) {
    return "\"" + typed.unholdable + "\" cannot be stored in " + what +
           ": the settings and run files hold only the letters and signs of Windows-1252 (Western " +
           "European); the entry is not taken, type it without that character";
}

bool RefusedAsUnholdable(const TypedText& typed, const std::string& what, MessageBoxes& boxes) {
    if (typed.unholdable.empty())
        return false;
    boxes.Tell(MsgIcon::Warning, "Character Cannot Be Stored", {UnholdableReason(typed, what) + "."});
    return true;
}

} // namespace tavrel
