#include "platform/hive/hive_data.h"
#include "platform/registry.h"

#include "config/reg_api.h"
#include "support/fake_message_boxes.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tavrel {
namespace {

const std::string kGolden = std::string(TAVREL_TEST_DATA) + "/registry/golden.reg";
const std::string kConfig = "SOFTWARE\\Tavrel\\Config";

std::string Golden() {
    return test::ReadWholeFile(kGolden);
}

TEST(HiveText, GoldenFileReadsAndWritesBackByteForByte) {
    std::string error;
    auto hive = ParseHive(Golden(), error);
    ASSERT_TRUE(hive) << error;
    HiveKey* config = hive->FindKey("hkey_local_machine\\software\\tavrel\\CONFIG");
    ASSERT_NE(config, nullptr);
    auto text = [&](const char* name) {
        const HiveValue* v = config->FindValue(name);
        return v == nullptr ? std::string("<none>") : std::string(v->data.begin(), v->data.end());
    };
    EXPECT_EQ(text("LogFilePath"), std::string("c:\\Logs\\\0", 9));
    EXPECT_EQ(text("KillMiscButtonName"), std::string("Say \"Stop\"\0", 11));
    EXPECT_EQ(text("Brd1RNam1"), std::string("Pompe \xE0 eau \x80\0", 14))
        << "kept in the program's code page";
    EXPECT_EQ(config->FindValue("Count")->data, (std::vector<uint8_t>{12, 0, 0, 0}));
    EXPECT_EQ(config->FindValue("Blob")->type, 3u);
    EXPECT_EQ(config->FindValue("Expand")->type, 2u);
    EXPECT_EQ(text(""), std::string("default\0", 8));
    EXPECT_EQ(FormatHive(*hive), Golden());
}

TEST(HiveText, ReadsLfLineEndsAndUtf16WithItsMark) {
    std::string lf = Golden();
    for (size_t p; (p = lf.find("\r\n")) != std::string::npos;)
        lf.erase(p, 1);
    std::string error;
    auto fromLf = ParseHive(lf, error);
    ASSERT_TRUE(fromLf) << error;
    EXPECT_EQ(FormatHive(*fromLf), Golden());

    // What a Windows export writes: UTF-16LE with a byte-order mark.
    const std::string ascii =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\r\n"
        "\"A\"=\"b\"\r\n\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : ascii) {
        utf16 += c;
        utf16 += '\0';
    }
    auto fromUtf16 = ParseHive(utf16, error);
    ASSERT_TRUE(fromUtf16) << error;
    EXPECT_EQ(FormatHive(*fromUtf16), ascii);
}

TEST(HiveText, WrappedHexAndCommentsAreRead) {
    const std::string text = "Windows Registry Editor Version 5.00\n\n; a comment\n[HKEY_LOCAL_MACHINE\\S]\n"
                             "\"B\"=hex:01,02,\\\n  03,04\n";
    std::string error;
    auto hive = ParseHive(text, error);
    ASSERT_TRUE(hive) << error;
    EXPECT_EQ(hive->FindKey("HKEY_LOCAL_MACHINE\\S")->FindValue("B")->data,
              (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(HiveText, DamageIsFoundAndNamed) {
    const std::pair<const char*, const char*> kBad[] = {
        {"REGEDIT4\n", "line 1"},
        {"Windows Registry Editor Version 5.00\n\"A\"=\"b\"\n", "line 2"},
        {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\S]\n\"A\"=\"unterminated\n", "line 3"},
        {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\S]\n\"A\"=dword:xyz\n", "line 3"},
        {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\S]\n\"A\"=hex:0g\n", "line 3"},
        {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\S\n", "line 2"},
        {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\S]\n\"A\"=\"bad \\q escape\"\n",
         "line 3"},
    };
    for (const auto& [text, where] : kBad) {
        std::string error;
        EXPECT_FALSE(ParseHive(text, error)) << text;
        EXPECT_EQ(error.rfind(where, 0), 0u) << error;
    }
}

TEST(HiveRegistry, ChangesAreWrittenAsRegistryExportText) {
    test::TempHome home;
    auto registry = MakeHiveRegistry(home.File("registry"), nullptr);
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "LogFilePath", "c:\\", true);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "Number", "Count", "12", true);
    EXPECT_EQ(test::ReadWholeFile(home.File("registry/HKEY_LOCAL_MACHINE.reg")),
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavrel\\Config]\r\n"
              "\"LogFilePath\"=\"c:\\\\\"\r\n"
              "\"Count\"=dword:0000000c\r\n\r\n");
    api.SetNewValue(kHkeyCurrentUser, "Software\\X", "String", "A", "b", true);
    EXPECT_TRUE(std::filesystem::exists(home.File("registry/HKEY_CURRENT_USER.reg")));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST(HiveRegistry, GoldenHiveServesReads) {
    test::TempHome home;
    std::filesystem::create_directories(home.File("registry"));
    std::filesystem::copy_file(kGolden, home.File("registry/HKEY_LOCAL_MACHINE.reg"));
    auto registry = MakeHiveRegistry(home.File("registry"), nullptr);
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "ConfigVersion", RegReadMode::Store, true),
              "FV.2002.08.01|.b0.r7.t5");
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "Count", RegReadMode::Store, true), "12");
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "KillMiscButtonName", RegReadMode::Store, true),
              "Say \"Stop\"");
    // A change rewrites the file with everything else as it was.
    api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "Count", "x", true);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "Number", "Count", "12", true);
    EXPECT_EQ(test::ReadWholeFile(home.File("registry/HKEY_LOCAL_MACHINE.reg")), Golden());
}

