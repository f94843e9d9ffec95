// The link between the program and a broker, on a fake client: what it publishes, and how commands
// reach the relays through the panel's own operations.

#include "engine/tick.h"
#include "mqtt/mqtt_link.h"
#include "shell/schedule_commands.h"
#include "support/fake_mqtt_client.h"
#include "support/recording_host.h"
#include "support/temp_home.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tavrel {
namespace {

class MqttLinkTest : public ::testing::Test {
protected:
    MqttLinkTest() {
        ctx.settings.LoggingOnOff = kTrue;
        ctx.settings.LogFilePath = tc.platform.home.Path() + "/";
        ctx.schedule.RelayArray[1].DisplayName = "Lamp";
        settings.Enabled = true;
        settings.ClientId = "box";
        settings.TopicPrefix = "t/box";
        settings.Password = "s3cret";
    }

    MqttLink& Link() {
        if (!link) {
            link = std::make_unique<MqttLink>(
                ctx.engine, settings, "0.1.0",
                [this](std::string&) -> std::unique_ptr<MqttClient> {
                    ++broker.loads;
                    return std::make_unique<test::FakeMqttClient>(broker);
                },
                [this](const std::string& line) { notices += line + "\n"; });
            link->Start();
        }
        return *link;
    }
    void Send(const std::string& topic, const std::string& payload, bool retained = false) {
        broker.events->MessageArrived({topic, payload, retained});
    }
    std::string Log() {
        const std::string path = ctx.eventLog.CurrentLogPath();
        return std::filesystem::exists(path) ? test::ReadWholeFile(path) : "";
    }
    size_t Count(const std::string& text) {
        const std::string log = Log();
        size_t n = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++n;
        return n;
    }
    std::string RestartPath() { return ctx.drives.Map(std::string(kRestartFolder) + kRestartFileName); }

