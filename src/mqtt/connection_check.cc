#include "mqtt/connection_check.h"

#include "platform/hive/text_encoding.h"

#include <condition_variable>
#include <mutex>
#include <optional>

namespace tavrel {

namespace {

// The first answer of the client's network thread, handed to the waiting caller.
class FirstAnswer final : public MqttClientEvents {
public:
    void Connected(bool accepted, const std::string& reason) override {
        Answer(accepted ? Outcome{MqttCheckResult::Connected, ""} : Refusal(reason));
    }
    void Disconnected(const std::string& reason, bool) override {
        const bool tls = reason.find("TLS") != std::string::npos;
        Answer({tls ? MqttCheckResult::TlsFailed : MqttCheckResult::NoAnswer, reason});
    }
    void MessageArrived(const MqttIncoming&) override {}

    struct Outcome {
        MqttCheckResult result;
        std::string reason;
    };
    std::optional<Outcome> WaitFor(std::chrono::milliseconds limit) {
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait_for(lock, limit, [this] { return answer_.has_value(); });
        return answer_;
    }

private:
    static Outcome Refusal(const std::string& reason) {
        // 3.1.1's codes 4 and 5 (MQTT 5's are given in the same words by the client).
        const bool credentials = reason.find("bad user name or password") != std::string::npos ||
                                 reason.find("not authorised") != std::string::npos;
        return {credentials ? MqttCheckResult::BadCredentials : MqttCheckResult::Refused, reason};
    }
    void Answer(Outcome outcome) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            if (answer_)
                return;
            answer_ = std::move(outcome);
        }
        wake_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Outcome> answer_;
};

std::string Said(const std::string& reason) {
    return reason.empty() ? "" : " (" + reason + ")";
}

} // namespace

MqttConnectOptions ConnectOptionsOf(const MqttSettings& settings) {
    MqttConnectOptions o;
    // The settings are the program's single-byte text; MQTT and the file system speak UTF-8.
    o.host = Cp1252ToUtf8(settings.Host);
    o.port = settings.Port;
    o.clientId = Cp1252ToUtf8(settings.ClientId);
    o.username = Cp1252ToUtf8(settings.Username);
    o.password = Cp1252ToUtf8(settings.Password);
    o.caFile = Cp1252ToUtf8(settings.TlsCaFile);
    if (o.caFile.empty() && settings.TlsSystemCa)
        o.caPath = kSystemCertificateFolder;
    return o;
}

MqttCheckOutcome CheckMqttConnection(const MqttSettings& settings, const MqttClientLoader& loader,
                                     std::chrono::milliseconds limit) {
    const std::string where = settings.Host + ":" + std::to_string(settings.Port);
    std::string error;
    std::unique_ptr<MqttClient> client = loader(error);
    FirstAnswer events;
    MqttConnectOptions options = ConnectOptionsOf(settings);
    // A second try would only repeat the first answer.
    options.reconnectMinSeconds = options.reconnectMaxSeconds = 3600;
    // Its own client id: a try must not take over the running link's session.
    options.clientId += "-test";
    if (client == nullptr || !client->Start(options, events, error))
        return {MqttCheckResult::NotStarted, "The test could not start: " + error + "."};
    const std::optional<FirstAnswer::Outcome> answer = events.WaitFor(limit);
    client->Stop();
    if (!answer)
        return {MqttCheckResult::NoAnswer,
                "No answer from " + where + " within " + std::to_string(limit.count() / 1000) + " seconds."};
    switch (answer->result) {
    case MqttCheckResult::Connected:
        return {answer->result, "Connected to " + where + "."};
    case MqttCheckResult::BadCredentials:
        return {answer->result, "Refused: bad user name or password" + Said(answer->reason) + "."};
    case MqttCheckResult::Refused:
        return {answer->result, "Refused by " + where + Said(answer->reason) + "."};
    case MqttCheckResult::TlsFailed:
        return {answer->result, "TLS: the broker's certificate is not trusted" + Said(answer->reason) + "."};
    default:
        return {answer->result, "No answer from " + where + Said(answer->reason) + "."};
    }
}

} // namespace tavrel
