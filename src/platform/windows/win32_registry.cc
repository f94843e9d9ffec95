#include "platform/registry.h"

#include <windows.h>

namespace tavrel {

namespace {

HKEY Root(int32_t root) {
    return reinterpret_cast<HKEY>(static_cast<intptr_t>(root));
}
HKEY Key(RegHandle h) {
    return reinterpret_cast<HKEY>(h);
}

class Win32Registry final : public Registry {
public:
    int32_t OpenKey(int32_t root, const std::string& subKey, uint32_t access, RegHandle& key) override {
        HKEY h = nullptr;
        const LONG r = RegOpenKeyExA(Root(root), subKey.c_str(), 0, access, &h);
        key = reinterpret_cast<RegHandle>(h);
        return r;
    }
    int32_t CreateKey(int32_t root, const std::string& subKey, uint32_t access, RegHandle& key) override {
        SECURITY_ATTRIBUTES sa{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HKEY h = nullptr;
        DWORD disposition = 0;
        const LONG r = RegCreateKeyExA(Root(root), subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       access, &sa, &h, &disposition);
        key = reinterpret_cast<RegHandle>(h);
        return r;
    }
    int32_t QueryValue(RegHandle key, const std::string& name, uint32_t& type, uint8_t* data,
                       uint32_t& size) override {
        DWORD t = 0;
        DWORD s = size;
        const LONG r = RegQueryValueExA(Key(key), name.c_str(), nullptr, &t, data, &s);
        type = t;
        size = s;
        return r;
    }
    int32_t SetValue(RegHandle key, const std::string& name, uint32_t type, const uint8_t* data,
                     uint32_t size) override {
        return RegSetValueExA(Key(key), name.c_str(), 0, type, data, size);
    }
    int32_t DeleteValue(RegHandle key, const std::string& name) override {
        return RegDeleteValueA(Key(key), name.c_str());
    }
    int32_t DeleteKey(int32_t root, const std::string& subKey) override {
        return RegDeleteKeyA(Root(root), subKey.c_str());
    }
    int32_t CloseKey(RegHandle key) override { return RegCloseKey(Key(key)); }
    int32_t EnumValueNames(RegHandle key, std::vector<std::string>& names) override {
        names.clear();
        for (DWORD i = 0;; ++i) {
            char name[16384];
            DWORD length = sizeof name;
            const LONG r = RegEnumValueA(Key(key), i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (r == ERROR_NO_MORE_ITEMS)
                return kRegSuccess;
            if (r != ERROR_SUCCESS)
                return r;
            names.emplace_back(name, length);
        }
    }
};

} // namespace

std::vector<std::string> DamagedRegistryCopies(const std::string&) {
    return {};
}

std::string SettingsHiveFile(const std::string&) {
    return "";
}

// The Windows registry is only read by a lister: it never moves or rewrites anything by itself.
std::unique_ptr<Registry> MakeSystemRegistry(const std::string&, RegistryProblemReporter, RegistryAccess) {
    return std::make_unique<Win32Registry>();
}

} // namespace tavrel
