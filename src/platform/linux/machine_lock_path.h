#pragma once
// Where the machine-wide lock of a key lives on Linux.

#include <string>
#include <sys/types.h>

namespace tavrel {

// The lock file of `key` for a process of user `euid`: /run/lock for root, else `runtimeDir`
// ($XDG_RUNTIME_DIR) when it is an absolute path, else /tmp under a name that carries the user id.
// The key is kept readable in the name, with a hash of it so that two keys never share a file.
std::string MachineLockPath(const std::string& key, uid_t euid, const std::string& runtimeDir);

// root's lock file of `key`, which a copy of another user looks at too.
std::string RootMachineLockPath(const std::string& key);

} // namespace tavrel
