// Texts and names holding line breaks, carriage returns and NULs, and hive files that do not read cleanly.
#include "platform/hive/hive_data.h"
#include "platform/registry.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tavrel {
namespace {

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kKey = "HKEY_LOCAL_MACHINE\\S";

std::string Bytes(const std::vector<uint8_t>& data) {
    return std::string(data.begin(), data.end());
}

// Every line break of the file is CR LF, and no NUL or lone CR sits anywhere.
void ExpectOnlyWholeLines(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        ASSERT_NE(text[i], '\0') << "at " << i;
        if (text[i] == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "lone CR at " << i;
        }
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        }
    }
}

// Writes `hive`, reads it back and expects the same keys and values.
void ExpectRoundTrip(const HiveData& hive) {
    const std::string text = FormatHive(hive);
    ExpectOnlyWholeLines(text);
    std::string error;
    auto back = ParseHive(text, error);
    ASSERT_TRUE(back) << error << "\n" << text;
    ASSERT_EQ(back->Keys().size(), hive.Keys().size()) << text;
    for (size_t k = 0; k < hive.Keys().size(); ++k) {
        const HiveKey& a = hive.Keys()[k];
        const HiveKey& b = back->Keys()[k];
        EXPECT_EQ(a.path, b.path);
        ASSERT_EQ(a.values.size(), b.values.size()) << text;
        for (size_t v = 0; v < a.values.size(); ++v) {
            EXPECT_EQ(a.values[v].name, b.values[v].name) << text;
            EXPECT_EQ(a.values[v].type, b.values[v].type) << text;
            EXPECT_EQ(a.values[v].data, b.values[v].data) << text;
        }
    }
}

std::vector<uint8_t> Data(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(HiveControlCharacters, TextsAreStoredAsUtf16HexAndReadBack) {
    const std::pair<std::string, std::string> kCases[] = {
        {std::string("a\nb.run\0", 8), "hex(1):61,00,0a,00,62,00,2e,00,72,00,75,00,6e,00,00,00"},
        {std::string("a\rb\0", 4), "hex(1):61,00,0d,00,62,00,00,00"},
        {std::string("a\0b\0", 4), "hex(1):61,00,00,00,62,00,00,00"},
        {std::string("tab\t\0", 5), "hex(1):74,00,61,00,62,00,09,00,00,00"},
        {std::string("\x80\xE9", 2), "hex(1):ac,20,e9,00"}, // no terminator: Euro sign and e acute
        {"", "hex(1):"},
        {std::string("plain \xE9\0", 8), "\"plain \xC3\xA9\""},
    };
    for (const auto& [data, written] : kCases) {
        HiveData hive;
        hive.EnsureKey(kKey).SetValue("V", kRegSz, Data(data));
        const std::string text = FormatHive(hive);
        EXPECT_NE(text.find("\"V\"=" + written + "\r\n"), std::string::npos) << text;
        ExpectRoundTrip(hive);
    }
}

TEST(HiveControlCharacters, NamesAreEscapedAndReadBack) {
    HiveData hive;
    HiveKey& key = hive.EnsureKey(kKey);
    key.SetValue("a\nb", kRegDword, {1, 0, 0, 0});
    key.SetValue("c\rd", kRegDword, {2, 0, 0, 0});
    key.SetValue(std::string("e\0f", 3), kRegDword, {3, 0, 0, 0});
    const std::string text = FormatHive(hive);
    EXPECT_NE(text.find("\"a\\nb\"=dword:00000001\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"c\\rd\"=dword:00000002\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\"e\\0f\"=dword:00000003\r\n"), std::string::npos) << text;
    ExpectRoundTrip(hive);
}

TEST(HiveControlCharacters, EscapedLineBreakInANameAndAValueRoundTrips) {
    // What a fuzzer found: the reader took the escape, the writer wrote a raw line break.
    for (const std::string line : {"\"\\n\"=\"\"", "\"v\"=\"x\\ny\"", "\"\\r\"=\"\\0\""}) {
        std::string error;
        auto hive = ParseHive(kHeader + "[g]\r\n" + line + "\r\n", error);
        ASSERT_TRUE(hive) << error;
        ExpectRoundTrip(*hive);
    }
}

TEST(HiveControlCharacters, WindowsTextHexIsReadAsText) {
    std::string error;
    auto hive = ParseHive(kHeader + "[" + kKey +
                              "]\r\n\"A\"=hex(1):41,00,0a,00,00,00\r\n"
                              "\"E\"=hex(2):25,00,50,00,25,00,00,00\r\n"
                              "\"M\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n",
                          error);
    ASSERT_TRUE(hive) << error;
    HiveKey* key = hive->FindKey(kKey);
    EXPECT_EQ(Bytes(key->FindValue("A")->data), std::string("A\n\0", 3));
    EXPECT_EQ(Bytes(key->FindValue("E")->data), std::string("%P%\0", 4));
    EXPECT_EQ(key->FindValue("M")->type, 7u);
    EXPECT_EQ(Bytes(key->FindValue("M")->data), std::string("a\0b\0\0", 5));
    ExpectRoundTrip(*hive);
}

TEST(HiveControlCharacters, KeyPathsThatCannotBeWrittenAreRefused) {
    test::TempHome home;
    auto registry = MakeHiveRegistry(home.File("registry"), nullptr);
    const std::string kUnwritable[] = {"SOFTWARE\\a\nb", "SOFTWARE\\a\rb", std::string("SOFTWARE\\a\0b", 12)};
    for (const std::string& sub : kUnwritable) {
        RegHandle h = 0;
        EXPECT_EQ(registry->CreateKey(kHkeyLocalMachine, sub, kKeyAllAccess, h), kRegInvalidParameter);
        EXPECT_EQ(registry->OpenKey(kHkeyLocalMachine, sub, kKeyQueryValue, h), kRegFileNotFound);
    }
    RegHandle h = 0;
    ASSERT_EQ(registry->CreateKey(kHkeyLocalMachine, "SOFTWARE\\T", kKeyAllAccess, h), kRegSuccess);
    const uint8_t text[] = {'x', '\n', 0};
    ASSERT_EQ(registry->SetValue(h, "a\r\nb", kRegSz, text, 3), kRegSuccess);
    auto again = MakeHiveRegistry(home.File("registry"),
                                  [](const std::vector<std::string>& lines) { ADD_FAILURE() << lines[1]; });
    RegHandle h2 = 0;
    ASSERT_EQ(again->OpenKey(kHkeyLocalMachine, "SOFTWARE\\T", kKeyQueryValue, h2), kRegSuccess);
    uint8_t back[8] = {};
    uint32_t type = 0;
    uint32_t size = sizeof back;
    ASSERT_EQ(again->QueryValue(h2, "a\r\nb", type, back, size), kRegSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(back), size), std::string("x\n\0", 3));
}

