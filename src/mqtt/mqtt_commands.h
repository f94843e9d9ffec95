#pragma once
// Carries out the commands that came over MQTT, through the same operations as the relay panel's clicks,
// the kill's "all off" and Force Time Check.

#include "mqtt/mqtt_topics.h"

#include <string>

namespace tavrel {

struct Engine;
class TickHost;

// Applies one command. A command that finds its setting already so changes nothing and returns "";
// otherwise returns what it did, for the event log ("relay 3 MANUAL_ON").
std::string ApplyMqttCommand(Engine& engine, TickHost& host, const MqttCommand& command);

} // namespace tavrel