    test::TestContext tc;
    ProgramContext& ctx = tc.ctx;
    test::FakeBroker broker;
    test::RecordingHost host;
    MqttSettings settings;
    std::string notices;
    std::unique_ptr<MqttLink> link;
};

TEST_F(MqttLinkTest, DisabledLoadsNothing) {
    settings.Enabled = false;
    Link().Poll(host);
    EXPECT_FALSE(Link().Active());
    EXPECT_EQ(broker.loads, 0);
}

TEST_F(MqttLinkTest, ConnectingPublishesAvailabilityDiscoveryAndState) {
    Link();
    EXPECT_EQ(broker.options.willTopic, "t/box/availability");
    EXPECT_EQ(broker.options.willPayload, "offline");
    broker.Connect();
    EXPECT_EQ(broker.subscribed, (std::vector<std::string>{"t/box/relay/+/set", "t/box/command"}));
    Link().Poll(host);
    EXPECT_EQ(broker.sent.front().topic, "t/box/availability");
    EXPECT_EQ(broker.Last("t/box/relay/2/name"), "Lamp");
    EXPECT_EQ(broker.Last("t/box/relay/2/mode"), "schedule");
    EXPECT_NE(broker.Last("homeassistant/switch/box/relay2_manual/config").find(R"("name":"Lamp manual")"),
              std::string::npos);
    // Nothing changed: nothing more is sent.
    const size_t sent = broker.sent.size();
    Link().Poll(host);
    EXPECT_EQ(broker.sent.size(), sent);
    link.reset();
    EXPECT_EQ(broker.Last("t/box/availability"), "offline");
    EXPECT_TRUE(broker.stopped);
}

// Without a calendar nothing about holidays is sent; with one, today's state and its attributes are
// retained, and Home Assistant is told of the sensor once.
TEST_F(MqttLinkTest, TodaysHolidayIsRetainedWithItsAttributes) {
    Link();
    broker.Connect();
    Link().Poll(host);
    EXPECT_EQ(broker.Last("t/box/holiday"), "(none)");
    Link().SetHoliday("ON", R"({"name":"Summer closing","file":"c:\\h.ics"})");
    Link().PublishChanges();
    Link().PublishChanges();
    EXPECT_EQ(broker.Last("t/box/holiday"), "ON");
    EXPECT_EQ(broker.Last("t/box/holiday/attributes"), R"({"name":"Summer closing","file":"c:\\h.ics"})");
    const auto sensors = std::count_if(broker.sent.begin(), broker.sent.end(), [](const auto& m) {
        return m.topic == "homeassistant/binary_sensor/box/holiday/config" && m.retain &&
               m.payload.find(R"("json_attributes_topic":"t/box/holiday/attributes")") != std::string::npos &&
               m.payload.find(R"("state_topic":"t/box/holiday")") != std::string::npos;
    });
    EXPECT_EQ(sensors, 1);
    EXPECT_TRUE(std::all_of(broker.sent.begin(), broker.sent.end(), [](const auto& m) {
        return m.topic.find("holiday") == std::string::npos || m.retain;
    }));
}

TEST_F(MqttLinkTest, DiscoveryOffRemovesTheEntitiesHomeAssistantKnows) {
    for (const bool discovery : {true, false}) {
        broker.sent.clear();
        settings.Discovery = discovery;
        link.reset();
        Link();
        broker.Connect();
        Link().Poll(host);
        size_t configs = 0;
        for (const auto& m : broker.sent)
            if (m.topic.starts_with("homeassistant/") && m.topic.ends_with("/config")) {
                ++configs;
                EXPECT_TRUE(m.retain);
                EXPECT_EQ(m.payload.empty(), !discovery) << m.topic;
            }
        // Three entities per relay and board 1's problem sensor; off also withdraws the holiday sensor,
        // which is announced only once a calendar says something.
        EXPECT_EQ(configs, 4u * 8u + 1u + (discovery ? 0u : 1u));
    }
}

TEST_F(MqttLinkTest, RelayCommandsActOnceAndReachTheRestartFile) {
    Link();
    broker.Connect();
    Send("t/box/relay/2/set", "MANUAL_ON");
    Send("t/box/relay/2/set", "MANUAL_ON");
    Send("t/box/relay/3/set", "STOP");
    Send("t/box/relay/3/set", "RELEASE");
    Send("t/box/relay/4/set", "INVERT_OFF");
    Link().Poll(host);
    EXPECT_EQ(ctx.schedule.RelayArray[1].Manual, kTrue);
    EXPECT_EQ(ctx.schedule.RelayArray[2].HardStop, kFalse);
    EXPECT_TRUE(ctx.engineState.TimerEnabled);
    EXPECT_EQ(Count("MQTT command relay 2 MANUAL_ON"), 1u);
    EXPECT_EQ(Count("MQTT command relay 3 STOP"), 1u);
    EXPECT_EQ(Count("MQTT command relay 3 RELEASE"), 1u);
    EXPECT_EQ(Count("relay 4"), 0u);
    EXPECT_EQ(broker.Last("t/box/relay/2/mode"), "manual");
    ASSERT_TRUE(std::filesystem::exists(RestartPath()));
    ctx.schedule.RelayArray[1].Manual = kFalse;
    ASSERT_TRUE(LoadRestartFile(ctx));
    EXPECT_EQ(ctx.schedule.RelayArray[1].Manual, kTrue);
}

TEST_F(MqttLinkTest, AllOffStopsEveryRelayAndForceCheckTicks) {
    Link();
    broker.Connect();
    ctx.schedule.RelayArray[0].Manual = kTrue;
    Send("t/box/command", "FORCE_CHECK");
    Link().Poll(host);
    EXPECT_EQ(host.switches.front(), (std::pair<int, int16_t>{0, kStateOn}));
    Send("t/box/command", "ALL_OFF");
    Send("t/box/command", "ALL_OFF");
    Link().Poll(host);
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(ctx.schedule.RelayArray[r].HardStop, kTrue) << r;
    EXPECT_EQ(tc.platform.PortByte(0x300) & 1, 0);
    EXPECT_EQ(Count("MQTT command ALL_OFF"), 1u);
    EXPECT_EQ(broker.Last("t/box/relay/1/state"), "OFF");
}

TEST_F(MqttLinkTest, JunkIsLoggedAndAFloodIsCut) {
    Link();
    broker.Connect();
    Send("t/box/relay/1/set", "ON\nfake line");
    for (size_t i = 0; i < kMqttQueueCapacity + 10; ++i)
        Send("t/box/relay/2/set", i % 2 ? "MANUAL_ON" : "MANUAL_OFF");
    Link().Poll(host);
    EXPECT_EQ(Count("MQTT ignored t/box/relay/1/set \"ON?fake line\""), 1u);
    EXPECT_EQ(Count("MQTT 11 commands dropped"), 1u);
    EXPECT_EQ(Count("MQTT command relay 2"), kMqttQueueCapacity - 2) << Log();
}

TEST_F(MqttLinkTest, WithoutAcceptCommandsStatesArePublishedAndEveryCommandIsIgnoredAndCounted) {
    settings.AcceptCommands = false;
    Link();
    broker.Connect();
    Send("t/box/relay/2/set", "MANUAL_ON");
    Send("t/box/command", "ALL_OFF");
    Link().Poll(host);
    EXPECT_EQ(ctx.schedule.RelayArray[1].Manual, kFalse);
    EXPECT_EQ(ctx.schedule.RelayArray[0].HardStop, kFalse);
    EXPECT_EQ(broker.Last("t/box/relay/2/mode"), "schedule");
    EXPECT_EQ(Count("MQTT command ignored (AcceptCommands is 0): t/box/relay/2/set"), 1u) << Log();
    EXPECT_EQ(Count("MQTT command relay"), 0u);
}

// The settings are single-byte text; the client library takes UTF-8. A password sent in clear is warned of.
TEST_F(MqttLinkTest, SettingsReachTheClientAsUtf8AndAPasswordWithoutTlsIsWarnedOfOnce) {
    settings.Username = "j\xFCrgen";
    settings.Password = "gr\xFCn";
    Link();
    EXPECT_EQ(broker.options.username, "j\xC3\xBCrgen");
    EXPECT_EQ(broker.options.password, "gr\xC3\xBCn");
    EXPECT_TRUE(broker.options.caPath.empty());
    EXPECT_EQ(Count("MQTT the password goes to the broker unencrypted"), 1u) << Log();
    EXPECT_NE(notices.find("the password goes to the broker unencrypted"), std::string::npos);
}

TEST_F(MqttLinkTest, TlsSystemCaTrustsTheSystemsStoreWhenNoCaFileIsGiven) {
    settings.TlsSystemCa = true;
    Link();
    EXPECT_EQ(broker.options.caPath, "/etc/ssl/certs");
    EXPECT_EQ(Count("unencrypted"), 0u);
}

TEST_F(MqttLinkTest, ALostBrokerIsToldOnceAndGivenEverythingAgain) {
    Link();
    broker.Connect();
    Link().Poll(host);
    broker.Drop();
    broker.Drop();
    Link().Poll(host);
    ctx.schedule.RelayArray[1].DisplayName = "Lamp 2";
    Link().PublishChanges();
    broker.sent.clear();
    broker.Connect();
    Link().Poll(host);
    EXPECT_EQ(broker.Last("t/box/availability"), "online");
    EXPECT_EQ(broker.Last("t/box/relay/1/mode"), "schedule"); // unchanged, but the broker may have lost it
    EXPECT_EQ(broker.Last("t/box/relay/2/name"), "Lamp 2");
    EXPECT_EQ(Count("MQTT no connection to localhost:1883 (Connection refused); retrying"), 1u);
    EXPECT_EQ(Count("MQTT connection to localhost:1883 is back"), 1u);
    broker.events->Connected(false, "Connection Refused: not authorised.");
    Link().Poll(host);
    EXPECT_EQ(Count("refused the connection: Connection Refused: not authorised."), 1u);
    EXPECT_EQ(notices.find("s3cret"), std::string::npos);
    EXPECT_EQ(Log().find("s3cret"), std::string::npos);
    EXPECT_EQ(broker.options.password, "s3cret");
}

TEST_F(MqttLinkTest, ARetainedCommandIsNeverAppliedButLoggedOnceAndCleared) {
    Link();
    broker.Connect();
    const std::string topic = "t/box/relay/1/set" + std::string(200, 'x');
    Send("t/box/relay/1/set", "MANUAL_ON", true);
    Send("t/box/command", "ALL_OFF", true);
    Link().Poll(host);
    tc.platform.clock.Advance(kMqttIgnoredIntervalMs);
    Send("t/box/relay/1/set", "MANUAL_ON", true); // after a reconnect, where the broker kept it
    Send("t/box/relay/1/set", "");                // the clearing comes back
    Link().Poll(host);
    EXPECT_EQ(ctx.schedule.RelayArray[0].Manual, kFalse);
    EXPECT_EQ(ctx.schedule.RelayArray[0].HardStop, kFalse);
    EXPECT_EQ(Count("MQTT retained command ignored and cleared: t/box/relay/1/set"), 1u) << Log();
    EXPECT_EQ(Count("ignored t/box/relay/1/set \"\""), 0u);
    for (const char* t : {"t/box/relay/1/set", "t/box/command"}) {
        const auto it = std::find_if(broker.sent.begin(), broker.sent.end(),
                                     [&](const test::FakeBroker::Sent& m) { return m.topic == t; });
        ASSERT_NE(it, broker.sent.end()) << t;
        EXPECT_TRUE(it->payload.empty() && it->retain) << t;
    }
}

TEST_F(MqttLinkTest, NetworkInputCannotFillTheLog) {
    Link();
    broker.Connect();
    const std::string longLevel(900, 'a');
    for (int i = 0; i < 10; ++i)
        Send("t/box/relay/" + longLevel + "/set", "X");
    Link().Poll(host);
    tc.platform.clock.Advance(kMqttIgnoredIntervalMs);
    Link().Poll(host);
    EXPECT_EQ(Count("MQTT ignored t/box/relay/aaaa"), 1u);
    EXPECT_EQ(Count("MQTT 9 more messages ignored within 10 s, not logged"), 1u) << Log();
    EXPECT_LT(Log().size(), 1000u);
}

} // namespace
} // namespace tavrel
