#pragma once
// A window program started where no display can be opened: Qt would abort (exit 134) with "Reinstalling
// the application may fix this problem". While a NoDisplayExit lives, that fatal message is replaced by
// one a user can act on, and the program ends with exit status 1.

#include <QtGlobal>

namespace tavrel {

class NoDisplayExit {
public:
    NoDisplayExit();
    ~NoDisplayExit();
    NoDisplayExit(const NoDisplayExit&) = delete;
    NoDisplayExit& operator=(const NoDisplayExit&) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace tavrel
