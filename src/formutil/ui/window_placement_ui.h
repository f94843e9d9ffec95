#pragma once
// Puts a window where it was last left (kept on a screen that exists) and remembers where it is now.

#include <string>

class QWidget;

namespace tavrel {

class modRegAPI;

// Moves and sizes `window` to its remembered place, if one is stored; true when one was.
bool RestoreWindowPlacement(QWidget& window, modRegAPI& regApi, const std::string& windowName);
void SaveWindowPlacement(const QWidget& window, modRegAPI& regApi, const std::string& windowName);

// For a dialog that closes by many paths (its buttons, Escape, the title bar): restores its place now and
// stores it whenever the window is hidden. `regApi` must outlive `window`.
void KeepWindowPlacement(QWidget& window, modRegAPI& regApi, const std::string& windowName);

} // namespace tavrel
