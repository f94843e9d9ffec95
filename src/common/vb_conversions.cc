#include "common/vb_conversions.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tavrel {

namespace {

constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Collects sign, digits, one point and an exponent from the start of `text`, skipping blanks.
std::string NumericPrefix(const std::string& text, size_t& end) {
    std::string out;
    size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        out += text[i++];
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            out += c;
            digits = true;
        } else if (c == '.' && !point) {
            out += c;
            point = true;
        } else if (!IsBlank(c)) {
            break;
        }
    }
    if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        size_t k = j;
        while (k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])))
            exponent += text[k++];
        if (k > j) {
            out += exponent;
            i = k;
        }
    }
    end = i;
    return digits ? out : std::string();
}

} // namespace

double RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1;
    if (diff < 0.5)
        return floor;
    // Doubles from 2^53 on are all even.
    return std::fabs(floor) >= 0x1p53 || static_cast<int64_t>(floor) % 2 == 0 ? floor : floor + 1;
}

int64_t RoundHalfAway(double value) {
    if (value != value)
        return 0;
    if (value >= 0x1p63)
        return INT64_MAX;
    if (value <= -0x1p63)
        return INT64_MIN;
    int64_t whole = static_cast<int64_t>(value);                // toward zero
    const double fraction = value - static_cast<double>(whole); // exact
    if (fraction >= 0.5)
        ++whole;
    else if (fraction <= -0.5)
        --whole;
    return whole;
}

double LeadingNumber(const std::string& text) {
    size_t end = 0;
    const std::string prefix = NumericPrefix(text, end);
    return prefix.empty() ? 0.0 : std::strtod(prefix.c_str(), nullptr);
}

std::optional<int64_t> ToInteger(const std::string& text, int64_t min, int64_t max, ConversionError& error) {
    size_t end = 0;
    const std::string prefix = NumericPrefix(text, end);
    while (end < text.size() && IsBlank(text[end]))
        ++end;
    if (prefix.empty() || end != text.size()) {
        error = {kTypeMismatch, "Type mismatch"};
        return std::nullopt;
    }
    const double rounded = RoundHalfEven(std::strtod(prefix.c_str(), nullptr));
    if (!std::isfinite(rounded) || rounded < static_cast<double>(min) || rounded > static_cast<double>(max)) {
        error = {kOverflow, "Overflow"};
        return std::nullopt;
    }
    return static_cast<int64_t>(rounded);
}

std::optional<int16_t> ToInt16(const std::string& text, ConversionError& error) {
    auto v = ToInteger(text, INT16_MIN, INT16_MAX, error);
    return v ? std::optional<int16_t>(static_cast<int16_t>(*v)) : std::nullopt;
}

std::optional<int32_t> ToInt32(const std::string& text, ConversionError& error) {
    auto v = ToInteger(text, INT32_MIN, INT32_MAX, error);
    return v ? std::optional<int32_t>(static_cast<int32_t>(*v)) : std::nullopt;
}

} // namespace tavrel
