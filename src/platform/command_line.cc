#include "platform/command_line.h"

namespace tavrel {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string ProgramPart(std::string_view line, size_t& i) {
    std::string program;
    if (line[i] == '"') {
        const size_t close = line.find('"', i + 1);
        const size_t end = close == std::string_view::npos ? line.size() : close;
        program = std::string(line.substr(i + 1, end - i - 1));
        i = close == std::string_view::npos ? line.size() : close + 1;
        return program;
    }
    while (i < line.size() && !IsBlank(line[i]))
        program += line[i++];
    return program;
}

std::string ArgumentPart(std::string_view line, size_t& i) {
    std::string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlank(line[i]))) {
        const char c = line[i];
        if (c == '\\') {
            size_t count = 0;
            while (i < line.size() && line[i] == '\\') {
                ++count;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                arg.append(count / 2, '\\');
                if (count % 2 == 1) {
                    arg += '"';
                    ++i;
                }
            } else {
                arg.append(count, '\\');
            }
        } else if (c == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                arg += '"';
                i += 2;
            } else {
                quoted = !quoted;
                ++i;
            }
        } else {
            arg += c;
            ++i;
        }
    }
    return arg;
}

} // namespace

std::vector<std::string> SplitWindowsCommandLine(std::string_view line) {
    std::vector<std::string> args;
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    if (i == line.size())
        return args;
    args.push_back(ProgramPart(line, i));
    for (;;) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        if (i == line.size())
            return args;
        args.push_back(ArgumentPart(line, i));
    }
}

} // namespace tavrel
