#include "platform/serial_api.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace tavrel {

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool ReadNumber(const std::string& text, uint32_t& out) {
    if (text.empty() || text.size() > 9)
        return false;
    uint32_t v = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        v = v * 10 + static_cast<uint32_t>(c - '0');
    }
    out = v;
    return true;
}

bool ApplyField(const std::string& key, const std::string& value, CommDcb& dcb) {
    uint32_t n = 0;
    if (key == "baud") {
        if (!ReadNumber(value, n) || n == 0)
            return false;
        // The old two-digit short forms: 11 = 110, 15 = 150, 30 = 300 ... 96 = 9600, 19 = 19200.
        static const struct {
            uint32_t shortForm, baud;
        } kShort[] = {{11, 110},  {15, 150},  {30, 300},  {60, 600},  {12, 1200},
                      {24, 2400}, {48, 4800}, {96, 9600}, {19, 19200}};
        for (const auto& s : kShort)
            if (n == s.shortForm)
                n = s.baud;
        dcb.baudRate = n;
        return true;
    }
    if (key == "parity") {
        const std::string v = Lower(value);
        if (v.size() != 1 || std::string("neoms").find(v[0]) == std::string::npos)
            return false;
        dcb.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(v[0])));
        return true;
    }
    if (key == "data") {
        if (!ReadNumber(value, n) || n < 5 || n > 8)
            return false;
        dcb.byteSize = static_cast<uint8_t>(n);
        return true;
    }
    if (key == "stop") {
        if (value == "1" || value == "2") {
            dcb.stopBits = static_cast<uint8_t>(value[0] - '0');
            return true;
        }
        if (value == "1.5") {
            dcb.stopBits = 15;
            return true;
        }
        return false;
    }
    // Settings the control lines do not depend on are accepted as BuildCommDCB accepts them.
    static const char* kOnOff[] = {"to", "xon", "odsr", "octs", "dtr", "rts", "idsr"};
    for (const char* k : kOnOff)
        if (key == k)
            return !value.empty();
    return false;
}

} // namespace

bool ParseCommMode(const std::string& mode, CommDcb& dcb) {
    CommDcb result = dcb;
    std::string text = mode;
    // An optional device prefix ("COM1:") is allowed.
    if (const size_t colon = text.find(':'); colon != std::string::npos && Lower(text.substr(0, 3)) == "com")
        text = text.substr(colon + 1);
    if (text.find('=') == std::string::npos) {
        // Short form: baud,parity,data,stop
        std::vector<std::string> parts;
        std::stringstream in(text);
        for (std::string part; std::getline(in, part, ',');) {
            while (!part.empty() && part.front() == ' ')
                part.erase(part.begin());
            while (!part.empty() && part.back() == ' ')
                part.pop_back();
            parts.push_back(part);
        }
        static const char* kKeys[] = {"baud", "parity", "data", "stop"};
        if (parts.empty() || parts.size() > 4)
            return false;
        for (size_t i = 0; i < parts.size(); ++i)
            if (!ApplyField(kKeys[i], parts[i], result))
                return false;
    } else {
        std::stringstream in(text);
        int fields = 0;
        for (std::string token; in >> token; ++fields) {
            const size_t eq = token.find('=');
            if (eq == std::string::npos || eq == 0)
                return false;
            if (!ApplyField(Lower(token.substr(0, eq)), token.substr(eq + 1), result))
                return false;
        }
        if (fields == 0)
            return false;
    }
    dcb = result;
    return true;
}

} // namespace tavrel
