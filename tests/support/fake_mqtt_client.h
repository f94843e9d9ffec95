#pragma once
// An MQTT client that records what it was asked to send; the test plays the broker through `events`.

#include "platform/mqtt_client.h"

#include <string>
#include <vector>

namespace tavrel::test {

struct FakeBroker {
    struct Sent {
        std::string topic;
        std::string payload;
        bool retain;
    };
    std::vector<Sent> sent;
    std::vector<std::string> subscribed;
    MqttClientEvents* events = nullptr;
    MqttConnectOptions options;
    bool connected = false;
    bool stopped = false;
    int loads = 0;

    // What was last sent on `topic`, or "(none)".
    std::string Last(const std::string& topic) const {
        for (auto it = sent.rbegin(); it != sent.rend(); ++it)
            if (it->topic == topic)
                return it->payload;
        return "(none)";
    }
    void Connect() {
        connected = true;
        events->Connected(true, "");
    }
    void Drop() {
        connected = false;
        events->Disconnected("Connection refused", false);
    }
};

class FakeMqttClient final : public MqttClient {
public:
    explicit FakeMqttClient(FakeBroker& broker) : broker_(broker) {}
    bool Start(const MqttConnectOptions& options, MqttClientEvents& events, std::string&) override {
        broker_.options = options;
        broker_.events = &events;
        return true;
    }
    bool Publish(const std::string& topic, const std::string& payload, bool retain) override {
        if (broker_.connected)
            broker_.sent.push_back({topic, payload, retain});
        return broker_.connected;
    }
    bool Subscribe(const std::string& pattern) override {
        broker_.subscribed.push_back(pattern);
        return true;
    }
    void Stop() override { broker_.stopped = true; }

private:
    FakeBroker& broker_;
};

} // namespace tavrel::test
