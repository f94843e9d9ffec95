#include "config/reg_api.h"

#include "support/fake_message_boxes.h"
#include "support/registry_backends.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class RegApi : public ::testing::TestWithParam<std::string> {
protected:
    test::RegistryUnderTest backend{GetParam()};
    test::FakeMessageBoxes boxes;
    modRegAPI api{backend.Get(), boxes};
    const int32_t HKLM = kHkeyLocalMachine;
    std::string key = backend.Base() + "\\Config";
    std::string missing = backend.Base() + "\\Missing";

    void Put(const std::string& name, uint32_t type, std::vector<uint8_t> bytes) {
        RegHandle h = 0;
        ASSERT_EQ(backend.Get().CreateKey(HKLM, key, kKeyAllAccess, h), 0);
        ASSERT_EQ(backend.Get().SetValue(h, name, type, bytes.data(), static_cast<uint32_t>(bytes.size())),
                  0);
        backend.Get().CloseKey(h);
    }
    std::pair<uint32_t, uint32_t> TypeAndSize(const std::string& name) {
        RegHandle h = 0;
        uint32_t type = 0, size = 0;
        EXPECT_EQ(backend.Get().OpenKey(HKLM, key, kKeyQueryValue, h), 0);
        EXPECT_EQ(backend.Get().QueryValue(h, name, type, nullptr, size), 0);
        backend.Get().CloseKey(h);
        return {type, size};
    }
};

TEST_P(RegApi, StringValueKeepsItsTerminatorAndReadsBack) {
    api.SetNewValue(HKLM, key, "String", "Name", "abc", true);
    EXPECT_EQ(TypeAndSize("Name"), (std::pair<uint32_t, uint32_t>{kRegSz, 4}));
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "Name", RegReadMode::Store, true), "abc");
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "Name", RegReadMode::Absolute, true), "abc");
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, key, "Name", true), "abc");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_P(RegApi, NumbersRoundHalfToEvenAndTakeTheLeadingNumber) {
    const std::pair<const char*, const char*> kCases[] = {{"12.5", "12"}, {"13.5", "14"}, {"x", "0"},
                                                          {"-2.5", "-2"}, {"255", "255"}, {" 7kg", "7"}};
    for (const auto& [text, stored] : kCases) {
        api.SetNewValue(HKLM, key, "Number", "N", text, true);
        EXPECT_EQ(TypeAndSize("N"), (std::pair<uint32_t, uint32_t>{kRegDword, 4})) << text;
        EXPECT_EQ(api.ReadRegValue(HKLM, key, "N", RegReadMode::Store, true), stored) << text;
    }
}

TEST_P(RegApi, EmptyValueIsRefusedEvenAsANumber) {
    api.SetNewValue(HKLM, key, "Number", "Empty", "", true);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(), "Bad input to creat value\r\nSetNewValue\r\nValue:");
    EXPECT_EQ(boxes.Last().title, "Tavrel");
    EXPECT_EQ(boxes.Last().buttons, MsgButtons::Ok);
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, key, "Empty", false), kRegKeyNotFound)
        << "not even the key was made";
    api.SetNewValue(HKLM, key, "String", "Empty", "", false);
    EXPECT_EQ(boxes.Count(), 1u) << "silent without show-errors";
}

TEST_P(RegApi, UnknownTypeWordIsRefused) {
    api.SetNewValue(HKLM, key, "string", "X", "1", true);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(), "Bad input to create value\r\nSetNewValue\r\nType:string");
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, key, "X", false), kRegValueNameNotFound);
}

// Each mode as a table: what a missing key and a missing value give, and whether a diagnostic is shown.
struct Absence {
    RegReadMode mode;
    bool keyDiagnostic;
    bool valueDiagnostic;
};

TEST_P(RegApi, MissingKeyAndValueInEachMode) {
    api.SetNewValue(HKLM, key, "String", "Other", "1", true);
    // The store's mode is quiet about a missing key: before the first save nothing is configured, and
    // the first-run check reads on without a box.
    for (const Absence a :
         {Absence{RegReadMode::Check, false, false}, Absence{RegReadMode::Store, false, true},
          Absence{RegReadMode::Absolute, true, true}}) {
        boxes.Clear();
        EXPECT_EQ(api.ReadRegValue(HKLM, missing, "V", a.mode, false), std::nullopt);
        EXPECT_EQ(api.ReadRegValue(HKLM, key, "V", a.mode, false), std::nullopt);
        EXPECT_EQ(boxes.Count(), 0u) << "nothing shown without show-errors";
        EXPECT_EQ(api.ReadRegValue(HKLM, missing, "V", a.mode, true), std::nullopt);
        EXPECT_EQ(boxes.Count(), a.keyDiagnostic ? 1u : 0u) << static_cast<int>(a.mode);
        boxes.Clear();
        EXPECT_EQ(api.ReadRegValue(HKLM, key, "V", a.mode, true), std::nullopt);
        EXPECT_EQ(boxes.Count(), a.valueDiagnostic ? 1u : 0u) << static_cast<int>(a.mode);
    }
    EXPECT_EQ(boxes.Last().Text(),
              "Could not read Key\r\nReadRegValue (ABSOLUTE), Varied\r\nKey:V\r\nValName:V\r\n"
              "  lType:0\r\n  Value:\r\n   lcch:0\r\nRet/lrc:-1");
    boxes.Clear();
    api.ReadRegValue(HKLM, missing, "V", RegReadMode::Absolute, true);
    EXPECT_EQ(boxes.Last().Text(),
              "Could not open key\r\nReadRegValue,   RegOpenKeyEx\r\n   Root:-2147483646\r\n"
              " SubKey:" +
                  missing + "\r\nValName:V\r\nResult:2");
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, missing, "V", true), kRegKeyNotFound);
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, key, "V", true), kRegValueNameNotFound);
}

