// Where Qt is not available the tool has its report only.

#include <iostream>

namespace tavrel {

int RunPciDialog(int, char**) {
    std::cerr << "morvpci: the dialog is not built on this system; use morvpci --report\n";
    return 2;
}

} // namespace tavrel
