#pragma once
// The program's MQTT link, made from the stored settings: inactive (and no library loaded) unless
// MQTT is enabled.

#include "mqtt/mqtt_link.h"

#include <functional>
#include <memory>
#include <string>

namespace tavrel {

struct ProgramContext;

// Started when enabled; `notice` receives each line the link writes to the event log.
std::unique_ptr<MqttLink> StartMqttLink(ProgramContext& ctx, std::function<void(const std::string&)> notice);

// "MQTT: available" or "MQTT: not built in", for --version.
std::string MqttVersionText();

} // namespace tavrel
