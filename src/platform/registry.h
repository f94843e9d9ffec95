#pragma once
// The registry, shaped like the Win32 calls: keys opened with access rights, values with a type and bytes,
// and Win32's result codes.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrel {

using RegHandle = intptr_t;

// Predefined roots, as the signed 32-bit numbers the callers pass.
constexpr int32_t kHkeyCurrentUser = static_cast<int32_t>(0x80000001u);
constexpr int32_t kHkeyLocalMachine = static_cast<int32_t>(0x80000002u);

// Result codes.
constexpr int32_t kRegSuccess = 0;
constexpr int32_t kRegFileNotFound = 2;
constexpr int32_t kRegAccessDenied = 5;
constexpr int32_t kRegInvalidHandle = 6;
constexpr int32_t kRegInvalidParameter = 87;
constexpr int32_t kRegMoreData = 234;

// Value types.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;

// Access rights.
constexpr uint32_t kKeyQueryValue = 0x0001;
constexpr uint32_t kKeySetValue = 0x0002;
constexpr uint32_t kKeyAllAccess = 0xF003F;

class Registry {
public:
    virtual ~Registry() = default;
    virtual int32_t OpenKey(int32_t root, const std::string& subKey, uint32_t access, RegHandle& key) = 0;
    // Opens the key, creating it and any missing parents first.
    virtual int32_t CreateKey(int32_t root, const std::string& subKey, uint32_t access, RegHandle& key) = 0;
    // With `data` null, only the type and byte size are returned. With a buffer smaller than the value
    // (`size` on entry), kRegMoreData and the needed size.
    virtual int32_t QueryValue(RegHandle key, const std::string& name, uint32_t& type, uint8_t* data,
                               uint32_t& size) = 0;
    virtual int32_t SetValue(RegHandle key, const std::string& name, uint32_t type, const uint8_t* data,
                             uint32_t size) = 0;
    virtual int32_t DeleteValue(RegHandle key, const std::string& name) = 0;
    // Deletes a key that has no sub-keys.
    virtual int32_t DeleteKey(int32_t root, const std::string& subKey) = 0;
    virtual int32_t CloseKey(RegHandle key) = 0;
    // The names of the key's values, in the order the registry keeps them.
    virtual int32_t EnumValueNames(RegHandle key, std::vector<std::string>& names) = 0;
    // Runs `changes` so that other readers see all of them or none of them. The hive files are written
    // once at the end (kRegAccessDenied when that fails: then none was written); the Windows registry
    // has no such thing and takes them one by one.
    virtual int32_t WriteTogether(const std::function<void()>& changes) {
        changes();
        return kRegSuccess;
    }
    // As WriteTogether, with the hive of `root` locked from the start, when its lock comes within
    // `waitMs`; false, with `changes` not run, when another process holds it longer. For the work of a
    // tick, which must not wait on a process that holds the settings. The Windows registry never waits.
    virtual bool TryWriteTogether(int32_t /*root*/, int64_t /*waitMs*/,
                                  const std::function<void()>& changes) {
        WriteTogether(changes);
        return true;
    }
};

// Told once per hive when a hive file cannot be read and has been moved aside.
using RegistryProblemReporter = std::function<void(const std::vector<std::string>& lines)>;

// ReadOnly: every change is refused (kRegAccessDenied) and nothing is ever written, made, moved or
// locked anew: what a command that only lists needs.
enum class RegistryAccess { ReadWrite, ReadOnly };

// The Windows registry on Windows; on Linux hive files under `home`/registry.
std::unique_ptr<Registry> MakeSystemRegistry(const std::string& home, RegistryProblemReporter reporter,
                                             RegistryAccess access = RegistryAccess::ReadWrite);

// Hive files in `folder`: HKEY_LOCAL_MACHINE.reg and HKEY_CURRENT_USER.reg, in registry-export text. A
// file that does not read cleanly is moved aside before anything is written (left as it is when ReadOnly).
std::unique_ptr<Registry> MakeHiveRegistry(const std::string& folder, RegistryProblemReporter reporter,
                                           RegistryAccess access = RegistryAccess::ReadWrite);

// The copies of the hive of `root` in `folder` that were kept aside because they did not read cleanly,
// oldest first.
std::vector<std::string> DamagedHiveCopies(const std::string& folder, int32_t root);
// The same for the settings (HKEY_LOCAL_MACHINE) of the system registry under `home`; none on Windows,
// whose registry is never kept aside.
std::vector<std::string> DamagedRegistryCopies(const std::string& home);
// The file the system registry keeps the settings in ("" on Windows).
std::string SettingsHiveFile(const std::string& home);

const char* RootName(int32_t root);

} // namespace tavrel
