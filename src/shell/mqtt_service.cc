#include "shell/mqtt_service.h"

#include "engine/holiday_calendar.h"
#include "mqtt/discovery.h"
#include "platform/cold_code.h"
#include "platform/host_name.h"
#include "platform/mqtt_client.h"
#include "shell/program_context.h"
#include "shell/version.h"

namespace tavrel {

MqttService::MqttService(ProgramContext& ctx, std::function<void(const std::string&)> notice)
    : ctx_(ctx), notice_(std::move(notice)) {}

MqttService::~MqttService() {
    Stop();
}

TAVREL_COLD void MqttService::Start() {
    // A program that keeps MQTT off reads nothing more than this.
    if (link_ == nullptr && MqttEnabled(ctx_.regApi)) {
        StoreClientIdInUse(ctx_.regApi, HostName());
        StartWith(LoadMqttSettings(ctx_.regApi, HostName()));
    }
}

TAVREL_COLD void MqttService::StartWith(MqttSettings settings) {
    settings_ = std::move(settings);
    if (!settings_.Enabled)
        return;
    link_ = std::make_unique<MqttLink>(ctx_.engine, settings_, kProgramVersion, LoadMqttClient, notice_);
    link_->SetWake(wake_);
    link_->SetHoliday(holiday_, holidayAttributes_);
    link_->Start();
}

TAVREL_COLD void MqttService::Stop() {
    if (link_ != nullptr)
        link_->Stop();
    link_.reset();
}

TAVREL_COLD bool MqttService::Reload() {
    // A Save in the window can come while a command's forced check lets window events run inside Poll:
    // the link on the stack must not go; the reload follows when Poll returns.
    if (polling_) {
        reloadDue_ = true;
        return false;
    }
    StoreClientIdInUse(ctx_.regApi, HostName());
    MqttSettings now = LoadMqttSettings(ctx_.regApi, HostName());
    if (Running() ? now == settings_ : !now.Enabled)
        return false;
    Stop();
    const std::string detail = now.Enabled ? "settings changed: the link starts again" : "switched off";
    ctx_.eventLog.WriteEvent("MQTT", detail);
    if (notice_)
        notice_("MQTT: " + detail);
    StartWith(std::move(now));
    return true;
}

MqttLinkState MqttService::LinkState() const {
    if (link_ == nullptr || !link_->Active())
        return MqttLinkState::Off;
    return link_->Connected() ? MqttLinkState::Connected : MqttLinkState::Retrying;
}

void MqttService::Poll(TickHost& host) {
    if (link_ == nullptr)
        return;
    polling_ = true;
    link_->Poll(host);
    polling_ = false;
    if (reloadDue_) {
        reloadDue_ = false;
        Reload();
    }
}

void MqttService::DisplayChanged() {
    if (link_ != nullptr)
        link_->PublishChanges();
}

void MqttService::StateLineLogged(const std::string& line) {
    if (link_ != nullptr)
        link_->PublishLogLine(line);
}

TAVREL_COLD void MqttService::SetHoliday(const Holiday* today, bool calendar) {
    holiday_ = !calendar ? "" : today != nullptr ? "ON" : "OFF";
    holidayAttributes_ = !calendar          ? ""
                         : today != nullptr ? "{\"name\":" + JsonString(today->name) +
                                                  ",\"file\":" + JsonString(today->file) + "}"
                                            : "{\"name\":null,\"file\":null}";
    if (link_ != nullptr) {
        link_->SetHoliday(holiday_, holidayAttributes_);
        link_->PublishChanges();
    }
}

std::string MqttVersionText() {
    return MqttClientBuiltIn() ? "MQTT: available" : "MQTT: not built in";
}

} // namespace tavrel