TEST(HiveUncleanFiles, BadEncodingsAndKeyLinesAreDamage) {
    std::string utf16 = "\xFF\xFE";
    for (char c : kHeader + "[" + kKey + "]\r\n\"A\"=\"b\"\r\n") {
        utf16 += c;
        utf16 += '\0';
    }
    const std::pair<std::string, const char*> kBad[] = {
        {utf16.substr(0, utf16.size() - 1), "line 4"}, // cut on an odd byte
        {utf16.substr(0, utf16.size() - 4) + std::string("\x00\xD8\r\0\n\0", 6),
         "line 4"},                                                       // a lone surrogate
        {kHeader + "[" + kKey + "]\r\n\"A\"=\"caf\xE9\"\r\n", "line 4"},  // Latin-1, not UTF-8
        {kHeader + "[" + kKey + "]\r\n\"A\"=\"\xC0\xAF\"\r\n", "line 4"}, // an overlong form
        {kHeader + "[a\rb]\r\n", "line 3"},
        {kHeader + "[a" + std::string(1, '\0') + "b]\r\n", "line 3"},
        {kHeader + "[" + kKey + "]\r\n\"A\"=hex(1):41,00,42\r\n", "line 4"}, // half a UTF-16 unit
    };
    for (const auto& [text, where] : kBad) {
        std::string error;
        EXPECT_FALSE(ParseHive(text, error)) << text;
        EXPECT_EQ(error.rfind(where, 0), 0u) << error;
    }
}

TEST(HiveUncleanFiles, Utf16HiveCutOnAnOddByteIsKeptAsideBeforeAnyWrite) {
    test::TempHome home;
    std::filesystem::create_directories(home.File("registry"));
    std::string utf16 = "\xFF\xFE";
    for (char c : kHeader + "[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\r\n") {
        utf16 += c;
        utf16 += '\0';
    }
    utf16 += '"'; // the file ends half-way through the next character
    test::WriteWholeFile(home.File("registry/HKEY_LOCAL_MACHINE.reg"), utf16);
    std::vector<std::vector<std::string>> reports;
    auto registry = MakeHiveRegistry(
        home.File("registry"), [&](const std::vector<std::string>& lines) { reports.push_back(lines); });
    RegHandle h = 0;
    ASSERT_EQ(registry->CreateKey(kHkeyLocalMachine, "SOFTWARE\\T", kKeyAllAccess, h), kRegSuccess);
    const uint8_t one[] = {1, 0, 0, 0};
    ASSERT_EQ(registry->SetValue(h, "Defaults", kRegDword, one, 4), kRegSuccess);
    ASSERT_EQ(reports.size(), 1u);
    std::string aside;
    for (const auto& entry : std::filesystem::directory_iterator(home.File("registry")))
        if (entry.path().filename().string().rfind("HKEY_LOCAL_MACHINE.reg.damaged-", 0) == 0)
            aside = entry.path().string();
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(test::ReadWholeFile(aside), utf16);
}

TEST(HiveUncleanFiles, AHiveThatCannotBeOpenedIsKeptAsideToo) {
    test::TempHome home;
    std::filesystem::create_directories(home.File("registry/HKEY_LOCAL_MACHINE.reg"));
    test::WriteWholeFile(home.File("registry/HKEY_LOCAL_MACHINE.reg/inside"), "kept");
    std::vector<std::vector<std::string>> reports;
    auto registry = MakeHiveRegistry(
        home.File("registry"), [&](const std::vector<std::string>& lines) { reports.push_back(lines); });
    RegHandle h = 0;
    ASSERT_EQ(registry->CreateKey(kHkeyLocalMachine, "SOFTWARE\\T", kKeyAllAccess, h), kRegSuccess);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_regular_file(home.File("registry/HKEY_LOCAL_MACHINE.reg")));
    bool kept = false;
    for (const auto& entry : std::filesystem::directory_iterator(home.File("registry")))
        kept = kept || std::filesystem::exists(entry.path() / "inside");
    EXPECT_TRUE(kept);
}

} // namespace
} // namespace tavrel
