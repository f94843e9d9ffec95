#include "platform/autostart.h"
#include "platform/file_io.h"

namespace tavrel {

namespace {

class XdgAutostart final : public Autostart {
public:
    explicit XdgAutostart(std::string folder) : folder_(std::move(folder)) {}

    bool Install(const std::string& command) override {
        if (!MakeFolders(folder_))
            return false;
        const std::string entry = "[Desktop Entry]\n"
                                  "Type=Application\n"
                                  "Name=Tavrel run-on-boot\n"
                                  "Comment=Starts the Tavrel programs registered to run at log-on\n"
                                  "Exec=" +
                                  command +
                                  "\n"
                                  "Terminal=false\n"
                                  "NoDisplay=true\n"
                                  "X-GNOME-Autostart-enabled=true\n";
        return WriteFileAtomically(File(), entry, FilePrivacy::UserDefault) == 0;
    }
    bool Remove() override { return RemoveFile(File()) || !FileExists(File()); }
    bool Installed() const override { return FileExists(File()); }

private:
    std::string File() const { return folder_ + "/tavrel-boot.desktop"; }
    std::string folder_;
};

} // namespace

std::string DesktopExecLine(const std::vector<std::string>& words) {
    constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string line;
    for (const std::string& word : words) {
        std::string quoted;
        const bool quote = word.empty() || word.find_first_of(kReserved) != std::string::npos;
        for (const char c : word) {
            if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
                quoted += '\\';
            quoted += c == '%' ? std::string("%%") : std::string(1, c);
        }
        line += (line.empty() ? "" : " ") + (quote ? '"' + quoted + '"' : quoted);
    }
    std::string escaped; // the value's own escapes: a backslash is written as two, a line break as \n
    for (const char c : line)
        escaped += c == '\\' ? std::string("\\\\") : c == '\n' ? std::string("\\n") : std::string(1, c);
    return escaped;
}

std::unique_ptr<Autostart> MakeXdgAutostart(const std::string& folder) {
    return std::make_unique<XdgAutostart>(folder);
}

} // namespace tavrel
