#include "formutil/window_placement.h"

#include "config/configuration.h"
#include "config/reg_api.h"
#include "platform/registry.h"

#include <algorithm>
#include <charconv>

namespace tavrel {

namespace {

bool ParseInt(const std::string& text, size_t& pos, int& value) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || next == begin)
        return false;
    pos += static_cast<size_t>(next - begin);
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return true;
}

long long Overlap(const WindowRect& a, const WindowRect& b) {
    const long long w = std::min<long long>(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const long long h = std::min<long long>(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

std::optional<WindowRect> ParsePlacement(const std::string& text) {
    int fields[4] = {};
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (!ParseInt(text, pos, fields[i]))
            return std::nullopt;
        const bool last = i == 3;
        if (last ? pos != text.size() : (pos >= text.size() || text[pos] != ','))
            return std::nullopt;
        ++pos;
    }
    if (fields[2] <= 0 || fields[3] <= 0)
        return std::nullopt;
    return WindowRect{fields[0], fields[1], fields[2], fields[3]};
}

std::string FormatPlacement(const WindowRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height);
}

WindowRect FitToScreens(const WindowRect& wanted, const std::vector<WindowRect>& screens) {
    if (screens.empty())
        return wanted;
    const WindowRect* best = &screens.front();
    long long bestOverlap = 0;
    for (const auto& screen : screens) {
        const long long overlap = Overlap(wanted, screen);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = &screen;
        }
    }
    WindowRect fitted = wanted;
    fitted.width = std::min(wanted.width, best->width);
    fitted.height = std::min(wanted.height, best->height);
    fitted.left = std::clamp(wanted.left, best->left, best->left + best->width - fitted.width);
    fitted.top = std::clamp(wanted.top, best->top, best->top + best->height - fitted.height);
    return fitted;
}

std::optional<WindowRect> PlacementStore::Load(const std::string& windowName) {
    const std::string text = regApi_.ReadRegValueCheck(kHkeyLocalMachine, kStartupKey, windowName, false);
    if (text == kRegKeyNotFound || text == kRegValueNameNotFound)
        return std::nullopt;
    return ParsePlacement(text);
}

void PlacementStore::Save(const std::string& windowName, const WindowRect& rect) {
    regApi_.SetNewValue(kHkeyLocalMachine, kStartupKey, "String", windowName, FormatPlacement(rect), true);
}

} // namespace tavrel
