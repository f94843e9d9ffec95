#pragma once
// The MQTT link's settings as the program uses them, after the defaults are applied.

#include <string>

namespace tavrel {

inline constexpr int kMqttDefaultPort = 1883;

struct MqttSettings {
    bool Enabled = false;
    std::string Host = "localhost";
    int Port = kMqttDefaultPort;
    std::string ClientId;    // "tavrel-" + the host name
    std::string TopicPrefix; // "tavrel/" + ClientId, without a closing "/"
    std::string Username;
    std::string Password;
    std::string TlsCaFile;
    bool TlsSystemCa = false; // TLS with the system's certificate store when TlsCaFile is empty
    bool Discovery = true;
    bool AcceptCommands = true; // off: states are published, every command is ignored and counted

    bool operator==(const MqttSettings&) const = default;
};

} // namespace tavrel
