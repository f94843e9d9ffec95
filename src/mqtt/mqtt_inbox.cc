#include "mqtt/mqtt_inbox.h"

#include "platform/cold_code.h"
#include <utility>

namespace tavrel {

namespace {
// Link events are few (one per connect or loss); the bound only guards against a flapping broker.
constexpr size_t kMaxLinkEvents = 16;
// No command is longer than a few dozen bytes, nor its topic longer than the prefix and a few more: a
// bigger message is dropped and counted, so that a full queue stays small.
constexpr size_t kMaxPayloadBytes = 1024;
constexpr size_t kMaxTopicBytes = 1024;
} // namespace

TAVREL_COLD bool MqttInbox::Push(const MqttIncoming& message) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (message.payload.size() > kMaxPayloadBytes || message.topic.size() > kMaxTopicBytes) {
        ++contents_.oversized;
        return false;
    }
    if (contents_.messages.size() >= capacity_) {
        ++contents_.dropped;
        return false;
    }
    contents_.messages.push_back(
        {std::string(message.topic), std::string(message.payload), message.retained});
    return true;
}

TAVREL_COLD void MqttInbox::PushLinkEvent(MqttLinkEvent event) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (contents_.linkEvents.size() >= kMaxLinkEvents)
        contents_.linkEvents.erase(contents_.linkEvents.begin());
    contents_.linkEvents.push_back(std::move(event));
}

TAVREL_COLD MqttInboxContents MqttInbox::Drain() {
    const std::lock_guard<std::mutex> lock(mutex_);
    MqttInboxContents out = std::move(contents_);
    contents_ = MqttInboxContents{};
    return out;
}

} // namespace tavrel
