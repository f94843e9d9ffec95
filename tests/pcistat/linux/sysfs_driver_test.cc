#include "pcistat/pci_device.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrel {
namespace {

// A folder of dumps laid out as /sys/bus/pci/devices.
TEST(SysfsPciDriver, ReadsEachFunctionsConfigFile) {
    test::TempHome home;
    auto dump = [&](const std::string& name, size_t size, uint8_t vendorLow) {
        std::filesystem::create_directories(home.File(name));
        std::string bytes(size, '\0');
        bytes[0] = static_cast<char>(vendorLow);
        test::WriteWholeFile(home.File(name + "/config"), bytes);
    };
    dump("0000:00:00.0", 256, 0x86);
    dump("0000:00:1f.3", 4096, 0x22);
    dump("0000:02:00.1", 64, 0x33); // what an unprivileged reader gets
    auto driver = MakeSysfsPciDriver(home.Path());
    ASSERT_TRUE(driver->Open());
    PciDeviceTable table;
    ScanPciBus(*driver, table);
    ASSERT_EQ(table.Count, 2);
    EXPECT_EQ(table.Devices[1].Device(), 0x1f);
    EXPECT_EQ(table.Devices[1].Function(), 3);
    EXPECT_EQ(table.Devices[1].VendorId & 0xFF, 0x22);
    EXPECT_TRUE(driver->ShortAnswersSeen());
    EXPECT_FALSE(MakeSysfsPciDriver(home.File("absent"))->Open());
}

} // namespace
} // namespace tavrel
