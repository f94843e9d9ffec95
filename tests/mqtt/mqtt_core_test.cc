// The pure parts of the MQTT link: settings, topics and commands, the inbox, the connection's log lines,
// the reconnect pause, the published state and the discovery payloads.

#include "mqtt/connection_watch.h"
#include "mqtt/discovery.h"
#include "mqtt/mqtt_inbox.h"
#include "mqtt/mqtt_log_budget.h"
#include "mqtt/mqtt_settings.h"
#include "mqtt/mqtt_state.h"
#include "mqtt/mqtt_topics.h"
#include "platform/reconnect_backoff.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

namespace tavrel {
namespace {

MqttSettings SettingsOf(const std::map<std::string, std::string>& stored, const std::string& host = "gh-1") {
    return MqttSettingsFrom(
        [&stored](const std::string& name) -> std::optional<std::string> {
            const auto it = stored.find(name);
            return it == stored.end() ? std::nullopt : std::optional<std::string>(it->second);
        },
        host);
}

TEST(MqttSettings, DefaultsWhenNothingIsStored) {
    const MqttSettings s = SettingsOf({});
    EXPECT_FALSE(s.Enabled);
    EXPECT_EQ(s.Host, "localhost");
    EXPECT_EQ(s.Port, 1883);
    EXPECT_EQ(s.ClientId, "tavrel-gh-1");
    EXPECT_EQ(s.TopicPrefix, "tavrel/tavrel-gh-1");
    EXPECT_TRUE(s.Discovery);
    EXPECT_EQ(SettingsOf({}, "").ClientId, "tavrel");
    // A host name cannot bring wildcards into the topics.
    EXPECT_EQ(SettingsOf({}, "a+b#c").TopicPrefix, "tavrel/tavrel-a_b_c");
}

TEST(MqttSettings, StoredValuesAndBadOnes) {
    const MqttSettings s = SettingsOf({{"Enabled", "1"},
                                       {"Host", " broker.lan "},
                                       {"Port", "8883"},
                                       {"ClientId", "pump"},
                                       {"TopicPrefix", "site/pump/"},
                                       {"Password", " p w "},
                                       {"Discovery", "0"}});
    EXPECT_TRUE(s.Enabled);
    EXPECT_EQ(s.Host, "broker.lan");
    EXPECT_EQ(s.Port, 8883);
    EXPECT_EQ(s.TopicPrefix, "site/pump");
    EXPECT_EQ(s.Password, " p w ");
    EXPECT_FALSE(s.Discovery);
    for (const char* port : {"0", "65536", "18x", ""})
        EXPECT_EQ(SettingsOf({{"Port", port}}).Port, 1883) << port;
    EXPECT_EQ(SettingsOf({{"TopicPrefix", "x"}, {"ClientId", "c"}}).TopicPrefix, "x");
    EXPECT_EQ(SettingsOf({{"TopicPrefix", "site/+/#"}}).TopicPrefix, "site/_/_");
    EXPECT_EQ(SettingsOf({{"ClientId", "c"}}).TopicPrefix, "tavrel/c");
}

// A box keeps the ClientId it first used: a new one gets a random part (cloned images differ), a box that
// was already using MQTT keeps "tavrel-<host name>", and neither changes after, whatever the host name.
TEST(MqttSettings, TheClientIdIsStoredOnceAndKept) {
    test::TestContext t;
    modRegAPI& reg = t.ctx.regApi;
    const auto stored = [&] {
        return reg.ReadRegValue(kHkeyLocalMachine, kMqttKey, "ClientId", RegReadMode::Check, false)
            .value_or("");
    };
    StoreClientIdInUse(reg, "box");
    StoreClientIdOnFirstEnable(reg, false, "box");
    EXPECT_EQ(stored(), "") << "MQTT is off: nothing to store";
    reg.SetNewValue(kHkeyLocalMachine, kMqttKey, "String", "Enabled", "1", false);
    StoreClientIdOnFirstEnable(reg, true, "box");
    EXPECT_EQ(stored(), "") << "already on before the save: not a first enable";
    StoreClientIdOnFirstEnable(reg, false, "box");
    const std::string first = stored();
    EXPECT_TRUE(std::regex_match(first, std::regex("tavrel-box-[0-9a-f]{8}"))) << first;
    StoreClientIdOnFirstEnable(reg, false, "box");
    StoreClientIdInUse(reg, "renamed");
    EXPECT_EQ(stored(), first);

    reg.DeleteRegValue(kHkeyLocalMachine, kMqttKey, "ClientId", false);
    StoreClientIdInUse(reg, "box");
    EXPECT_EQ(stored(), "tavrel-box") << "enabled before ClientIds were stored";
    StoreClientIdInUse(reg, "renamed");
    StoreClientIdOnFirstEnable(reg, false, "renamed");
    EXPECT_EQ(stored(), "tavrel-box");
}

TEST(MqttTopics, CommandsAreParsedExactly) {
    const struct {
        const char* topic;
        const char* payload;
        MqttCommandKind kind;
        int relay;
    } cases[] = {
        {"p/relay/1/set", "MANUAL_ON", MqttCommandKind::ManualOn, 0},
        {"p/relay/8/set", "RELEASE", MqttCommandKind::Release, 7},
        {"p/relay/3/set", "INVERT_OFF", MqttCommandKind::InvertOff, 2},
        {"p/relay/3/set", "STOP", MqttCommandKind::Stop, 2},
        {"p/relay/0/set", "STOP", MqttCommandKind::Unknown, -1},
        {"p/relay/9/set", "STOP", MqttCommandKind::Unknown, -1},
        {"p/relay/12/set", "STOP", MqttCommandKind::Unknown, -1},
        {"p/relay/1/set", "manual_on", MqttCommandKind::Unknown, -1},
        {"p/relay/1/set", "ALL_OFF", MqttCommandKind::Unknown, -1},
        {"q/relay/1/set", "STOP", MqttCommandKind::Unknown, -1},
        {"p/command", "ALL_OFF", MqttCommandKind::AllOff, -1},
        {"p/command", "FORCE_CHECK", MqttCommandKind::ForceCheck, -1},
        {"p/command", "STOP", MqttCommandKind::Unknown, -1},
    };
    for (const auto& c : cases) {
        const MqttCommand command = ParseMqttCommand("p", c.topic, c.payload);
        EXPECT_EQ(command.kind, c.kind) << c.topic << " " << c.payload;
        EXPECT_EQ(command.relay, c.relay) << c.topic << " " << c.payload;
    }
}

TEST(MqttTopics, IgnoredPayloadIsCutAndCannotBreakTheLogLine) {
    EXPECT_EQ(IgnoredMessageText("p/relay/1/set", "ON\r\nX"), "p/relay/1/set \"ON??X\"");
    EXPECT_EQ(IgnoredMessageText("t", std::string(100, 'a')), "t \"" + std::string(64, 'a') + "\"");
    EXPECT_EQ(RelayModeText(true, true, true), "stop");
    EXPECT_EQ(RelayModeText(false, true, true), "manual");
    EXPECT_EQ(RelayModeText(false, false, true), "invert");
    EXPECT_EQ(RelayModeText(false, false, false), "schedule");
}

TEST(MqttInbox, AFloodIsCutAndCounted) {
    MqttInbox inbox(2);
    EXPECT_TRUE(inbox.Push({"a", "1"}));
    EXPECT_TRUE(inbox.Push({"b", "2"}));
    EXPECT_FALSE(inbox.Push({"c", "3"}));
    EXPECT_FALSE(inbox.Push({"d", "4"}));
    inbox.PushLinkEvent({MqttLinkChange::Lost, "x"});
    MqttInboxContents in = inbox.Drain();
    ASSERT_EQ(in.messages.size(), 2u);
    EXPECT_EQ(in.messages[1].topic, "b");
    EXPECT_EQ(in.dropped, 2u);
    EXPECT_EQ(in.linkEvents.size(), 1u);
    in = inbox.Drain();
    EXPECT_TRUE(in.messages.empty());
    EXPECT_EQ(in.dropped, 0u);
    EXPECT_TRUE(inbox.Push({"e", "5"}));
    EXPECT_FALSE(inbox.Push({"f", std::string(2000, 'x')})) << "a huge payload is dropped too";
    EXPECT_EQ(inbox.Drain().oversized, 1u);
}

TEST(MqttLogBudget, NetworkLinesStopAtTheDailyCapWithOneLineAndStartAgainNextDay) {
    MqttLogBudget budget;
    const CalendarDate day{2026, 12, 7};
    const CalendarDate next{2026, 12, 8};
    bool capReached = false;
    size_t written = 0;
    while (budget.Spend(day, 100, capReached))
        written += 100;
    EXPECT_TRUE(capReached);
    EXPECT_GT(written, kMqttDailyLogBytes - 100);
    EXPECT_FALSE(budget.Spend(day, 100, capReached));
    EXPECT_FALSE(capReached) << "the cap is told once";
    EXPECT_TRUE(budget.Spend(next, 100, capReached));
}

TEST(MqttLogBudget, IgnoredMessagesAreLoggedOnceInTenSecondsAndCounted) {
    MqttLogBudget budget;
    EXPECT_TRUE(budget.IgnoredDue(0));
    EXPECT_FALSE(budget.IgnoredDue(1000));
    EXPECT_FALSE(budget.IgnoredDue(9000));
    EXPECT_EQ(budget.UnloggedIgnored(9999), 0u);
    EXPECT_EQ(budget.UnloggedIgnored(10000), 2u);
    EXPECT_FALSE(budget.IgnoredDue(15000)) << "the count's line took the interval's place";
    EXPECT_TRUE(budget.IgnoredDue(20000));
}

TEST(MqttConnectionWatch, OneLineForTheFirstFailureAndOneForTheRecovery) {
    MqttConnectionWatch watch("h:1883");
    auto out = watch.Apply({{MqttLinkChange::Lost, "Connection refused"}, {MqttLinkChange::Lost, "again"}});
    EXPECT_EQ(out.lines, std::vector<std::string>{"no connection to h:1883 (Connection refused); retrying"});
    EXPECT_FALSE(out.connected);
    out = watch.Apply({{MqttLinkChange::Lost, "again"}, {MqttLinkChange::Connected, ""}});
    EXPECT_EQ(out.lines, std::vector<std::string>{"connection to h:1883 is back"});
    EXPECT_TRUE(out.connected);
    EXPECT_TRUE(watch.Up());
    out = watch.Apply({{MqttLinkChange::Refused, "not authorised"}, {MqttLinkChange::Lost, "x"}});
    EXPECT_EQ(out.lines,
              std::vector<std::string>{"the broker h:1883 refused the connection: not authorised"});
    EXPECT_FALSE(watch.Up());
    MqttConnectionWatch fresh("h:1");
    EXPECT_EQ(fresh.Apply({{MqttLinkChange::Connected, ""}}).lines,
              std::vector<std::string>{"connected to h:1"});
}

TEST(ReconnectBackoff, DoublesUpToTheLongestPause) {
    const int expected[] = {1, 2, 4, 8, 16, 30, 30};
    for (int attempt = 0; attempt < 7; ++attempt)
        EXPECT_EQ(ReconnectDelaySeconds(attempt, 1, 30), expected[attempt]) << attempt;
    EXPECT_EQ(ReconnectDelaySeconds(1000, 1, 30), 30);
    EXPECT_EQ(ReconnectDelaySeconds(0, 0, 0), 1);
}

TEST(MqttState, FirstEverythingThenOnlyWhatChanged) {
    MqttState a;
    a.relays[0] = {"ON", "Pump",     "schedule",
                   "0",  "00:01:00", R"({"at":"2026-12-08T18:00:00+01:00","state":"OFF"})"};
    a.relays[1] = {"", "Lamp", "manual", "0", "", ""};
    a.inputs = "- - - - - - - -";
    a.schedule = "test.run";
    a.problem = "OFF";
    const auto all = StateChanges(std::nullopt, a, "p");
    // Eight relays with five values each, less relay 2's unknown state and six more unknown ones, plus
    // relay 1's next change (the others not yet reckoned), inputs, schedule and board 1's problem.
    EXPECT_EQ(all.size(), 8u * 5 - 7 + 1 + 3);
    EXPECT_EQ(all.back(), (MqttPublication{"p/board/1/problem", "OFF", true}));
    EXPECT_EQ(all.front(), (MqttPublication{"p/relay/1/state", "ON", true}));
    MqttState b = a;
    b.relays[0].state = "OFF";
    b.relays[1].state = "ON";
    EXPECT_EQ(StateChanges(a, b, "p"), (std::vector<MqttPublication>{{"p/relay/1/state", "OFF", true},
                                                                     {"p/relay/2/state", "ON", true}}));
    EXPECT_TRUE(StateChanges(b, b, "p").empty());
    MqttState c = b;
    c.relays[0].next = "{}";
    EXPECT_EQ(StateChanges(b, c, "p"), (std::vector<MqttPublication>{{"p/relay/1/next", "{}", true}}));
    b.problem = "ON";
    EXPECT_EQ(StateChanges(a, b, "p").back(), (MqttPublication{"p/board/1/problem", "ON", true}));
}

TEST(MqttDiscovery, OneRelaysSwitchPayload) {
    std::array<std::string, kMqttRelays> names{"Pump \"A\""};
    const auto messages = DiscoveryMessages({"gh-1", "tavrel/gh-1", "0.1.0", "Relay card"}, names);
    ASSERT_EQ(messages.size(), 33u);
    EXPECT_NE(
        messages[3].payload.find(R"("device_class":"timestamp","state_topic":"tavrel/gh-1/relay/1/next")"),
        std::string::npos);
    EXPECT_EQ(messages[32].topic, "homeassistant/binary_sensor/gh-1/board1_problem/config");
    EXPECT_NE(
        messages[32].payload.find(R"("device_class":"problem","state_topic":"tavrel/gh-1/board/1/problem")"),
        std::string::npos);
    EXPECT_EQ(messages[0].topic, "homeassistant/switch/gh-1/relay1_manual/config");
    EXPECT_EQ(
        messages[0].payload,
        R"({"name":"Pump \"A\" manual","unique_id":"gh-1_relay1_manual",)"
        R"("availability_topic":"tavrel/gh-1/availability","device":{"identifiers":["gh-1"],)"
        R"("name":"Tavrel gh-1","manufacturer":"Tavrel","model":"Relay card","sw_version":"0.1.0"},)"
        R"("command_topic":"tavrel/gh-1/relay/1/set","payload_on":"MANUAL_ON","payload_off":"MANUAL_OFF",)"
        R"("state_topic":"tavrel/gh-1/relay/1/mode","value_template":"{{ 'ON' if value == 'manual' else 'OFF' }}",)"
        R"("state_on":"ON","state_off":"OFF"})");
    EXPECT_EQ(messages[1].topic, "homeassistant/binary_sensor/gh-1/relay1_state/config");
    EXPECT_NE(messages[5].payload.find(R"("name":"Relay 2")"), std::string::npos);
    EXPECT_EQ(messages[2].topic, "homeassistant/sensor/gh-1/relay1_counter/config");
    EXPECT_EQ(JsonString("a\\b\n"), R"("a\\b\u000a")");
}

} // namespace
} // namespace tavrel
