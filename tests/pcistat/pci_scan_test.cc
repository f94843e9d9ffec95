#include "pcistat/pci_class_names.h"
#include "pcistat/pci_device.h"
#include "pcistat/pci_names.h"
#include "pcistat/pci_tool.h"
#include "pcistat/pci_view.h"

#include "support/fake_pci_driver.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

using test::FakePciDriver;

TEST(PciScan, ThirtyThreeFunctionsGiveThirtyTwoInScanOrder) {
    FakePciDriver driver;
    for (uint32_t i = 0; i < 33; ++i) {
        const uint32_t bus = i < 20 ? 0 : 3;
        const uint32_t devFn = i < 20 ? i * 8 : (i - 20) * 8 + 1;
        driver.functions[{bus, devFn}] = FakePciDriver::Header(0x1000 + static_cast<uint16_t>(i), 1, 2, 0);
    }
    PciDeviceTable table;
    ScanPciBus(driver, table);
    ASSERT_EQ(table.Count, 32);
    EXPECT_EQ(table.Devices[0].VendorId, 0x1000);
    EXPECT_EQ(table.Devices[31].VendorId, 0x1000 + 31);
    EXPECT_EQ(table.Devices[31].Bus, 3);
    EXPECT_EQ(table.Devices[31].DevFn, 11 * 8 + 1);
    EXPECT_EQ(driver.asked.size(), 16u * 256u) << "every address of buses 0..15 is asked, even when full";
    for (const auto& [bus, devFn] : driver.asked)
        ASSERT_LT(bus, 16u);
    EXPECT_EQ(driver.asked.front(), (std::pair<uint32_t, uint32_t>{0, 0}));
    EXPECT_EQ(driver.asked.back(), (std::pair<uint32_t, uint32_t>{15, 255}));
}

TEST(PciScan, ShortAnswersGiveNoEntry) {
    FakePciDriver driver;
    driver.functions[{0, 8}] = std::vector<uint8_t>(200, 0x11);
    driver.functions[{0, 16}] = FakePciDriver::Header(0x8086, 0x1234, 6, 0);
    PciDeviceTable table;
    ScanPciBus(driver, table);
    ASSERT_EQ(table.Count, 1);
    EXPECT_EQ(table.Devices[0].DevFn, 16);
    EXPECT_EQ(table.Devices[0].Device(), 2);
    EXPECT_EQ(table.Devices[0].VendorName, "Unknown");
    uint8_t buffer[256];
    EXPECT_FALSE(ReadConfigSpace(driver, 0, 8, buffer));
    EXPECT_FALSE(ReadConfigSpace(driver, 0, 16, nullptr));
}

TEST(PciClassNames, TablesOfPci23) {
    EXPECT_EQ(PciClassName(0x00), "Pre-2.0 PCI Device");
    EXPECT_EQ(PciClassName(0x01), "Mass Storage Controller");
    EXPECT_EQ(PciClassName(0x11), "Data Acq/Signal Processing");
    EXPECT_EQ(PciClassName(0x12), "Reserved");
    EXPECT_EQ(PciSubclassName(0x07, 0x01), "Parallel Port");
    EXPECT_EQ(PciSubclassName(0x06, 0x04), "PCI-to-PCI Bridge");
    EXPECT_EQ(PciProgIfName(0x0C, 0x03, 0x20), "EHCI");
    EXPECT_EQ(PciProgIfName(0x07, 0x00, 0x02), "16550-Compatible");
    EXPECT_EQ(PciProgIfName(0x01, 0x01, 0x8A), "Bus Master, Primary Compatibility, Secondary Compatibility");
}

TEST(PciView, BaseAddressesAreDecoded) {
    FakePciDriver driver;
    auto c = FakePciDriver::Header(0x1234, 0x5678, 0x11, 0x00);
    FakePciDriver::PutDword(c, 0x10, 0x0000E001); // I/O at E000
    FakePciDriver::PutDword(c, 0x14, 0xFE00000C); // 64-bit prefetchable memory, low half
    FakePciDriver::PutDword(c, 0x18, 0x00000001); // high half: 1_FE000000
    FakePciDriver::PutDword(c, 0x1C, 0xFEBF0000); // 32-bit memory
    c[0x3C] = 11;
    c[0x3D] = 1;
    c[0x04] = 0x07;
    c[0x06] = 0x10;
    driver.functions[{0, 0}] = c;
    PciDeviceTable table;
    ScanPciBus(driver, table);
    const auto bars = DecodeBars(table.Devices[0]);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_TRUE(bars[0].io);
    EXPECT_EQ(bars[0].address, 0xE000u);
    EXPECT_EQ(DescribeBar(bars[0]), "Base Address 0: I/O at E000 hex (enter E000 as the board's address)");
    EXPECT_TRUE(bars[1].is64);
    EXPECT_TRUE(bars[1].prefetchable);
    EXPECT_EQ(bars[1].address, 0x1FE000000ull);
    EXPECT_EQ(DescribeBar(bars[1]), "Base Address 1: 64-bit prefetchable memory at 00000001FE000000 hex");
    EXPECT_EQ(bars[2].index, 3);
    EXPECT_EQ(DescribeBar(bars[2]), "Base Address 3: 32-bit memory at FEBF0000 hex");
    EXPECT_EQ(CommandBitNames(0x07), (std::vector<std::string>{"I/O Space", "Memory Space", "Bus Master"}));
    const std::string view = DeviceView(table.Devices[0], 1, 1);
    EXPECT_NE(view.find("Class: 11 Data Acq/Signal Processing"), std::string::npos);
    EXPECT_NE(view.find("Status: 0010 (Capabilities List, DEVSEL Fast)"), std::string::npos);
    EXPECT_NE(view.find("Interrupt Line: 11  Interrupt Pin: INTA#"), std::string::npos);
}