TEST_P(RegApi, DwordAndBinaryValues) {
    Put("D", kRegDword, {255, 0, 0, 0});
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "D", RegReadMode::Store, true), "255");
    Put("Neg", kRegDword, {0xFE, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "Neg", RegReadMode::Store, true), "-2");
    EXPECT_EQ(boxes.Count(), 0u);

    Put("B", kRegBinary, {0x0A, 0xFF});
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "B", RegReadMode::Store, false), "0AFF");
    ASSERT_EQ(boxes.Count(), 2u) << "the two notices come whatever show-errors says";
    const std::string notice =
        "Read Binary DataType, Not Tested (09/12/2002)\r\nReadRegValue,   RegOpenKeyEx\r\n"
        "   Root:-2147483646\r\n SubKey:" +
        key + "\r\nValName:B\r\n";
    EXPECT_EQ(boxes.Shown()[0].Text(), notice + "Begin");
    EXPECT_EQ(boxes.Shown()[1].Text(), notice + "End");
}

TEST_P(RegApi, ExpandableTextIsNotRead) {
    Put("E", kRegExpandSz, {'%', 'P', '%', 0});
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "E", RegReadMode::Check, false), std::nullopt);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "E", RegReadMode::Check, true), std::nullopt);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(),
              "Could not read Key\r\nReadRegValue (CHECK), Varied\r\n    Key:E\r\nValName:E\r\n"
              "  lType:2\r\n  Value:\r\n   lcch:4\r\nRet/lrc:-1");
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "E", RegReadMode::Store, true), std::nullopt);
    EXPECT_EQ(boxes.Last().lines[1], "ReadRegValue (ABSOLUTE), Varied");
}

TEST_P(RegApi, TextWithoutTerminatorSpaceIsCaught) {
    Put("Z", kRegSz, {});
    EXPECT_EQ(api.ReadRegValue(HKLM, key, "Z", RegReadMode::Store, true), std::nullopt);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(), "Invalid procedure call or argument");
}

TEST_P(RegApi, DeletingValuesAndKeys) {
    api.SetNewValue(HKLM, key, "String", "A", "1", true);
    api.DeleteRegValue(HKLM, key, "A", true);
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, key, "A", false), kRegValueNameNotFound);
    api.DeleteRegValue(HKLM, key, "A", true);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(), "Could not delete key value\r\nDeleteRegValue, RegDeleteValue\r\n"
                                   "  Root:-2147483646\r\nSubKey:" +
                                       key + "\r\nResult:2");
    api.DeleteRegValue(HKLM, missing, "A", true);
    EXPECT_EQ(boxes.Last().Text(),
              "Could not open key\r\nDeleteRegValue, RegOpenKeyEx\r\n  Root:-2147483646\r\n"
              "SubKey:" +
                  missing + "\r\nResult:2");

    api.DeleteRegKey(HKLM, key, true);
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, key, "A", false), kRegKeyNotFound);
    api.DeleteRegKey(HKLM, key, true);
    EXPECT_EQ(boxes.Last().Text(),
              "Could not open key\r\nDeleteRegKey,   RegOpenKeyEx\r\n  Root:-2147483646\r\n"
              "SubKey:" +
                  key + "\r\nResult:2");

    ASSERT_TRUE(api.VerifyCreateRegKey(HKLM, backend.Base() + "\\Sub\\Deeper", true));
    const size_t before = boxes.Count();
    api.DeleteRegKey(HKLM, backend.Base() + "\\Sub", true);
    ASSERT_EQ(boxes.Count(), before + 1) << "a key with sub-keys stays";
    EXPECT_EQ(boxes.Last().lines[0], "Could not delete key");
    EXPECT_EQ(boxes.Last().lines[1], "DeleteRegKey, RegDeleteKey");
    EXPECT_EQ(api.ReadRegValueCheck(HKLM, backend.Base() + "\\Sub\\Deeper", "x", false),
              kRegValueNameNotFound);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegApi, ::testing::ValuesIn(test::RegistryBackends()));

} // namespace
} // namespace tavrel
