#include "platform/file_io.h"
#include "platform/file_times.h"
#include "platform/hive/hive_data.h"
#include "platform/registry.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace tavrel {

namespace {

constexpr int32_t kKeyDeleted = 1018;

std::string TrimSlashes(const std::string& subKey) {
    size_t first = 0;
    size_t last = subKey.size();
    while (first < last && subKey[first] == '\\')
        ++first;
    while (last > first && subKey[last - 1] == '\\')
        --last;
    return subKey.substr(first, last - first);
}

// A key line of the hive file cannot hold these; such a key can never exist.
bool WritablePath(const std::string& subKey) {
    return subKey.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

std::string StampNow() {
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", std::localtime(&t));
    return buffer;
}

// Each call looks at the hive file under a lock and each change writes it back atomically before the
// lock is let go, so processes sharing the files never lose each other's changes. The file is parsed
// again only when it is no longer the version last read or written here.
class HiveRegistry final : public Registry {
public:
    HiveRegistry(std::string folder, RegistryProblemReporter reporter, RegistryAccess access)
        : folder_(std::move(folder)), reporter_(std::move(reporter)),
          readOnly_(access == RegistryAccess::ReadOnly) {}

    int32_t OpenKey(int32_t root, const std::string& subKey, uint32_t, RegHandle& key) override {
        key = 0;
        if (RootName(root)[0] == '\0')
            return kRegInvalidHandle;
        if (!WritablePath(subKey))
            return kRegFileNotFound;
        SessionFor held(*this, root);
        Session& s = *held;
        const std::string path = FullPath(root, subKey);
        if (s.hive.FindKey(path) == nullptr && !TrimSlashes(subKey).empty())
            return kRegFileNotFound;
        key = NewHandle(root, path);
        return kRegSuccess;
    }

    int32_t CreateKey(int32_t root, const std::string& subKey, uint32_t, RegHandle& key) override {
        key = 0;
        if (RootName(root)[0] == '\0')
            return kRegInvalidHandle;
        if (!WritablePath(subKey))
            return kRegInvalidParameter;
        SessionFor held(*this, root);
        Session& s = *held;
        const std::string path = FullPath(root, subKey);
        if (s.hive.FindKey(path) == nullptr && !TrimSlashes(subKey).empty()) {
            s.hive.EnsureKey(path);
            if (const int32_t r = s.Save(); r != kRegSuccess)
                return r;
        }
        key = NewHandle(root, path);
        return kRegSuccess;
    }

    int32_t QueryValue(RegHandle key, const std::string& name, uint32_t& type, uint8_t* data,
                       uint32_t& size) override {
        return WithKey(key, [&](Session&, const OpenKeyInfo& info, HiveKey* k) {
            if (k == nullptr)
                return IsRootPath(info) ? kRegFileNotFound : kKeyDeleted;
            HiveValue* v = k->FindValue(name);
            if (v == nullptr)
                return kRegFileNotFound;
            type = v->type;
            const auto needed = static_cast<uint32_t>(v->data.size());
            if (data == nullptr) {
                size = needed;
                return kRegSuccess;
            }
            if (size < needed) {
                size = needed;
                return kRegMoreData;
            }
            if (needed > 0)
                std::memcpy(data, v->data.data(), needed);
            size = needed;
            return kRegSuccess;
        });
    }

    int32_t SetValue(RegHandle key, const std::string& name, uint32_t type, const uint8_t* data,
                     uint32_t size) override {
        return WithKey(key, [&](Session& s, const OpenKeyInfo& info, HiveKey* k) {
            if (k == nullptr && !IsRootPath(info))
                return kKeyDeleted;
            const bool created = k == nullptr;
            if (created)
                k = &s.hive.EnsureKey(info.path);
            // The same value again leaves the file alone: each save costs a file and a folder fsync,
            // and start-up stores many settings that have not changed.
            if (!k->SetValue(name, type, std::vector<uint8_t>(data, data + size)) && !created)
                return kRegSuccess;
            return s.Save();
        });
    }

    int32_t DeleteValue(RegHandle key, const std::string& name) override {
        return WithKey(key, [&](Session& s, const OpenKeyInfo&, HiveKey* k) {
            if (k == nullptr || !k->EraseValue(name))
                return kRegFileNotFound;
            return s.Save();
        });
    }

    int32_t DeleteKey(int32_t root, const std::string& subKey) override {
        if (RootName(root)[0] == '\0')
            return kRegInvalidHandle;
        if (TrimSlashes(subKey).empty())
            return kRegAccessDenied;
        SessionFor held(*this, root);
        Session& s = *held;
        const std::string path = FullPath(root, subKey);
        if (s.hive.FindKey(path) == nullptr)
            return kRegFileNotFound;
        if (s.hive.HasSubKeys(path))
            return kRegAccessDenied;
        s.hive.EraseKey(path);
        return s.Save();
    }

    int32_t EnumValueNames(RegHandle key, std::vector<std::string>& names) override {
        names.clear();
        return WithKey(key, [&](Session&, const OpenKeyInfo& info, HiveKey* k) {
            if (k == nullptr)
                return IsRootPath(info) ? kRegSuccess : kKeyDeleted;
            for (const HiveValue& v : k->values)
                names.push_back(v.name);
            return kRegSuccess;
        });
    }

    int32_t WriteTogether(const std::function<void()>& changes) override {
        return RunTogether(changes, 0, nullptr);
    }

    bool TryWriteTogether(int32_t root, int64_t waitMs, const std::function<void()>& changes) override {
        auto first = together_ ? nullptr : std::make_unique<Session>(*this, root, waitMs);
        if (first && first->lock && first->lock->TimedOut())
            return false;
        RunTogether(changes, root, std::move(first));
        return true;
    }

    int32_t CloseKey(RegHandle key) override {
        return handles_.erase(key) == 1 ? kRegSuccess : kRegInvalidHandle;
    }

private:
    struct Session;
    // The changes of a WriteTogether; `first`, when given, is the session of `firstRoot`, already locked.
    int32_t RunTogether(const std::function<void()>& changes, int32_t firstRoot,
                        std::unique_ptr<Session> first) {
        if (together_) {
            changes();
            return kRegSuccess;
        }
        together_ = std::make_unique<Together>();
        if (first) // kept for the whole of the changes, written once at their end
            (together_->sessions[firstRoot] = std::move(first))->deferred = true;
        // Whatever way this ends (a throw included), the sessions let go of their locks, and a hive
        // changed in memory but never written is read again next time.
        struct EndTogether {
            std::unique_ptr<Together>& together;
            ~EndTogether() {
                for (auto& [root, session] : together->sessions)
                    if (session->dirty)
                        session->Forget();
                together.reset();
            }
        } end{together_};
        changes();
        int32_t result = kRegSuccess;
        for (const auto& [root, session] : together_->sessions)
            if (session->failed) // a hive that cannot be written: none of the changes is
                result = kRegAccessDenied;
        for (auto& [root, session] : together_->sessions) {
            if (!session->dirty || result != kRegSuccess)
                continue;
            result = session->Write();
            session->dirty = false;
        }
        return result;
    }

    struct OpenKeyInfo {
        int32_t root;
        std::string path;
    };

    // The hive as last read or written, and which version of the file that was.
    struct CachedHive {
        std::optional<FileVersion> version;
        HiveData hive;
    };

    // One locked look at a hive file.
    struct Session {
        Session(HiveRegistry& owner, int32_t root, int64_t waitMs = -1)
            : file(owner.HivePath(root)), writable(!owner.readOnly_), cached(owner.cache_[root]),
              hive(cached.hive) {
            // A reader that may not write leaves the folder as it is: it makes no lock file of its own.
            const std::string lockPath = owner.folder_ + "/." + RootName(root) + ".lock";
            if (!owner.readOnly_) {
                MakePrivateFolders(owner.folder_);
                lock.emplace(lockPath, FileLock::Mode::Exclusive, waitMs);
            } else if (FileExists(lockPath)) {
                lock.emplace(lockPath, FileLock::Mode::Shared, waitMs);
            }
            if (lock && lock->TimedOut())
                return; // not looked at: the caller gives up
            // Looked at before the read: a change in between shows as a new version next time.
            const std::optional<FileVersion> now = FileVersionOf(file);
            if (now && cached.version == now)
                return;
            bool clean = false;
            hive = owner.Load(root, file, writable, clean);
            cached.version = clean ? now : std::nullopt;
        }
        int32_t Save() {
            if (!writable) {
                failed = true;
                return kRegAccessDenied;
            }
            if (deferred) {
                dirty = true;
                return kRegSuccess;
            }
            return Write();
        }
        int32_t Write() {
            if (WriteFileAtomically(file, FormatHive(hive), FilePrivacy::OwnerOnly) != 0) {
                Forget();
                return kRegAccessDenied;
            }
            cached.version = FileVersionOf(file);
            return kRegSuccess;
        }
        // The hive in memory is not what the file holds: the next look reads the file.
        void Forget() { cached.version.reset(); }

        std::string file;
        std::optional<FileLock> lock;
        bool writable = true;
        bool deferred = false; // inside WriteTogether: written once at its end
        bool dirty = false;
        bool failed = false; // a change could not be saved
        CachedHive& cached;
        HiveData& hive;
    };

    // The sessions a WriteTogether keeps open (and locked) until its end, one per root.
    struct Together {
        std::map<int32_t, std::unique_ptr<Session>> sessions;
    };

    // The session for one call: the one a WriteTogether holds, else a new one of its own.
    class SessionFor {
    public:
        SessionFor(HiveRegistry& owner, int32_t root) {
            if (owner.together_) {
                std::unique_ptr<Session>& held = owner.together_->sessions[root];
                if (!held) {
                    held = std::make_unique<Session>(owner, root);
                    held->deferred = true;
                }
                session_ = held.get();
            } else {
                own_.emplace(owner, root);
                session_ = &*own_;
            }
        }
        Session& operator*() { return *session_; }

    private:
        std::optional<Session> own_;
        Session* session_ = nullptr;
    };

    // Runs `body` in one locked look at the hive of an open key, with the key's entry (null once deleted).
    template <typename Body> int32_t WithKey(RegHandle key, Body body) {
        const auto open = handles_.find(key);
        if (open == handles_.end())
            return kRegInvalidHandle;
        SessionFor held(*this, open->second.root);
        Session& s = *held;
        return body(s, open->second, s.hive.FindKey(open->second.path));
    }

    // The hive in the file. A file that does not read cleanly is moved aside first, so nothing is ever
    // written over it; when even that fails, `writable` turns false and the session saves nothing.
    // `clean` tells whether the hive came whole from the file.
    HiveData Load(int32_t root, const std::string& file, bool& writable, bool& clean) {
        std::string bytes;
        std::string error;
        if (const FileReadError read = ReadRegularFile(file, bytes); read == FileReadError::NotFound) {
            return {};
        } else if (read != FileReadError::None) {
            error = FileReadErrorText(read); // a folder, a pipe or a huge file: kept aside like a damaged one
        } else if (auto hive = ParseHive(bytes, error)) {
            clean = true;
            return std::move(*hive);
        }
        if (readOnly_) {
            writable = false;
            if (reported_.insert(root).second && reporter_)
                reporter_({"The registry file " + file + " cannot be read:", error, "",
                           "It is left as it is and nothing is written; the values below are not its own."});
            return {};
        }
        std::string aside = file + ".damaged-" + StampNow();
        for (int n = 2; FileExists(aside); ++n)
            aside = file + ".damaged-" + StampNow() + "-" + std::to_string(n);
        const int renamed = RenameFile(file, aside);
        writable = renamed == 0;
        if (reported_.insert(root).second && reporter_)
            reporter_({"The registry file " + file + " cannot be read:", error, "",
                       writable ? "It has been kept as " + aside + "."
                                : "It cannot be moved aside (" + SystemErrorText(renamed) +
                                      ") and is left as it is.",
                       writable ? "Tavrel goes on with empty settings."
                                : "Tavrel goes on without saving settings."});
        return {};
    }

    std::string HivePath(int32_t root) const { return folder_ + "/" + RootName(root) + ".reg"; }

    static std::string FullPath(int32_t root, const std::string& subKey) {
        const std::string trimmed = TrimSlashes(subKey);
        return trimmed.empty() ? std::string(RootName(root)) : std::string(RootName(root)) + "\\" + trimmed;
    }

    static bool IsRootPath(const OpenKeyInfo& k) { return k.path == RootName(k.root); }

    RegHandle NewHandle(int32_t root, const std::string& path) {
        const RegHandle h = nextHandle_++;
        handles_[h] = {root, path};
        return h;
    }

    std::string folder_;
    RegistryProblemReporter reporter_;
    bool readOnly_ = false;
    std::map<RegHandle, OpenKeyInfo> handles_;
    RegHandle nextHandle_ = 0x100;
    std::set<int32_t> reported_;
    std::map<int32_t, CachedHive> cache_;
    std::unique_ptr<Together> together_;
};

} // namespace

const char* RootName(int32_t root) {
    switch (static_cast<uint32_t>(root)) {
    case 0x80000000u:
        return "HKEY_CLASSES_ROOT";
    case 0x80000001u:
        return "HKEY_CURRENT_USER";
    case 0x80000002u:
        return "HKEY_LOCAL_MACHINE";
    case 0x80000003u:
        return "HKEY_USERS";
    default:
        return "";
    }
}

std::unique_ptr<Registry> MakeHiveRegistry(const std::string& folder, RegistryProblemReporter reporter,
                                           RegistryAccess access) {
    return std::make_unique<HiveRegistry>(folder, std::move(reporter), access);
}

} // namespace tavrel
