#pragma once
// "Test connection": one try of settings that are not saved yet against the broker, with a plain answer,
// and the connect options the link and the try both build from the settings.

#include "config/mqtt_record.h"
#include "platform/mqtt_client.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace tavrel {

// How to reach the broker with these settings (without the last will: the link adds its own).
MqttConnectOptions ConnectOptionsOf(const MqttSettings& settings);

enum class MqttCheckResult { Connected, BadCredentials, Refused, TlsFailed, NoAnswer, NotStarted };

struct MqttCheckOutcome {
    MqttCheckResult result;
    std::string text; // what the user is told, in one sentence
};

using MqttClientLoader = std::function<std::unique_ptr<MqttClient>(std::string& error)>;

// Connects once and disconnects at once, waiting at most `limit`; blocks the calling thread, so a window
// runs it off its own. The password never appears in the text.
MqttCheckOutcome CheckMqttConnection(const MqttSettings& settings, const MqttClientLoader& loader,
                                     std::chrono::milliseconds limit);

} // namespace tavrel
