#include "shell/second_copy.h"

#include "common/text.h"

#include "boardio/chip_set_types.h"

namespace tavrel {

namespace {

bool OnSerialLine(const BoardRecord& board) {
    return ChipSetKind(board.ChipSetType) == BoardKind::FireCracker;
}

} // namespace

std::string BoardClaimKey(const BoardRecord& board, const PortLibrary& ports, const SerialApi& serial) {
    if (BoardEmulated(board))
        return {};
    if (OnSerialLine(board))
        return "serial-" + serial.DeviceName("COM" + std::to_string(board.BaseAddress));
    return ports.SpaceName() + "-port-" + HexText(static_cast<uint32_t>(board.BaseAddress));
}

std::unique_ptr<InstanceLock> ClaimBoard(const BoardRecord& board, int boardNumber, const PortLibrary& ports,
                                         const SerialApi& serial, std::vector<std::string>& warning,
                                         const std::string& rootLockFolder) {
    warning.clear();
    const std::string key = BoardClaimKey(board, ports, serial);
    if (key.empty())
        return nullptr;
    auto lock = AcquireMachineLock(key, rootLockFolder);
    const std::string where = OnSerialLine(board)
                                  ? " on COM" + std::to_string(board.BaseAddress)
                                  : " at " + HexText(static_cast<uint32_t>(board.BaseAddress)) + " hex";
    const std::string what = "Board " + std::to_string(boardNumber) + " (" + board.ChipSetType + where + ")";
    if (lock->AnotherCopyRunning())
        warning = SecondCopyWarning(what, lock->Holder());
    else if (!lock->Problem().empty())
        // Without its lock another copy cannot see that this one drives the board: say why.
        warning = {"Tavrel cannot tell whether another copy drives " + what + ": " + lock->Problem() + ".",
                   "Remove that file (as root), then start Tavrel again."};
    return lock;
}

std::vector<std::string> SecondCopyWarning(const std::string& what, const std::string& holder) {
    return {"You are attempting to run more then one copy of Tavrel , Doing so will cause unreliable "
            "performance.",
            what + " is in use by " + (holder.empty() ? std::string("another program") : holder) + "."};
}

} // namespace tavrel
