#include "files/run_file_fields.h"

#include "common/vb_conversions.h"

namespace tavrel {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

bool RunFileFieldReader::ReadText(std::string& field) {
    field.clear();
    while (pos_ < text_.size() && IsBlank(text_[pos_]))
        ++pos_;
    if (pos_ >= text_.size())
        return false;
    if (text_[pos_] == '"') {
        ++pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c != '"') {
                field += c;
            } else if (pos_ < text_.size() && text_[pos_] == '"') {
                field += '"';
                ++pos_;
            } else {
                break;
            }
        }
        // Whatever follows the closing quote up to the delimiter is not part of the field.
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
            ++pos_;
    } else {
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
            field += text_[pos_++];
        while (!field.empty() && IsBlank(field.back()))
            field.pop_back();
    }
    if (pos_ < text_.size() && text_[pos_] == ',')
        ++pos_;
    else if (pos_ < text_.size() && text_[pos_] == '\r')
        pos_ += pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n' ? 2 : 1;
    else if (pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    return true;
}

bool RunFileFieldReader::ReadNumber(int16_t& value, std::string& error) {
    std::string field;
    if (!ReadText(field)) {
        error = kInputPastEndOfFile;
        return false;
    }
    if (field.empty()) {
        value = 0;
        return true;
    }
    ConversionError conversion;
    const auto n = ToInt16(field, conversion);
    if (!n) {
        error = conversion.description;
        return false;
    }
    value = *n;
    return true;
}

bool RunFileFieldReader::ReadFlag(int16_t& flag, std::string& error) {
    int16_t n = 0;
    if (!ReadNumber(n, error))
        return false;
    if (n == 0)
        flag = 0;
    else if (n == 1)
        flag = -1;
    return true;
}

std::string TextFieldLine(const std::string& text) {
    std::string line = text;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    const bool needsQuotes = !line.empty() && (line.find(',') != std::string::npos || line.front() == '"' ||
                                               IsBlank(line.front()) || IsBlank(line.back()));
    if (needsQuotes) {
        std::string quoted = "\"";
        for (char c : line) {
            quoted += c;
            if (c == '"')
                quoted += '"';
        }
        line = quoted + "\"";
    }
    return line + "\r\n";
}

std::string NumberFieldLine(int16_t value) {
    return (value < 0 ? "-" + std::to_string(-static_cast<int>(value)) : " " + std::to_string(value)) +
           " \r\n";
}

std::string FlagFieldLine(int16_t flag) {
    return NumberFieldLine(flag != 0 ? 1 : 0);
}

} // namespace tavrel
