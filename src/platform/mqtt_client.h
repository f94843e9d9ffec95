#pragma once
// A client of an MQTT broker, run on a network thread of its own so that the caller never waits on it.

#include <memory>
#include <string>
#include <string_view>

namespace tavrel {

struct MqttConnectOptions {
    std::string host;
    int port = 1883;
    std::string clientId;
    std::string username;
    std::string password; // never written anywhere by the client
    std::string caFile;   // TLS with this certificate authority when not empty
    std::string caPath;   // else, when not empty, TLS with the certificates of this folder
    std::string willTopic;
    std::string willPayload;
    int keepAliveSeconds = 30;
    int reconnectMinSeconds = 1;
    int reconnectMaxSeconds = 30;
    // The largest packet the broker may send (MQTT 5; a broker that only speaks 3.1.1 ignores it).
    int maxIncomingPacketBytes = 16 * 1024;
};

// A message as it arrived: views into the client's own buffer, valid only during the call, so that the
// receiver can look at the sizes before it copies anything.
struct MqttIncoming {
    std::string_view topic;
    std::string_view payload;
    bool retained = false; // kept by the broker and sent again at every subscription
};

// What the client reports; called on the client's own network thread.
class MqttClientEvents {
public:
    virtual ~MqttClientEvents() = default;
    // `accepted` false: the broker answered and refused (`reason` says why).
    virtual void Connected(bool accepted, const std::string& reason) = 0;
    // The connection was lost (or could not be made); the client keeps retrying with growing pauses.
    // `takenOver`: another client with the same ClientId took the session (MQTT 5 says so; with 3.1.1,
    // the broker ended it within seconds of accepting it); the pauses then keep growing.
    virtual void Disconnected(const std::string& reason, bool takenOver) = 0;
    virtual void MessageArrived(const MqttIncoming& message) = 0;
};

class MqttClient {
public:
    virtual ~MqttClient() = default;
    // Starts connecting in the background and keeps the connection up, retrying while the broker is away.
    // False (with `error`) when it cannot even start: a certificate file that cannot be read, no thread.
    virtual bool Start(const MqttConnectOptions& options, MqttClientEvents& events, std::string& error) = 0;
    // Queues a message (QoS 1) without waiting for the network; false when the client is not connected.
    virtual bool Publish(const std::string& topic, const std::string& payload, bool retain) = 0;
    // Subscribes with QoS 1; call from Connected (subscriptions do not outlive a connection).
    virtual bool Subscribe(const std::string& pattern) = 0;
    // Disconnects cleanly (no last will) and joins the network thread.
    virtual void Stop() = 0;
};

// The folder of the certificate authorities the system trusts.
inline constexpr const char* kSystemCertificateFolder = "/etc/ssl/certs";

// Whether this build carries an MQTT client at all.
bool MqttClientBuiltIn();

// Loads the client library (only now, so that a program that never asks maps none of it). Null with
// `error` when the library is missing or the build has no client.
std::unique_ptr<MqttClient> LoadMqttClient(std::string& error);

} // namespace tavrel
