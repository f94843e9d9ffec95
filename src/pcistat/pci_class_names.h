#pragma once
// The PCI 2.3 names of base classes, subclasses and programming interfaces.

#include <cstdint>
#include <string>

namespace tavrel {

std::string PciClassName(uint8_t baseClass);
std::string PciSubclassName(uint8_t baseClass, uint8_t subclass);
// Empty where the class defines no programming interfaces.
std::string PciProgIfName(uint8_t baseClass, uint8_t subclass, uint8_t progIf);

} // namespace tavrel
