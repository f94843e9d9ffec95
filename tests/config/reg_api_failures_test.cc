#include "config/reg_api.h"

#include "support/fake_message_boxes.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <set>

namespace tavrel {
namespace {

// Hive files whose chosen calls are refused with "access denied".
class RefusingRegistry final : public Registry {
public:
    explicit RefusingRegistry(const std::string& folder) : inner_(MakeHiveRegistry(folder, nullptr)) {}
    std::set<std::string> refused;

    int32_t OpenKey(int32_t root, const std::string& subKey, uint32_t access, RegHandle& key) override {
        return Refuse("open") ? kRegAccessDenied : inner_->OpenKey(root, subKey, access, key);
    }
    int32_t CreateKey(int32_t root, const std::string& subKey, uint32_t access, RegHandle& key) override {
        return Refuse("create") ? kRegAccessDenied : inner_->CreateKey(root, subKey, access, key);
    }
    int32_t QueryValue(RegHandle key, const std::string& name, uint32_t& type, uint8_t* data,
                       uint32_t& size) override {
        return inner_->QueryValue(key, name, type, data, size);
    }
    int32_t SetValue(RegHandle key, const std::string& name, uint32_t type, const uint8_t* data,
                     uint32_t size) override {
        return Refuse("set") ? kRegAccessDenied : inner_->SetValue(key, name, type, data, size);
    }
    int32_t DeleteValue(RegHandle key, const std::string& name) override {
        return inner_->DeleteValue(key, name);
    }
    int32_t DeleteKey(int32_t root, const std::string& subKey) override {
        return Refuse("deletekey") ? kRegAccessDenied : inner_->DeleteKey(root, subKey);
    }
    int32_t CloseKey(RegHandle key) override { return inner_->CloseKey(key); }
    int32_t EnumValueNames(RegHandle key, std::vector<std::string>& names) override {
        return inner_->EnumValueNames(key, names);
    }

private:
    bool Refuse(const std::string& call) const { return refused.count(call) != 0; }
    std::unique_ptr<Registry> inner_;
};

class RegApiFailures : public ::testing::Test {
protected:
    test::TempHome home;
    RefusingRegistry registry{home.File("registry")};
    test::FakeMessageBoxes boxes;
    modRegAPI api{registry, boxes};
    const std::string key = "SOFTWARE\\Tavrel\\Config";
};

TEST_F(RegApiFailures, KeyThatCannotBeCreated) {
    registry.refused = {"create"};
    api.SetNewValue(kHkeyLocalMachine, key, "String", "Name", "abc", true);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(),
              "Could not Open/Create key\r\nSetNewValue, RegCreateKeyEx\r\n   Root:-2147483646\r\n"
              " SubKey:SOFTWARE\\Tavrel\\Config\r\n   Type:String\r\nValName:Name\r\n  Value:abc\r\n"
              " Result:5");
    EXPECT_FALSE(api.VerifyCreateRegKey(kHkeyLocalMachine, key, true));
    EXPECT_EQ(boxes.Last().Text(),
              "Could not open Key\r\nVerifyCreateRegKey, RegCreateKeyEx\r\n  Root:-2147483646\r\n"
              "SubKey:SOFTWARE\\Tavrel\\Config\r\nResult:5");
    EXPECT_FALSE(api.VerifyCreateRegKey(kHkeyLocalMachine, key, false));
    EXPECT_EQ(boxes.Count(), 2u);
}

TEST_F(RegApiFailures, ValueThatCannotBeSet) {
    registry.refused = {"set"};
    api.SetNewValue(kHkeyLocalMachine, key, "Number", "Count", "12", true);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(),
              "Could not set value\r\nSetNewValue\r\n   Root:-2147483646\r\n"
              " SubKey:SOFTWARE\\Tavrel\\Config\r\n   Type:Number\r\nValName:Count\r\n  Value:12");
}

TEST_F(RegApiFailures, KeyThatCannotBeDeleted) {
    ASSERT_TRUE(api.VerifyCreateRegKey(kHkeyLocalMachine, key, true));
    registry.refused = {"deletekey"};
    api.DeleteRegKey(kHkeyLocalMachine, key, true);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(),
              "Could not delete key\r\nDeleteRegKey, RegDeleteKey\r\n  Root:-2147483646\r\n"
              "SubKey:SOFTWARE\\Tavrel\\Config\r\nResult:5");
}

TEST_F(RegApiFailures, NumbersThatDoNotFitAreCaught) {
    api.SetNewValue(kHkeyLocalMachine, key, "Number", "Big", "3000000000", true);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().Text(), "Overflow");
    EXPECT_EQ(api.ReadRegValueCheck(kHkeyLocalMachine, key, "Big", false), kRegValueNameNotFound);
}

} // namespace
} // namespace tavrel
