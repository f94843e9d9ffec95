#pragma once
// Stuck bits for the simulated port space: a port that reads back (stored & AND) | OR, so a failed relay
// driver or a card that stopped answering can be shown without hardware.

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

struct StuckPort {
    int32_t port = 0;
    uint8_t andMask = 0xff;
    uint8_t orMask = 0;
};

// "ADDR:AND:OR[,ADDR:AND:OR...]" in hex, e.g. "300:FD:00". False with `error` naming the bad piece;
// `stuck` is then left empty.
bool ParseStuckPorts(const std::string& text, std::vector<StuckPort>& stuck, std::string& error);

} // namespace tavrel
