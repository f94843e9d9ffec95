#include "boardio/board_presets.h"

namespace tavrel {

namespace {
constexpr std::string_view kHouseLetters = "ABCDEFGHIJKLMNOPabcdefghijklmnop";
constexpr std::string_view kFireHouse = "FireHouse";
} // namespace

std::vector<std::string> PresetFields(std::string_view text) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (fields.size() < 4 && start <= text.size()) {
        const size_t comma = text.find(',', start);
        const size_t end = comma == std::string_view::npos ? text.size() : comma;
        fields.emplace_back(text.substr(start, end - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return fields;
}

int FireHouseNumber(std::string_view text) {
    if (text.size() != kFireHouse.size() + 1 || text.substr(0, kFireHouse.size()) != kFireHouse)
        return 0;
    const size_t pos = kHouseLetters.find(text.back());
    return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

std::string FireHouseName(int number) {
    if (number < 1 || number > 32)
        return "";
    return std::string(kFireHouse) + kHouseLetters[static_cast<size_t>(number - 1)];
}

} // namespace tavrel
