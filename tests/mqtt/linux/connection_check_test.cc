// "Test connection" against a real mosquitto on a loopback port: a good connection, a wrong password and
// a certificate from an authority the settings do not trust, each answered plainly within its limit.

#include "mqtt/connection_check.h"
#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace tavrel {
namespace {

constexpr std::chrono::milliseconds kLimit{5000};

// Runs a shell command line; true when it ended with 0.
bool Shell(const std::string& line) {
    return std::system(("bash -c '" + line + "'").c_str()) == 0;
}

class ConnectionCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!MqttClientBuiltIn() || !Shell("command -v mosquitto_passwd >/dev/null && command -v openssl "
                                           ">/dev/null && test -x /usr/sbin/mosquitto"))
            GTEST_SKIP() << "no MQTT client in this build, or no mosquitto and openssl";
        const std::string d = home.Path();
        const std::string ec = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";
        ASSERT_TRUE(Shell("cd " + d + " && mosquitto_passwd -b -c pw relay right-one 2>/dev/null"));
        // A certificate authority, the broker's certificate for 127.0.0.1, and an authority nobody used.
        ASSERT_TRUE(Shell("cd " + d + " && openssl req -x509 " + ec +
                          " -keyout ca.key -out ca.crt -days 2 -subj /CN=ca 2>/dev/null && openssl req " +
                          ec +
                          " -keyout s.key -out s.csr -subj /CN=127.0.0.1 2>/dev/null && echo "
                          "subjectAltName=IP:127.0.0.1 >ext && openssl x509 -req -in s.csr -CA ca.crt -CAkey "
                          "ca.key -CAcreateserial -out s.crt -days 2 -extfile ext 2>/dev/null && openssl req "
                          "-x509 " +
                          ec + " -keyout ca2.key -out ca2.crt -days 2 -subj /CN=other 2>/dev/null"));
        plainPort = StartBroker("plain", "password_file " + d + "/pw\nallow_anonymous false\n");
        tlsPort = StartBroker("tls", "cafile " + d + "/ca.crt\ncertfile " + d + "/s.crt\nkeyfile " + d +
                                         "/s.key\nallow_anonymous true\n");
    }
    void TearDown() override {
        // Only the brokers this test started, by their process ids.
        for (const std::string& name : started)
            Shell("kill $(cat " + home.File(name + ".pid") + ") 2>/dev/null");
    }

    // A broker on a free port of 127.0.0.1 with `config`; its port once it listens.
    int StartBroker(const std::string& name, const std::string& config) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            const int port = 20000 + (std::rand() % 40000);
            std::ofstream(home.File(name + ".conf"))
                << "listener " << port << " 127.0.0.1\npersistence false\n"
                << config;
            const std::string base = home.File(name);
            started.push_back(name);
            // Started as root, mosquitto would become the user "mosquitto", who cannot read these files.
            Shell("echo user $(id -un) >>" + base + ".conf; /usr/sbin/mosquitto -c " + base + ".conf >" +
                  base + ".log 2>&1 & echo $! >" + base + ".pid; for i in $(seq 50); do grep -q running " +
                  base + ".log && exit 0; grep -q -i error " + base +
                  ".log && exit 1; sleep 0.1; done; exit 1");
            if (Shell("grep -q running " + base + ".log"))
                return port;
            TearDown();
            started.clear();
        }
        ADD_FAILURE() << "mosquitto did not start";
        return 0;
    }

    MqttSettings Settings(int port) const {
        MqttSettings s;
        s.Enabled = true;
        s.Host = "127.0.0.1";
        s.Port = port;
        s.ClientId = "check";
        return s;
    }

    test::TempHome home;
    std::vector<std::string> started;
    int plainPort = 0;
    int tlsPort = 0;
};

TEST_F(ConnectionCheckTest, SaysPlainlyWhatHappened) {
    struct Case {
        std::string user, password, caFile;
        bool tls;
        MqttCheckResult result;
        std::string text;
    };
    const std::string d = home.Path() + "/";
    const Case cases[] = {
        {"relay", "right-one", "", false, MqttCheckResult::Connected, "Connected to 127.0.0.1:"},
        {"relay", "Wr0ng-Secret", "", false, MqttCheckResult::BadCredentials,
         "Refused: bad user name or password"},
        {"", "", d + "ca.crt", true, MqttCheckResult::Connected, "Connected to 127.0.0.1:"},
        {"", "", d + "ca2.crt", true, MqttCheckResult::TlsFailed,
         "TLS: the broker's certificate is not trusted (A TLS error occurred. (certificate verify failed))"},
    };
    for (const Case& c : cases) {
        MqttSettings s = Settings(c.tls ? tlsPort : plainPort);
        s.Username = c.user;
        s.Password = c.password;
        s.TlsCaFile = c.caFile;
        const auto began = std::chrono::steady_clock::now();
        const MqttCheckOutcome out = CheckMqttConnection(s, LoadMqttClient, kLimit);
        EXPECT_EQ(out.result, c.result) << out.text;
        EXPECT_EQ(out.text.rfind(c.text, 0), 0u) << out.text;
        EXPECT_EQ(out.text.find("Wr0ng"), std::string::npos);
        EXPECT_LT(std::chrono::steady_clock::now() - began, kLimit + std::chrono::seconds(2));
    }
}

TEST_F(ConnectionCheckTest, NoBrokerThereIsNoAnswer) {
    // The plain broker's port with nothing behind it once it is gone.
    TearDown();
    started.clear();
    const MqttCheckOutcome out = CheckMqttConnection(Settings(plainPort), LoadMqttClient, kLimit);
    EXPECT_EQ(out.result, MqttCheckResult::NoAnswer) << out.text;
    EXPECT_EQ(out.text.rfind("No answer from 127.0.0.1:" + std::to_string(plainPort), 0), 0u) << out.text;
}

} // namespace
} // namespace tavrel