TEST(PciNames, PciIdsLayoutAndFallbacks) {
    test::TempHome home;
    test::WriteWholeFile(home.File("pcidevs.txt"), "# comment\n"
                                                   "1234  Acme Relay Cards\n"
                                                   "\t5678  PCI-8R Relay Board\n"
                                                   "\t\t1234 0001  Eight-relay version\n"
                                                   "8086  Intel Corporation\n"
                                                   "C 00  Unclassified device\n");
    FakePciDriver driver;
    auto c = FakePciDriver::Header(0x1234, 0x5678, 0x11, 0x80);
    c[0x2C] = 0x34;
    c[0x2D] = 0x12;
    c[0x2E] = 0x01;
    driver.functions[{0, 0}] = c;
    driver.functions[{0, 8}] = FakePciDriver::Header(0xABCD, 1, 2, 0);
    PciTool tool(driver, {home.File("missing.txt"), home.File("pcidevs.txt")});
    std::string message;
    ASSERT_TRUE(tool.Start(message));
    const PciDevice& d = tool.Table().Devices[0];
    EXPECT_EQ(d.VendorName, "Acme Relay Cards");
    EXPECT_EQ(d.DeviceName, "PCI-8R Relay Board");
    EXPECT_EQ(d.SubsystemVendorName, "Acme Relay Cards");
    EXPECT_EQ(d.SubsystemName, "Eight-relay version");
    EXPECT_EQ(tool.Table().Devices[1].VendorName, "Unknown");
}

TEST(PciToolModel, StartFailuresSelectorAndReports) {
    FakePciDriver closed;
    closed.opens = false;
    PciTool failing(closed, {});
    std::string message;
    EXPECT_FALSE(failing.Start(message));
    EXPECT_EQ(message, "No Device Detected...\nMay be claimed by another application");

    FakePciDriver driver;
    for (uint32_t i = 0; i < 3; ++i)
        driver.functions[{0, i * 8}] = FakePciDriver::Header(0x1000, static_cast<uint16_t>(i), 2, 0);
    PciTool tool(driver, {});
    ASSERT_TRUE(tool.Start(message));
    EXPECT_EQ(tool.CounterText(), "Device 1 of 3");
    tool.Previous();
    EXPECT_EQ(tool.CurrentDevice(), 3);
    tool.Next();
    tool.Next();
    EXPECT_EQ(tool.CounterText(), "Device 2 of 3");
    EXPECT_NE(tool.CurrentView().find("Device ID: 0001"), std::string::npos);
    EXPECT_EQ(tool.CurrentDump(false).substr(0, 31), "Hex Dump (Standard PCI Header)\n");

    test::TempHome home;
    const LocalTime when{{2026, 12, 7}, 2, 9 * 3600 + 5 * 60 + 3};
    const std::string one = tool.WriteReport(home.Path(), false, when);
    EXPECT_EQ(one, home.File("pci-2.txt"));
    const std::string all = tool.WriteReport(home.Path(), true, when);
    EXPECT_EQ(test::ReadWholeFile(all).substr(0, 44), "Local Report Generated 09:05:03 on 12/7/2026");
}

TEST(PciToolModel, AnEmptyListSaysWhy) {
    FakePciDriver driver;
    driver.shortAnswers = true;
    PciTool tool(driver, {});
    std::string message;
    ASSERT_TRUE(tool.Start(message));
    EXPECT_EQ(tool.CounterText(), "No Devices");
    EXPECT_NE(tool.CurrentView().find("Run morvpci as root"), std::string::npos);
}

TEST(PciReportText, GoldenReportOfAFixedTable) {
    FakePciDriver driver;
    auto host = FakePciDriver::Header(0x8086, 0x7190, 0x06, 0x00);
    host[0x08] = 3;
    host[0x04] = 0x06;
    host[0x06] = 0x20;
    driver.functions[{0, 0}] = host;
    auto card = FakePciDriver::Header(0x10B5, 0x9050, 0x11, 0x80);
    FakePciDriver::PutDword(card, 0x14, 0xD001);
    FakePciDriver::PutDword(card, 0x18, 0xD401);
    card[0x3C] = 10;
    card[0x3D] = 1;
    for (size_t i = 0x40; i < 0x48; ++i)
        card[i] = static_cast<uint8_t>(i);
    driver.functions[{1, 0x21}] = card;
    PciDeviceTable table;
    ScanPciBus(driver, table);
    const std::string report = PciReport(table, LocalTime{{2026, 12, 7}, 2, 14 * 3600 + 3 * 60 + 9});
    EXPECT_EQ(report, test::ReadWholeFile(std::string(TAVREL_TEST_DATA) + "/pci/report.txt"));
}

} // namespace
} // namespace tavrel
