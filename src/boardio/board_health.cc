#include "boardio/board_health.h"

#include "boardio/chip_set_types.h"

namespace tavrel {

namespace {

std::string Hex2(uint8_t byte) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 0xf]};
}

std::string RelayList(uint8_t bits) {
    std::string text;
    for (int r = 0; r < kRelaysPerBoard; ++r)
        if ((bits >> r) & 1)
            text += (text.empty() ? "" : " ") + std::to_string(r + 1);
    return text;
}

std::string BoardName(int board) {
    return "board " + std::to_string(board + 1);
}

void Say(BoardHealth& health, const std::string& line) {
    health.pending.push_back(line);
}

void Clear(BoardHealth& health, const char* what, int board) {
    Say(health, std::string(what) + " fault " + BoardName(board) + " cleared");
    health.faultText.clear();
}

void RaiseReadBackFault(BoardHealth& health, int board, uint8_t written, uint8_t read, uint8_t diff) {
    std::string line = "Read-back fault " + BoardName(board) + ": relays " + RelayList(diff) + ", written " +
                       Hex2(written) + ", read " + Hex2(read);
    // A card that stopped answering reads the bus's idle level, whatever was written.
    if (read == 0x00 || read == 0xff)
        line += ", board not answering";
    health.readBackFault = true;
    health.readBackRelays = diff;
    health.readBackByte = read;
    health.faultText = line;
    Say(health, line);
}

} // namespace

bool ReadBackAuditable(const BoardRecord& board) {
    return !BoardEmulated(board) && !IsSet(board.WriteToBaseOnly) &&
           ChipSetKind(board.ChipSetType) != BoardKind::FireCracker;
}

void AuditReadBack(BoardHealth& health, int board, uint8_t read) {
    if (health.written < 0)
        return;
    const auto written = static_cast<uint8_t>(health.written);
    const auto diff = static_cast<uint8_t>(written ^ read);
    const uint8_t before = health.lastDiff;
    health.lastDiff = diff;
    if (diff == 0) {
        health.everMatched = true;
        if (health.readBackFault) {
            health.readBackFault = false;
            Clear(health, "Read-back", board);
        }
        return;
    }
    health.readBackByte = read;
    if (diff != before || (health.readBackFault && diff == health.readBackRelays))
        return;
    if (!health.everMatched) {
        // Some cards and printer ports in ECP mode cannot be read at all: a setting, not a fault.
        if (!health.unavailableSaid)
            Say(health, "Read-back not available on " + BoardName(board) + ": set WriteToBaseOnly" +
                            std::to_string(board + 1) + " to 1");
        health.unavailableSaid = true;
        return;
    }
    RaiseReadBackFault(health, board, written, read, diff);
}

void NoteSendResult(BoardHealth& health, int board, int relay, const std::string& failure) {
    const auto bit = static_cast<uint8_t>(1u << relay);
    if (failure.empty()) {
        // The transmitter is back: what it still owes, the next ticks send.
        health.sendRelays = 0;
        if (health.sendFault) {
            health.sendFault = false;
            Clear(health, "X10", board);
        }
        return;
    }
    health.sendRelays |= bit;
    if (health.sendFault)
        return;
    health.sendFault = true;
    health.faultText = "X10 fault " + BoardName(board) + ": " + failure;
    Say(health, health.faultText);
}

std::string RelayFaultText(const BoardHealth& health, int relay) {
    const auto bit = static_cast<uint8_t>(1u << relay);
    if (health.sendFault && (health.sendRelays & bit) != 0)
        return "fault: command not sent";
    if (health.readBackFault && (health.readBackRelays & bit) != 0)
        return std::string("fault: board reads ") + ((health.readBackByte & bit) != 0 ? "ON" : "OFF");
    return "";
}

} // namespace tavrel
