#include "boardio/comm_ports.h"

#include "common/text.h"

namespace tavrel {

namespace {
constexpr int32_t kSubscriptOutOfRange = 9;
constexpr uint32_t kPurgeAll = 15;
constexpr uint32_t kQueueBytes = 1024;
} // namespace

bool CommPorts::PortOpen(int port) const {
    return port >= 1 && port <= kCommPortSlots && slots_[static_cast<size_t>(port - 1)].PortOpen;
}

CommPorts::Slot* CommPorts::SlotFor(int port, const char* operation) {
    if (port < 1 || port > kCommPortSlots) {
        RecordNumber(kSubscriptOutOfRange, operation, "Subscript out of range");
        return nullptr;
    }
    return &slots_[static_cast<size_t>(port - 1)];
}

int32_t CommPorts::RecordNumber(int32_t number, const std::string& source, const std::string& text) {
    CommLastError = number;
    CommLastErrorSource = source;
    CommLastErrorText = text;
    return number;
}

int32_t CommPorts::Record(const char* step) {
    const auto number = static_cast<int32_t>(api_.LastError());
    return RecordNumber(number, step, CommErrorText(number));
}

int32_t CommPorts::CommOpen(int port, const std::string& name, const std::string& settings) {
    Slot* slot = SlotFor(port, "CommOpen");
    if (slot == nullptr)
        return CommLastError;
    if (slot->PortOpen)
        return RecordNumber(-1, "CommOpen", "Port in use.");

    slot->handle = api_.OpenPort(name);
    if (slot->handle == kInvalidCommHandle)
        return Record("CommOpen (CreateFile)");
    slot->PortOpen = true;
    if (!api_.SetupQueues(slot->handle, kQueueBytes, kQueueBytes))
        return Record("CommOpen (SetupComm)");
    if (!api_.Purge(slot->handle, kPurgeAll))
        return Record("CommOpen (PurgeComm)");
    CommTimeouts timeouts;
    timeouts.readIntervalTimeout = 0xFFFFFFFFu;
    timeouts.readTotalTimeoutConstant = 1000;
    timeouts.writeTotalTimeoutConstant = 1000;
    if (!api_.SetTimeouts(slot->handle, timeouts))
        return Record("CommOpen (SetCommTimeouts)");
    if (!api_.GetState(slot->handle, slot->dcb))
        return Record("CommOpen (GetCommState)");
    if (!api_.BuildDcb(settings, slot->dcb))
        return Record("CommOpen (BuildCommDCB)");
    if (!api_.SetState(slot->handle, slot->dcb))
        return Record("CommOpen (SetCommState)");
    return 0;
}

int32_t CommPorts::CommClose(int port) {
    Slot* slot = SlotFor(port, "CommClose");
    if (slot == nullptr)
        return CommLastError;
    if (!slot->PortOpen)
        return 0;
    if (!api_.ClosePort(slot->handle))
        return Record("CommClose (CloseHandle)");
    slot->PortOpen = false;
    slot->handle = kInvalidCommHandle;
    return 0;
}

int32_t CommPorts::CommSetLine(int port, int line, bool value) {
    Slot* slot = SlotFor(port, "CommSetLine");
    if (slot == nullptr)
        return CommLastError;
    uint32_t code = 0;
    switch (line) {
    case kLineBreak:
        code = value ? kSetBreak : kClrBreak;
        break;
    case kLineDtr:
        code = value ? kSetDtr : kClrDtr;
        break;
    case kLineRts:
        code = value ? kSetRts : kClrRts;
        break;
    default:
        code = 0;
    }
    if (!api_.Escape(slot->handle, code))
        return Record("CommSetLine (EscapeCommFunction)");
    return 0;
}

std::string CommPorts::CommErrorText(int32_t number) const {
    std::string text = api_.ErrorText(static_cast<uint32_t>(number));
    if (const size_t nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    if (text.size() > 255)
        text.resize(255);
    return std::string(Trim(text));
}

} // namespace tavrel
