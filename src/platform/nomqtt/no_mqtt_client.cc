#include "platform/mqtt_client.h"

namespace tavrel {

bool MqttClientBuiltIn() {
    return false;
}

std::unique_ptr<MqttClient> LoadMqttClient(std::string& error) {
    error = "this build has no MQTT client";
    return nullptr;
}

} // namespace tavrel
