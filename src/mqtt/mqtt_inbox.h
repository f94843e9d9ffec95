#pragma once
// What the network thread hands to the tick: messages in a bounded queue (a flood is cut, not queued,
// and counted) and the connection's ups and downs. Filled on the network thread, drained by the tick.

#include "platform/mqtt_client.h"

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

namespace tavrel {

struct MqttMessage {
    std::string topic;
    std::string payload;
    bool retained = false;
};

// TakenOver: lost within seconds of being accepted, as when another client uses the same ClientId.
enum class MqttLinkChange { Connected, Refused, Lost, TakenOver };

struct MqttLinkEvent {
    MqttLinkChange change;
    std::string reason;
};

struct MqttInboxContents {
    std::vector<MqttMessage> messages;
    size_t dropped = 0;   // messages refused since the last drain because the queue was full
    size_t oversized = 0; // messages refused, uncopied, because their topic or payload was too long
    std::vector<MqttLinkEvent> linkEvents;
};

class MqttInbox {
public:
    explicit MqttInbox(size_t capacity) : capacity_(capacity) {}

    // False when the queue is full or the message too long: it is dropped and counted, and a long one is
    // not even copied.
    bool Push(const MqttIncoming& message);
    void PushLinkEvent(MqttLinkEvent event);

    // Everything that arrived since the last drain, in order of arrival.
    MqttInboxContents Drain();

private:
    const size_t capacity_;
    std::mutex mutex_;
    MqttInboxContents contents_;
};

} // namespace tavrel
