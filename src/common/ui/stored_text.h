#pragma once
// The program's single-byte text (Windows-1252) to and from Qt's widgets: every field that shows or takes a
// name or a setting's text goes through this pair.

#include "common/typed_text.h"
#include "platform/hive/text_encoding.h"

#include <QString>

namespace tavrel {

inline QString FromStored(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

// What the settings can hold of `text`, with the character they could not (for the model to refuse).
inline TypedText ToStored(const QString& text) {
    return TypedFromUtf8(text.toStdString());
}

} // namespace tavrel
