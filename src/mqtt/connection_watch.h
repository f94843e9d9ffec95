#pragma once
// Turns the connection's ups and downs into event-log lines: the first failure and the recovery each
// give one line, however long the broker stays away and however often the client retries.

#include "mqtt/mqtt_inbox.h"

#include <string>
#include <vector>

namespace tavrel {

class MqttConnectionWatch {
public:
    // `broker` names the broker in the lines ("localhost:1883").
    explicit MqttConnectionWatch(std::string broker) : broker_(std::move(broker)) {}

    struct Outcome {
        std::vector<std::string> lines; // event-log details, in order
        bool connected = false;         // a connection was (re)made: publish everything again
        bool takenOver = false;         // a session ended within seconds of being accepted
    };
    Outcome Apply(const std::vector<MqttLinkEvent>& events);

    bool Up() const { return state_ == State::Up; }

private:
    enum class State { Starting, Up, Down };
    std::string broker_;
    State state_ = State::Starting;
    // Sessions taken over again and again: their ups and downs are not told one by one.
    bool contested_ = false;
};

} // namespace tavrel
