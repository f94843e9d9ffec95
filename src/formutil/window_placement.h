#pragma once
// Remembered window positions: one text "left,top,width,height" per window name, and the rule that puts a
// remembered rectangle back on a screen that still exists.

#include <optional>
#include <string>
#include <vector>

namespace tavrel {

class modRegAPI;

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// "12,40,800,600" -> the rectangle; anything else (missing fields, letters, a size not above 0) -> none.
std::optional<WindowRect> ParsePlacement(const std::string& text);
std::string FormatPlacement(const WindowRect& rect);

// Where `wanted` goes given the screens' usable areas (the first is the primary screen): on the screen it
// overlaps most, or on the primary one when it overlaps none; shrunk to fit that screen and moved
// inside it, so a window never ends up out of sight.
WindowRect FitToScreens(const WindowRect& wanted, const std::vector<WindowRect>& screens);

// The remembered positions under "SOFTWARE\Tavrel\Startup" of the local machine.
class PlacementStore {
public:
    explicit PlacementStore(modRegAPI& regApi) : regApi_(regApi) {}

    // None when nothing usable is stored; a missing value is not an error and shows nothing.
    std::optional<WindowRect> Load(const std::string& windowName);
    void Save(const std::string& windowName, const WindowRect& rect);

private:
    modRegAPI& regApi_;
};

} // namespace tavrel
