#include "mqtt/mqtt_topics.h"

#include "platform/cold_code.h"
#include <array>
#include <utility>

namespace tavrel {

namespace {

constexpr int kRelayCount = 8;
constexpr size_t kShownLength = 64;

constexpr std::array<std::pair<const char*, MqttCommandKind>, 6> kRelayCommands{{
    {"MANUAL_ON", MqttCommandKind::ManualOn},
    {"MANUAL_OFF", MqttCommandKind::ManualOff},
    {"INVERT_ON", MqttCommandKind::InvertOn},
    {"INVERT_OFF", MqttCommandKind::InvertOff},
    {"STOP", MqttCommandKind::Stop},
    {"RELEASE", MqttCommandKind::Release},
}};

constexpr std::array<std::pair<const char*, MqttCommandKind>, 2> kProgramCommands{{
    {"ALL_OFF", MqttCommandKind::AllOff},
    {"FORCE_CHECK", MqttCommandKind::ForceCheck},
}};

template <size_t N>
TAVREL_COLD MqttCommandKind Lookup(const std::array<std::pair<const char*, MqttCommandKind>, N>& table,
                                   const std::string& word) {
    for (const auto& [name, kind] : table)
        if (word == name)
            return kind;
    return MqttCommandKind::Unknown;
}

TAVREL_COLD std::string Printable(const std::string& text) {
    std::string out;
    for (const char c : text)
        out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    return out;
}

} // namespace

TAVREL_COLD std::string AvailabilityTopic(const std::string& prefix) {
    return prefix + "/availability";
}

TAVREL_COLD std::string RelayTopic(const std::string& prefix, int relayNumber, const std::string& leaf) {
    return prefix + "/relay/" + std::to_string(relayNumber) + "/" + leaf;
}

TAVREL_COLD std::string BoardTopic(const std::string& prefix, int boardNumber, const std::string& leaf) {
    return prefix + "/board/" + std::to_string(boardNumber) + "/" + leaf;
}

TAVREL_COLD std::string InputsTopic(const std::string& prefix) {
    return prefix + "/inputs";
}

TAVREL_COLD std::string ScheduleTopic(const std::string& prefix) {
    return prefix + "/schedule";
}

TAVREL_COLD std::string LogTopic(const std::string& prefix) {
    return prefix + "/log";
}

TAVREL_COLD std::string HolidayTopic(const std::string& prefix) {
    return prefix + "/holiday";
}

TAVREL_COLD std::string HolidayAttributesTopic(const std::string& prefix) {
    return HolidayTopic(prefix) + "/attributes";
}

TAVREL_COLD std::string CommandTopic(const std::string& prefix) {
    return prefix + "/command";
}

TAVREL_COLD std::string RelaySetPattern(const std::string& prefix) {
    return prefix + "/relay/+/set";
}

TAVREL_COLD std::string RelayModeText(bool hardStop, bool manual, bool invert) {
    return hardStop ? "stop" : manual ? "manual" : invert ? "invert" : "schedule";
}

TAVREL_COLD MqttCommand ParseMqttCommand(const std::string& prefix, const std::string& topic,
                                         const std::string& payload) {
    if (topic == CommandTopic(prefix))
        return {Lookup(kProgramCommands, payload), -1};
    const std::string head = prefix + "/relay/";
    const std::string tail = "/set";
    if (topic.size() != head.size() + 1 + tail.size() || topic.compare(0, head.size(), head) != 0 ||
        topic.compare(head.size() + 1, tail.size(), tail) != 0)
        return {};
    const int number = topic[head.size()] - '0';
    if (number < 1 || number > kRelayCount)
        return {};
    const MqttCommandKind kind = Lookup(kRelayCommands, payload);
    return {kind, kind == MqttCommandKind::Unknown ? -1 : number - 1};
}

TAVREL_COLD std::string MqttShownText(const std::string& text) {
    return Printable(text.substr(0, kShownLength));
}

TAVREL_COLD std::string IgnoredMessageText(const std::string& topic, const std::string& payload) {
    return MqttShownText(topic) + " \"" + MqttShownText(payload) + "\"";
}

TAVREL_COLD std::string MqttCommandName(MqttCommandKind kind) {
    for (const auto& [name, k] : kRelayCommands)
        if (k == kind)
            return name;
    for (const auto& [name, k] : kProgramCommands)
        if (k == kind)
            return name;
    return "UNKNOWN";
}

} // namespace tavrel
