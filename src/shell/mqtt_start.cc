#include "shell/mqtt_start.h"

#include "platform/host_name.h"
#include "platform/mqtt_client.h"
#include "shell/program_context.h"
#include "shell/version.h"

namespace tavrel {

std::unique_ptr<MqttLink> StartMqttLink(ProgramContext& ctx, std::function<void(const std::string&)> notice) {
    auto link = std::make_unique<MqttLink>(ctx.engine, LoadMqttSettings(ctx.regApi, HostName()), kProgramVersion,
                                           LoadMqttClient, std::move(notice));
    link->Start();
    return link;
}

std::string MqttVersionText() {
    return MqttClientBuiltIn() ? "MQTT: available" : "MQTT: not built in";
}

} // namespace tavrel
