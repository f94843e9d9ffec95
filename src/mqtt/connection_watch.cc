#include "mqtt/connection_watch.h"

#include "platform/cold_code.h"
namespace tavrel {

TAVREL_COLD MqttConnectionWatch::Outcome
MqttConnectionWatch::Apply(const std::vector<MqttLinkEvent>& events) {
    Outcome out;
    for (const MqttLinkEvent& e : events) {
        if (e.change == MqttLinkChange::TakenOver) {
            out.takenOver = true;
            contested_ = true;
            state_ = State::Down;
            continue;
        }
        if (e.change == MqttLinkChange::Connected) {
            if (state_ != State::Up && !contested_)
                out.lines.push_back(state_ == State::Down ? "connection to " + broker_ + " is back"
                                                          : "connected to " + broker_);
            state_ = State::Up;
            out.connected = true;
            continue;
        }
        contested_ = false;
        if (state_ == State::Down)
            continue;
        out.lines.push_back(e.change == MqttLinkChange::Refused
                                ? "the broker " + broker_ + " refused the connection: " + e.reason
                                : "no connection to " + broker_ + " (" + e.reason + "); retrying");
        state_ = State::Down;
    }
    return out;
}

} // namespace tavrel
