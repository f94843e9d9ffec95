#include "platform/sim_stuck.h"

#include <cctype>

namespace tavrel {

namespace {

bool ParseHex(const std::string& text, uint32_t limit, uint32_t& value) {
    if (text.empty() || text.size() > 4)
        return false;
    value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        value =
            value * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c))
                                                   ? c - '0'
                                                   : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10);
    }
    return value <= limit;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

bool ParseOne(const std::string& item, StuckPort& stuck) {
    const std::vector<std::string> fields = Split(item, ':');
    uint32_t port = 0;
    uint32_t andMask = 0;
    uint32_t orMask = 0;
    if (fields.size() != 3 || !ParseHex(fields[0], 0xffff, port) || !ParseHex(fields[1], 0xff, andMask) ||
        !ParseHex(fields[2], 0xff, orMask))
        return false;
    stuck = {static_cast<int32_t>(port), static_cast<uint8_t>(andMask), static_cast<uint8_t>(orMask)};
    return true;
}

} // namespace

bool ParseStuckPorts(const std::string& text, std::vector<StuckPort>& stuck, std::string& error) {
    stuck.clear();
    for (const std::string& item : Split(text, ',')) {
        StuckPort one;
        if (!ParseOne(item, one)) {
            stuck.clear();
            error = "\"" + item + "\" is not ADDR:AND:OR in hex (port 0-FFFF, masks 0-FF), e.g. 300:FD:00";
            return false;
        }
        stuck.push_back(one);
    }
    return true;
}

} // namespace tavrel
