#pragma once
// Number conversions with the rules stored settings were written under: a leading numeric part for
// values, integer conversions that round halves to even and fail on text that is not a number.

#include <cstdint>
#include <optional>
#include <string>

namespace tavrel {

// The failure of a conversion, as a number and a description ("Type mismatch", "Overflow").
struct ConversionError {
    int number = 0;
    std::string description;
};

// The number that the text begins with: "12.5x" gives 12.5, "", "x" give 0. Blanks are skipped.
double LeadingNumber(const std::string& text);

// The whole text as a number rounded half to even into [min, max]; "Type mismatch" when it is no number,
// "Overflow" when it does not fit.
std::optional<int64_t> ToInteger(const std::string& text, int64_t min, int64_t max, ConversionError& error);

std::optional<int16_t> ToInt16(const std::string& text, ConversionError& error);
std::optional<int32_t> ToInt32(const std::string& text, ConversionError& error);

// Rounds half to even, as the settings' integer conversions do.
double RoundHalfEven(double value);

// Rounds half away from zero to a whole number, as std::llround does, without the maths library (the
// daemon links none); saturates at the ends of int64_t, and NaN gives 0.
int64_t RoundHalfAway(double value);

} // namespace tavrel
