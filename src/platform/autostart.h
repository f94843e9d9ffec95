#pragma once
// Starting a command when the user logs on.

#include <memory>
#include <string>
#include <vector>

namespace tavrel {

class Autostart {
public:
    virtual ~Autostart() = default;
    virtual bool Install(const std::string& command) = 0;
    virtual bool Remove() = 0;
    virtual bool Installed() const = 0;
};

// Linux: an XDG autostart entry in $XDG_CONFIG_HOME/autostart (else ~/.config/autostart). Windows: nothing,
// since the registry's Run keys are the system's own start-up list.
std::unique_ptr<Autostart> MakeSystemAutostart();

// `words` as the Exec= value of a desktop entry: a word with a space or another character a shell would
// read is double-quoted, with `"`, `$`, `\`` and `\\` escaped inside the quotes, `%` doubled and every
// backslash of the result doubled again, as the freedesktop desktop-entry format wants.
std::string DesktopExecLine(const std::vector<std::string>& words);

// An XDG autostart entry in `folder`.
std::unique_ptr<Autostart> MakeXdgAutostart(const std::string& folder);

} // namespace tavrel
