#include "shell/mqtt_start.h"

#include "platform/cold_code.h"
#include "platform/host_name.h"
#include "platform/mqtt_client.h"
#include "shell/console_host.h"
#include "shell/program_context.h"
#include "shell/version.h"

namespace tavrel {

namespace {

TAVREL_COLD std::unique_ptr<MqttLink> MakeMqttLink(ProgramContext& ctx,
                                                   std::function<void(const std::string&)> notice) {
    auto link = std::make_unique<MqttLink>(ctx.engine, LoadMqttSettings(ctx.regApi, HostName()),
                                           kProgramVersion, LoadMqttClient, std::move(notice));
    link->Start();
    return link;
}

TAVREL_COLD void RunLinked(ProgramContext& ctx, TickHost& host, const std::function<bool()>& stop,
                           MqttLink& link) {
    MqttTickHost linked(host, link);
    RunSchedulerLoop(ctx, linked, [&] {
        link.Poll(linked);
        return stop();
    });
}

} // namespace

std::unique_ptr<MqttLink> StartMqttLink(ProgramContext& ctx, std::function<void(const std::string&)> notice) {
    if (!MqttEnabled(ctx.regApi))
        return nullptr;
    return MakeMqttLink(ctx, std::move(notice));
}

void RunSchedulerLoopWithMqtt(ProgramContext& ctx, TickHost& host, const std::function<bool()>& stop,
                              MqttLink* link) {
    if (link == nullptr) {
        RunSchedulerLoop(ctx, host, stop);
        return;
    }
    RunLinked(ctx, host, stop, *link);
}

std::string MqttVersionText() {
    return MqttClientBuiltIn() ? "MQTT: available" : "MQTT: not built in";
}

} // namespace tavrel
