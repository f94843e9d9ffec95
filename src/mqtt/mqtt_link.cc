#include "mqtt/mqtt_link.h"

#include "mqtt/connection_check.h"

#include "engine/engine.h"
#include "mqtt/mqtt_commands.h"
#include "mqtt/mqtt_topics.h"
#include "platform/cold_code.h"
#include "platform/hive/text_encoding.h"

#include <utility>

namespace tavrel {

namespace {

constexpr const char* kLogWhat = "MQTT";
// What a log line costs beyond its detail: the date, time and "MQTT" before it.
constexpr size_t kLogLineOverhead = 32;
// Retained commands are told once per topic; a bound on how many topics are remembered for that.
constexpr size_t kMaxRetainedTopicsLogged = 64;

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
    void Notice(const std::string& line) override { inner_.Notice(line); }
    void Trace(const std::string& line) override { inner_.Trace(line); }
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
    MqttConnectOptions o = ConnectOptionsOf(settings_);
    if (!o.password.empty() && o.caFile.empty() && o.caPath.empty())
        Log("the password goes to the broker unencrypted: there is no TLS (set TlsCaFile, or TlsSystemCa to "
            "1)");
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
    if (outcome.takenOver && !takeoverLogged_) {
        takeoverLogged_ = true;
        Log("the broker ended the session within seconds of accepting it: another client probably uses "
            "the ClientId " +
            settings_.ClientId);
    }
    if (outcome.connected)
        PublishAll();
    ApplyMessages(host, in);
    ReportDropped(in);
    if (const size_t unlogged = budget_.UnloggedIgnored(engine_.clock.MonotonicMs()); unlogged > 0)
        LogInput(std::to_string(unlogged) + " more messages ignored within 10 s, not logged");
    PublishChanges();
}

TAVREL_COLD void MqttLink::ReportDropped(const MqttInboxContents& in) {
    if (in.dropped > 0)
        LogInput(std::to_string(in.dropped) + " commands dropped: more than " +
                 std::to_string(kMqttQueueCapacity) + " arrived within one tick");
    if (in.oversized > 0)
        LogIgnored(std::to_string(in.oversized) + " messages ignored: topic or payload longer than 1 KiB");
}

// A retained command would be applied again at every reconnect, days after it was meant: it is never
// acted on, and cleared (an empty retained message) where the broker lets this client do so.
TAVREL_COLD void MqttLink::RefuseRetained(const MqttMessage& m) {
    client_->Publish(m.topic, "", true);
    if (retainedTopicsLogged_.size() >= kMaxRetainedTopicsLogged ||
        !retainedTopicsLogged_.insert(m.topic).second)
        return;
    LogInput("retained command ignored and cleared: " + Utf8ToCp1252(MqttShownText(m.topic)));
}

TAVREL_COLD void MqttLink::ApplyMessages(TickHost& host, const MqttInboxContents& in) {
    if (in.messages.empty())
        return;
    DeferredRestartEvents deferred(engine_.events);
    Engine batch{engine_.schedule,   engine_.state, engine_.settings, engine_.display, engine_.boards,
                 engine_.boardState, engine_.clock, engine_.boxes,    deferred};
    for (const MqttMessage& m : in.messages) {
        // An empty message clears a retained one (this link's own clearing comes back so).
        if (m.payload.empty())
            continue;
        if (m.retained) {
            RefuseRetained(m);
            continue;
        }
        const MqttCommand command = ParseMqttCommand(settings_.TopicPrefix, m.topic, m.payload);
        if (command.kind == MqttCommandKind::Unknown) {
            LogIgnored("ignored " + Utf8ToCp1252(IgnoredMessageText(m.topic, m.payload)));
            continue;
        }
        if (!settings_.AcceptCommands) {
            ++refusedCommands_;
            LogIgnored("command ignored (AcceptCommands is 0): " +
                       Utf8ToCp1252(IgnoredMessageText(m.topic, m.payload)) + "; " +
                       std::to_string(refusedCommands_) + " ignored since the start");
            continue;
        }
        if (const std::string done = ApplyMqttCommand(batch, host, command); !done.empty())
            LogInput("command " + done);
    }
    if (deferred.due)
        engine_.events.RestartFileDue();
}

TAVREL_COLD void MqttLink::PublishAll() {
    client_->Publish(AvailabilityTopic(settings_.TopicPrefix), kMqttOnline, true);
    const MqttState now = TakeMqttState(engine_);
    std::array<std::string, kMqttRelays> names;
    for (int r = 0; r < kMqttRelays; ++r)
        names[static_cast<size_t>(r)] = now.relays[static_cast<size_t>(r)].name;
    const DiscoveryDevice device{settings_.ClientId, settings_.TopicPrefix, version_,
                                 engine_.schedule.BoardArray[0].ChipSetType};
    // With discovery off, an empty retained config removes each entity Home Assistant may still know
    // from a run that had it on (sent at every connection: the switch may have come while offline).
    for (const MqttPublication& p : DiscoveryMessages(device, names))
        client_->Publish(p.topic, settings_.Discovery ? p.payload : std::string(), true);
    if (!settings_.Discovery)
        client_->Publish(HolidayDiscoveryMessage(device).topic, std::string(), true);
    published_.reset();
    holidayAnnounced_ = false;
}

TAVREL_COLD void MqttLink::PublishChanges() {
    if (client_ == nullptr || !watch_.Up())
        return;
    MqttState now = TakeMqttState(engine_);
    now.holiday = holiday_;
    now.holidayAttributes = holidayAttributes_;
    if (settings_.Discovery && !holiday_.empty() && !holidayAnnounced_) {
        const DiscoveryDevice device{settings_.ClientId, settings_.TopicPrefix, version_,
                                     engine_.schedule.BoardArray[0].ChipSetType};
        const MqttPublication p = HolidayDiscoveryMessage(device);
        holidayAnnounced_ = client_->Publish(p.topic, p.payload, p.retain);
    }
    if (published_ && *published_ == now)
        return;
    for (const MqttPublication& p : StateChanges(published_, now, settings_.TopicPrefix))
        if (!client_->Publish(p.topic, p.payload, p.retain))
            return; // the connection went: everything is sent again when it is back
    published_ = now;
}

TAVREL_COLD void MqttLink::SetHoliday(const std::string& state, const std::string& attributes) {
    holiday_ = state;
    holidayAttributes_ = attributes;
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

TAVREL_COLD void MqttLink::LogInput(const std::string& detail) {
    bool capReached = false;
    if (budget_.Spend(engine_.clock.Today(), detail.size() + kLogLineOverhead, capReached))
        Log(detail);
    else if (capReached)
        Log("1 MiB of lines caused by MQTT messages logged today: no more until midnight");
}

TAVREL_COLD void MqttLink::LogIgnored(const std::string& detail) {
    if (budget_.IgnoredDue(engine_.clock.MonotonicMs()))
        LogInput(detail);
}

TAVREL_COLD void MqttLink::Connected(bool accepted, const std::string& reason) {
    if (accepted) {
        client_->Subscribe(RelaySetPattern(settings_.TopicPrefix));
        client_->Subscribe(CommandTopic(settings_.TopicPrefix));
    }
    inbox_.PushLinkEvent({accepted ? MqttLinkChange::Connected : MqttLinkChange::Refused, reason});
}

TAVREL_COLD void MqttLink::Disconnected(const std::string& reason, bool takenOver) {
    inbox_.PushLinkEvent({takenOver ? MqttLinkChange::TakenOver : MqttLinkChange::Lost, reason});
}

TAVREL_COLD void MqttLink::MessageArrived(const MqttIncoming& message) {
    inbox_.Push(message);
    if (wake_)
        wake_();
}

} // namespace tavrel
