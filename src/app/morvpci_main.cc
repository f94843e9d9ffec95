// morvpci: lists the machine's PCI functions so that a user can find a card's I/O address.

#include "pcistat/pci_tool.h"
#include "pcistat/pci_view.h"
#include "platform/clock.h"
#include "platform/file_io.h"
#include "platform/pci_driver.h"
#include "shell/version.h"

#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

namespace tavrel {
int RunPciDialog(int argc, char** argv);
}

namespace {

using namespace tavrel;

int Report(const char* argv0, const char* file) {
    auto driver = MakeSystemPciDriver();
    const std::string folder = std::filesystem::absolute(argv0).parent_path().string();
    PciTool tool(*driver, PciNameListPaths(folder));
    std::string message;
    if (!tool.Start(message)) {
        std::cerr << kPciBanner << ": " << message << "\n";
        return 1;
    }
    SystemClock clock;
    const std::string report = PciReport(tool.Table(), clock.Now());
    if (!tool.EmptyExplanation().empty())
        std::cerr << "morvpci: " << tool.EmptyExplanation() << "\n";
    tool.Stop();
    if (file == nullptr) {
        std::cout << report;
        return 0;
    }
    if (const int error = WriteFileAtomically(file, report, FilePrivacy::UserDefault); error != 0) {
        std::cerr << "morvpci: cannot write " << file << ": " << SystemErrorText(error) << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout
            << "Usage: morvpci               the PCI statistics dialog\n"
               "       morvpci --report [FILE] the report of all PCI functions, to FILE or standard output\n"
               "Vendor and device names come from pcidevs.txt beside the program (pci.ids layout), else\n"
               "from the system's pci.ids. Reading a function's whole configuration space needs root.\n";
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "morvpci " << tavrel::kProgramVersion << "\n";
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--report") == 0) {
        if (argc > 3) {
            std::cerr << "morvpci: --report takes at most one file\n";
            return 2;
        }
        return Report(argv[0], argc == 3 ? argv[2] : nullptr);
    }
    if (argc > 1) {
        std::cerr << "morvpci: unknown argument '" << argv[1] << "'; see --help\n";
        return 2;
    }
    return tavrel::RunPciDialog(argc, argv);
}
