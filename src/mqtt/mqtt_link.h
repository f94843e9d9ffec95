#pragma once
// The program as an MQTT client: publishes its state, takes commands into a bounded queue on the
// network thread, and applies them on the tick's own thread. Nothing here waits on the network.

#include "engine/tick_host.h"
#include "mqtt/connection_watch.h"
#include "mqtt/discovery.h"
#include "mqtt/mqtt_inbox.h"
#include "mqtt/mqtt_log_budget.h"
#include "mqtt/mqtt_settings.h"
#include "mqtt/mqtt_state.h"
#include "platform/mqtt_client.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace tavrel {

struct Engine;

inline constexpr size_t kMqttQueueCapacity = 64;

class MqttLink final : private MqttClientEvents {
public:
    using ClientLoader = std::function<std::unique_ptr<MqttClient>(std::string& error)>;
    // `notice` also receives each event-log line (tavreld prints them); `version` is the program's.
    MqttLink(Engine& engine, MqttSettings settings, std::string version, ClientLoader loader,
             std::function<void(const std::string&)> notice);
    ~MqttLink() override;
    MqttLink(const MqttLink&) = delete;
    MqttLink& operator=(const MqttLink&) = delete;

    // Called on the network thread as soon as a message was queued, so that the tick host can Poll at
    // once rather than at the next tick. Set before Start.
    void SetWake(std::function<void()> wake) { wake_ = std::move(wake); }

    // Loads the client and starts connecting when MQTT is enabled; does nothing otherwise.
    void Start();
    bool Active() const { return client_ != nullptr; }
    // The broker accepted the connection and it has not been lost since (as of the last Poll).
    bool Connected() const { return client_ != nullptr && watch_.Up(); }

    // At the start of a tick: logs the connection's changes, applies the queued commands (`host` runs a
    // forced check) and publishes what changed.
    void Poll(TickHost& host);
    // Publishes the state values that changed since they were last published.
    void PublishChanges();
    void PublishLogLine(const std::string& line);
    // Today's holiday as published: "ON" or "OFF" and its attributes' JSON; "" (no calendar) publishes
    // nothing. Announced to Home Assistant once a calendar is set.
    void SetHoliday(const std::string& state, const std::string& attributes);

    // Says "offline" and disconnects.
    void Stop();

private:
    void Connected(bool accepted, const std::string& reason) override;
    void Disconnected(const std::string& reason, bool takenOver) override;
    void MessageArrived(const MqttIncoming& message) override;

    void Log(const std::string& detail);
    // A line caused by network input: within the day's budget only.
    void LogInput(const std::string& detail);
    // A line about a message that was ignored: at most one in ten seconds.
    void LogIgnored(const std::string& detail);
    void ApplyMessages(TickHost& host, const MqttInboxContents& in);
    void ReportDropped(const MqttInboxContents& in);
    void RefuseRetained(const MqttMessage& m);
    void PublishAll();

    Engine& engine_;
    const MqttSettings settings_;
    const std::string version_;
    ClientLoader loader_;
    std::function<void(const std::string&)> notice_;
    std::function<void()> wake_;
    MqttInbox inbox_{kMqttQueueCapacity};
    MqttLogBudget budget_;
    std::set<std::string> retainedTopicsLogged_;
    bool takeoverLogged_ = false;
    uint64_t refusedCommands_ = 0; // commands ignored since the start because AcceptCommands is 0
    MqttConnectionWatch watch_;
    std::optional<MqttState> published_;
    std::string holiday_;
    std::string holidayAttributes_;
    bool holidayAnnounced_ = false;
    std::unique_ptr<MqttClient> client_; // last: its network thread ends before the rest goes
};

} // namespace tavrel
