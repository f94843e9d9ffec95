#include "shell/boot_command.h"

#include "platform/autostart.h"
#include "platform/environment.h"
#include "platform/file_io.h"

#include <vector>

namespace tavrel {

std::string BootCommand(const std::string& programFolder, const std::optional<std::string>& home,
                        const std::optional<std::string>& ports) {
    std::vector<std::string> words;
    if (home || ports) {
        words.emplace_back("env");
        if (home)
            words.push_back("TAVREL_HOME=" + *home);
        if (ports)
            words.push_back("TAVREL_PORTS=" + *ports);
    }
    words.push_back(programFolder + "/tavreld");
    words.emplace_back("--boot");
    return DesktopExecLine(words);
}

std::string BootCommandOfThisProgram(const std::string& programFolder) {
    std::optional<std::string> home = EnvironmentValue("TAVREL_HOME");
    if (home)
        home = AbsolutePath(*home); // the entry does not start in this working folder
    return BootCommand(programFolder, home, EnvironmentValue("TAVREL_PORTS"));
}

} // namespace tavrel
