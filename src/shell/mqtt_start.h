#pragma once
// The program's MQTT link, made from the stored settings. With MQTT off (the default) nothing of it is
// made and no library is loaded.

#include "mqtt/mqtt_link.h"

#include <functional>
#include <memory>
#include <string>

namespace tavrel {

struct ProgramContext;

// Null when MQTT is off; else the link, started. `notice` receives each line it writes to the event log.
std::unique_ptr<MqttLink> StartMqttLink(ProgramContext& ctx, std::function<void(const std::string&)> notice);

// RunSchedulerLoop, with the MQTT link when there is one (`link` null: none): its commands applied at the
// start of each tick, every change published. The link stays running: its owner stops it after the
// program's own close, so that the close never waits on the network.
void RunSchedulerLoopWithMqtt(ProgramContext& ctx, TickHost& host, const std::function<bool()>& stop,
                              MqttLink* link);

// "MQTT: available" or "MQTT: not built in", for --version.
std::string MqttVersionText();

} // namespace tavrel
