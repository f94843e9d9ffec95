#pragma once
// The warning about a second copy of the program: one that uses the same home, or one, anywhere on the
// machine, that drives the same board.

#include "boardio/board_record.h"
#include "platform/port_library.h"
#include "platform/process.h"
#include "platform/serial_api.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrel {

// The machine-wide name of a board's hardware: its serial device for a FireCracker, else its port space
// and base address; "" for an emulated board, which touches nothing.
std::string BoardClaimKey(const BoardRecord& board, const PortLibrary& ports, const SerialApi& serial);

// Claims the board's hardware for this process's lifetime (nothing for an emulated board). When another
// program holds it, `warning` receives the second-copy warning naming that program; when the lock file
// is refused (a link, another user's), what is wrong with it.
// `rootLockFolder`: see AcquireMachineLock.
std::unique_ptr<InstanceLock> ClaimBoard(const BoardRecord& board, int boardNumber, const PortLibrary& ports,
                                         const SerialApi& serial, std::vector<std::string>& warning,
                                         const std::string& rootLockFolder = "");

// The second-copy warning, then what the other copy holds (`what`) and who it is, when known.
std::vector<std::string> SecondCopyWarning(const std::string& what, const std::string& holder);

} // namespace tavrel