TEST(HiveRegistry, UnchangedValuesAreNotWrittenAndOutsideEditsAreSeen) {
    test::TempHome home;
    auto registry = MakeHiveRegistry(home.File("registry"), nullptr);
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "Number", "Count", "12", true);
    // The same hive with LF line ends, as a hand edit may leave it: only a real change rewrites it.
    const std::string file = home.File("registry/HKEY_LOCAL_MACHINE.reg");
    std::string lf = test::ReadWholeFile(file);
    for (size_t p; (p = lf.find("\r\n")) != std::string::npos;)
        lf.erase(p, 1);
    test::WriteWholeFile(file, lf);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "Number", "Count", "12", true);
    EXPECT_EQ(test::ReadWholeFile(file), lf);
    api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "Count", "12", true);
    EXPECT_NE(test::ReadWholeFile(file), lf) << "a new type is a change";
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "Count", RegReadMode::Store, true), "12");
    // A file changed behind the program's back is read again, not served from memory.
    std::string edited = test::ReadWholeFile(file);
    edited.replace(edited.find("\"12\""), 4, "\"13\"");
    test::WriteWholeFile(file, edited);
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "Count", RegReadMode::Store, true), "13");
}

TEST(HiveRegistry, DamagedHiveIsReportedOnceAndKeptAside) {
    test::TempHome home;
    std::filesystem::create_directories(home.File("registry"));
    const std::string damaged =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\r\n";
    test::WriteWholeFile(home.File("registry/HKEY_LOCAL_MACHINE.reg"), damaged);
    std::vector<std::vector<std::string>> reports;
    auto registry = MakeHiveRegistry(
        home.File("registry"), [&](const std::vector<std::string>& lines) { reports.push_back(lines); });
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    EXPECT_EQ(api.ReadRegValueCheck(kHkeyLocalMachine, kConfig, "ConfigVersion", false), kRegKeyNotFound);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0][1].find("line 3"), std::string::npos);

    std::string aside;
    for (const auto& entry : std::filesystem::directory_iterator(home.File("registry")))
        if (entry.path().filename().string().rfind("HKEY_LOCAL_MACHINE.reg.damaged-", 0) == 0)
            aside = entry.path().string();
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(test::ReadWholeFile(aside), damaged) << "the user's file is kept as it was";

    api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "A", "1", true);
    EXPECT_EQ(api.ReadRegValue(kHkeyLocalMachine, kConfig, "A", RegReadMode::Store, true), "1");
    EXPECT_EQ(reports.size(), 1u);
}

std::vector<std::string> FolderListing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A registry that only reads (what `tavreld --config` lists through) leaves a damaged hive and its folder
// exactly as they were, says so once naming the file, and refuses every change.
TEST(HiveRegistry, AReadOnlyRegistryNeverWrites) {
    test::TempHome home;
    std::filesystem::create_directories(home.File("registry"));
    const std::string file = home.File("registry/HKEY_LOCAL_MACHINE.reg");
    const std::string damaged =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\r\n";
    test::WriteWholeFile(file, damaged);
    const std::vector<std::string> before = FolderListing(home.File("registry"));
    std::vector<std::vector<std::string>> reports;
    auto registry = MakeHiveRegistry(
        home.File("registry"), [&](const std::vector<std::string>& lines) { reports.push_back(lines); },
        RegistryAccess::ReadOnly);
    test::FakeMessageBoxes boxes;
    modRegAPI api(*registry, boxes);
    EXPECT_EQ(api.ReadRegValueCheck(kHkeyLocalMachine, kConfig, "ConfigVersion", false), kRegKeyNotFound);
    EXPECT_FALSE(api.VerifyCreateRegKey(kHkeyLocalMachine, kConfig, false));
    api.SetNewValue(kHkeyLocalMachine, kConfig, "String", "A", "1", false);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0][0], "The registry file " + file + " cannot be read:");
    EXPECT_EQ(test::ReadWholeFile(file), damaged);
    EXPECT_EQ(FolderListing(home.File("registry")), before);

    // A fresh home stays empty too.
    test::TempHome fresh;
    auto empty = MakeHiveRegistry(fresh.File("registry"), {}, RegistryAccess::ReadOnly);
    modRegAPI freshApi(*empty, boxes);
    freshApi.SetNewValue(kHkeyLocalMachine, kConfig, "String", "A", "1", false);
    EXPECT_FALSE(std::filesystem::exists(fresh.File("registry")));
}

} // namespace
} // namespace tavrel
