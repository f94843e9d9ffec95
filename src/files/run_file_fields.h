#pragma once
// The field rules of run files: how a text, number or flag field is written as a line and read back.

#include <cstdint>
#include <optional>
#include <string>

namespace tavrel {

// Reads one field after another from the text of a run file.
class RunFileFieldReader {
public:
    explicit RunFileFieldReader(std::string text) : text_(std::move(text)) {}

    // Leading blanks and tabs are skipped; the field runs to the first comma or line end and loses its
    // trailing blanks; a field that opens with a double quote runs to the next one (two double quotes
    // in a row stand for one). False past the end of the file.
    bool ReadText(std::string& field);
    // A text field read as a 16-bit number; false when it is missing or no number.
    bool ReadNumber(int16_t& value, std::string& error);
    // 0 clears the flag (0), 1 sets it (-1), any other number leaves it.
    bool ReadFlag(int16_t& flag, std::string& error);
    // Where the next field starts: after the last one read and its line end.
    size_t Position() const { return pos_; }

private:
    std::string text_;
    size_t pos_ = 0;
};

// A text as a line, quoted only where the plain form would not read back as written: a comma, a leading
// double quote, or a blank at either end. Line breaks inside a text become blanks.
std::string TextFieldLine(const std::string& text);
// " 0 ", " 37 ", "-2 ".
std::string NumberFieldLine(int16_t value);
// " 1 " for true (any non-zero flag), " 0 " for false.
std::string FlagFieldLine(int16_t flag);

inline constexpr const char* kInputPastEndOfFile = "Input past end of file";

} // namespace tavrel
