#pragma once
// Puts a window where it was last left (kept on a screen that exists) and remembers where it is now.

#include <string>

class QWidget;

namespace tavrel {

class modRegAPI;

// Moves and sizes `window` to its remembered place, if one is stored; true when one was.
bool RestoreWindowPlacement(QWidget& window, modRegAPI& regApi, const std::string& windowName);
void SaveWindowPlacement(const QWidget& window, modRegAPI& regApi, const std::string& windowName);

} // namespace tavrel
