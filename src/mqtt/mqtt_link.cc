#include "mqtt/mqtt_link.h"

#include "engine/engine.h"
#include "mqtt/mqtt_commands.h"
#include "mqtt/mqtt_topics.h"
#include "platform/cold_code.h"
#include "platform/hive/text_encoding.h"

#include <utility>

namespace tavrel {

namespace {

constexpr const char* kLogWhat = "MQTT";

// Hands every event on but the restart file, which a batch of commands writes once at its end: a flood
// of toggles then costs one write, not one per command.
class DeferredRestartEvents final : public EngineEvents {
public:
    explicit DeferredRestartEvents(EngineEvents& inner) : inner_(inner) {}
    void RestartFileDue() override { due = true; }
    void LogEvent(const std::string& what, const std::string& detail) override {
        inner_.LogEvent(what, detail);
    }
    std::string LogStateLine(const std::string (&relayTexts)[kBoardSlots],
                             const std::string (&inputTexts)[kBoardSlots]) override {
        return inner_.LogStateLine(relayTexts, inputTexts);
    }
    void ShutDownComputer() override { inner_.ShutDownComputer(); }
    bool due = false;

private:
    EngineEvents& inner_;
};

} // namespace

TAVREL_COLD MqttLink::MqttLink(Engine& engine, MqttSettings settings, std::string version,
                               ClientLoader loader, std::function<void(const std::string&)> notice)
    : engine_(engine), settings_(std::move(settings)), version_(std::move(version)),
      loader_(std::move(loader)), notice_(std::move(notice)),
      watch_(settings_.Host + ":" + std::to_string(settings_.Port)) {}

TAVREL_COLD MqttLink::~MqttLink() {
    Stop();
}

TAVREL_COLD void MqttLink::Start() {
    if (!settings_.Enabled || client_ != nullptr)
        return;
    std::string error;
    // Set before the network thread starts, which may report a connection at once.
    client_ = loader_(error);
    if (client_ == nullptr) {
        Log("not started: " + error);
        return;
    }
    MqttConnectOptions o;
    o.host = settings_.Host;
    o.port = settings_.Port;
    o.clientId = settings_.ClientId;
    o.username = settings_.Username;
    o.password = settings_.Password;
    o.caFile = settings_.TlsCaFile;
    o.willTopic = AvailabilityTopic(settings_.TopicPrefix);
    o.willPayload = kMqttOffline;
    if (!client_->Start(o, *this, error)) {
        client_.reset();
        Log("not started: " + error);
    }
}

TAVREL_COLD void MqttLink::Stop() {
    if (client_ == nullptr)
        return;
    if (watch_.Up())
        client_->Publish(AvailabilityTopic(settings_.TopicPrefix), kMqttOffline, true);
    client_->Stop();
    client_.reset();
}

TAVREL_COLD void MqttLink::Poll(TickHost& host) {
    if (client_ == nullptr)
        return;
    const MqttInboxContents in = inbox_.Drain();
    const MqttConnectionWatch::Outcome outcome = watch_.Apply(in.linkEvents);
    for (const std::string& line : outcome.lines)
        Log(line);
    if (outcome.connected)
        PublishAll();
    ApplyMessages(host, in);
    if (in.dropped > 0)
        Log(std::to_string(in.dropped) + " commands dropped: more than " +
            std::to_string(kMqttQueueCapacity) + " arrived within one tick");
    PublishChanges();
}

TAVREL_COLD void MqttLink::ApplyMessages(TickHost& host, const MqttInboxContents& in) {
    if (in.messages.empty())
        return;
    DeferredRestartEvents deferred(engine_.events);
    Engine batch{engine_.schedule,   engine_.state, engine_.settings, engine_.display, engine_.boards,
                 engine_.boardState, engine_.clock, engine_.boxes,    deferred};
    for (const MqttMessage& m : in.messages) {
        const MqttCommand command = ParseMqttCommand(settings_.TopicPrefix, m.topic, m.payload);
        if (command.kind == MqttCommandKind::Unknown) {
            Log("ignored " + Utf8ToCp1252(IgnoredMessageText(m.topic, m.payload)));
            continue;
        }
        if (const std::string done = ApplyMqttCommand(batch, host, command); !done.empty())
            Log("command " + done);
    }
    if (deferred.due)
        engine_.events.RestartFileDue();
}

TAVREL_COLD void MqttLink::PublishAll() {
    client_->Publish(AvailabilityTopic(settings_.TopicPrefix), kMqttOnline, true);
    const MqttState now = TakeMqttState(engine_);
    if (settings_.Discovery) {
        std::array<std::string, kMqttRelays> names;
        for (int r = 0; r < kMqttRelays; ++r)
            names[static_cast<size_t>(r)] = now.relays[static_cast<size_t>(r)].name;
        const DiscoveryDevice device{settings_.ClientId, settings_.TopicPrefix, version_,
                                     engine_.schedule.BoardArray[0].ChipSetType};
        for (const MqttPublication& p : DiscoveryMessages(device, names))
            client_->Publish(p.topic, p.payload, p.retain);
    }
    published_.reset();
}

TAVREL_COLD void MqttLink::PublishChanges() {
    if (client_ == nullptr || !watch_.Up())
        return;
    const MqttState now = TakeMqttState(engine_);
    if (published_ && *published_ == now)
        return;
    for (const MqttPublication& p : StateChanges(published_, now, settings_.TopicPrefix))
        if (!client_->Publish(p.topic, p.payload, p.retain))
            return; // the connection went: everything is sent again when it is back
    published_ = now;
}

TAVREL_COLD void MqttLink::PublishLogLine(const std::string& line) {
    if (client_ != nullptr && watch_.Up())
        client_->Publish(LogTopic(settings_.TopicPrefix), Cp1252ToUtf8(line), false);
}

TAVREL_COLD void MqttLink::Log(const std::string& detail) {
    engine_.events.LogEvent(kLogWhat, detail);
    if (notice_)
        notice_(std::string(kLogWhat) + ": " + detail);
}

TAVREL_COLD void MqttLink::Connected(bool accepted, const std::string& reason) {
    if (accepted) {
        client_->Subscribe(RelaySetPattern(settings_.TopicPrefix));
        client_->Subscribe(CommandTopic(settings_.TopicPrefix));
    }
    inbox_.PushLinkEvent({accepted ? MqttLinkChange::Connected : MqttLinkChange::Refused, reason});
}

TAVREL_COLD void MqttLink::Disconnected(const std::string& reason) {
    inbox_.PushLinkEvent({MqttLinkChange::Lost, reason});
}

TAVREL_COLD void MqttLink::MessageArrived(const std::string& topic, const std::string& payload) {
    inbox_.Push({topic, payload});
}

} // namespace tavrel
