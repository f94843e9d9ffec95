#pragma once
// What the network thread hands to the tick: messages in a bounded queue (a flood is cut, not queued,
// and counted) and the connection's ups and downs. Filled on the network thread, drained by the tick.

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace tavrel {

struct MqttMessage {
    std::string topic;
    std::string payload;
};

enum class MqttLinkChange { Connected, Refused, Lost };

struct MqttLinkEvent {
    MqttLinkChange change;
    std::string reason;
};

struct MqttInboxContents {
    std::vector<MqttMessage> messages;
    size_t dropped = 0; // messages refused since the last drain because the queue was full
    std::vector<MqttLinkEvent> linkEvents;
};

class MqttInbox {
public:
    explicit MqttInbox(size_t capacity) : capacity_(capacity) {}

    // False when the queue is full: the message is dropped and counted.
    bool Push(MqttMessage message);
    void PushLinkEvent(MqttLinkEvent event);

    // Everything that arrived since the last drain, in order of arrival.
    MqttInboxContents Drain();

private:
    const size_t capacity_;
    std::mutex mutex_;
    MqttInboxContents contents_;
};

} // namespace tavrel
