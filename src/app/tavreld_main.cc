// tavreld: the relay scheduler without a window.

#include "shell/version.h"

#include <cstring>
#include <iostream>

namespace {

void PrintHelp(std::ostream& out) {
    out << "Usage: tavreld [OPTION]\n"
           "Switches the relays of a PC interface board by a daily and weekly schedule, with no window.\n"
           "\n"
           "  --help       show this help and exit\n"
           "  --version    show the version and exit\n"
           "\n"
           "Environment:\n"
           "  TAVREL_HOME  folder that holds the settings, the drives and the simulated ports\n"
           "               (default: $XDG_DATA_HOME/tavrel or ~/.local/share/tavrel)\n"
           "  TAVREL_PORTS sim = use the simulated port space TAVREL_HOME/ports.bin\n";
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintHelp(std::cout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "tavreld " << tavrel::kProgramVersion << "\n";
            return 0;
        }
        std::cerr << "tavreld: unknown argument '" << argv[i] << "'\n";
        PrintHelp(std::cerr);
        return 2;
    }
    std::cerr << "tavreld: running a schedule is not available in this build yet; see --help\n";
    return 1;
}
