#pragma once
// Whether a board does what it is told: the read-back audit of a port board and the send result of an
// X10 board, with the lines that say so once when a fault comes and once when it goes.

#include "boardio/board_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

struct BoardHealth {
    // The output byte last written to the board's port; -1 until a relay was written.
    int16_t written = -1;
    // The bits that differed at the last comparison: a fault needs the same bits twice in a row.
    uint8_t lastDiff = 0;
    bool everMatched = false;
    bool unavailableSaid = false;
    bool readBackFault = false;
    uint8_t readBackRelays = 0; // bit r: relay r reads back otherwise than written
    uint8_t readBackByte = 0;
    bool sendFault = false;
    uint8_t sendRelays = 0; // bit r: relay r's last command did not go out
    // The line that describes the standing fault, for the status bar and the service status.
    std::string faultText;
    // Lines for the event log and standard error, taken by the tick.
    std::vector<std::string> pending;

    bool Fault() const { return readBackFault || sendFault; }
    uint8_t FaultRelays() const {
        return static_cast<uint8_t>((readBackFault ? readBackRelays : 0) | (sendFault ? sendRelays : 0));
    }
};

// A board whose outputs can be read back: a port board that is driven, not write-only.
bool ReadBackAuditable(const BoardRecord& board);

// Compares what was last written to board index `board` with the byte read back after a tick.
void AuditReadBack(BoardHealth& health, int board, uint8_t read);

// The result of an X10 command for `relay`: `failure` empty when it went out.
void NoteSendResult(BoardHealth& health, int board, int relay, const std::string& failure);

// For a relay's light: "fault: board reads OFF" and the like, or "" when the relay is not affected.
std::string RelayFaultText(const BoardHealth& health, int relay);

} // namespace tavrel
