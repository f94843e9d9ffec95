#pragma once
// Where the machine-wide lock of a key lives on Linux, and the lock itself with its folder given, so that
// tests can keep it out of /run.

#include "platform/process.h"

#include <memory>
#include <string>
#include <sys/types.h>

namespace tavrel {

// root's board locks: a folder only root may write to, kept while the system runs (not a service's
// runtime folder, which goes with the service and would take a window's lock with it).
inline constexpr const char* kRootLockFolder = "/run/tavrel";

// The lock file of `key` for a process of user `euid`: `rootFolder` for root, else `runtimeDir`
// ($XDG_RUNTIME_DIR) when it is an absolute path, else /tmp under a name that carries the user id.
// The key is kept readable in the name, with a hash of it so that two keys never share a file.
std::string MachineLockPath(const std::string& key, uid_t euid, const std::string& runtimeDir,
                            const std::string& rootFolder = kRootLockFolder);

// root's lock file of `key`, which a copy of another user looks at too.
std::string RootMachineLockPath(const std::string& key, const std::string& rootFolder = kRootLockFolder);

// Makes root's lock folder (0755) when it is missing; "" when it is a folder that only root may write
// to, else what is wrong, naming the folder.
std::string PrepareRootLockFolder(const std::string& folder);

// AcquireMachineLock for user `euid`, with root's locks in `rootFolder`.
std::unique_ptr<InstanceLock> AcquireMachineLockAt(const std::string& key, uid_t euid,
                                                   const std::string& runtimeDir,
                                                   const std::string& rootFolder);

} // namespace tavrel
