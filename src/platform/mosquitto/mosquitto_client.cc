// The MQTT client over libmosquitto, loaded with dlopen when first asked for: a program that keeps MQTT
// off maps none of the library (nor its TLS libraries).

#include "platform/cold_code.h"
#include "platform/mosquitto/mosquitto_api.h"
#include "platform/mosquitto/mosquitto_tls.h"
#include "platform/mqtt_client.h"
#include "platform/reconnect_backoff.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <dlfcn.h>
#include <memory>
#include <mosquitto.h>
#include <mqtt_protocol.h>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tavrel {

namespace {

using mosquitto_api::MosquittoApi;
using mosquitto_api::ResolveAll;

constexpr const char* kLibraryName = "libmosquitto.so.1";
constexpr int kQos = 1;
// How long one turn of the network loop may wait for the socket; Stop allows the thread this beyond the
// goodbye time.
constexpr int kLoopTimeoutMs = 1000;
// How long Stop lets the goodbye (the "offline" message and the disconnect) take to leave.
constexpr auto kGoodbyeTime = std::chrono::seconds(2);
// Where the broker does not say so (3.1.1 has no word for it, and mosquitto does not use MQTT 5's): two
// sessions in a row that the broker ends this soon after accepting them were taken over by a client with
// the same id. One alone may be a broker that restarted.
constexpr auto kSoonAfterAccept = std::chrono::seconds(5);
constexpr int kShortSessionsTakenOver = 2;

// The CONNACK codes of a broker that does not speak MQTT 5: as 3.1.1 says it, and as 5 does.
constexpr int kConnackBadProtocol311 = 1;

// What the network thread uses. Shared with the thread, so that a thread Stop gave up waiting for (still
// inside a connect) never touches freed memory.
struct NetworkState {
    NetworkState(void* lib, const MosquittoApi& a) : library(lib), api(a) {}
    void* library;
    const MosquittoApi api;
    mosquitto* mosq = nullptr;
    MqttClientEvents* events = nullptr; // reached only under `mutex` and before `stopping`
    MqttConnectOptions options;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    bool connecting = false; // set by the network thread around connect/reconnect
    bool ended = false;      // the network thread has returned
    std::atomic<bool> accepted{false};
    // MQTT 5 until the broker refuses it; then 3.1.1 for the rest of the run (network thread only).
    bool version5 = true;
    std::atomic<bool> version5Refused{false};
    std::chrono::steady_clock::time_point acceptedAt; // network thread only
    bool takenOver = false;                           // MQTT 5's word for it; network thread only
    int shortSessions = 0;    // ended soon after they were accepted, in a row; network thread only
    bool sessionOpen = false; // accepted and not yet counted as ended; network thread only
    std::chrono::steady_clock::time_point stopSince; // network thread only
    std::string tlsReason; // what the TLS library last said went wrong; network thread only
};

class MosquittoClient final : public MqttClient {
public:
    TAVREL_COLD MosquittoClient(void* library, const MosquittoApi& api)
        : net_(std::make_shared<NetworkState>(library, api)) {
        net_->api.lib_init();
    }

    TAVREL_COLD ~MosquittoClient() override {
        Stop();
        // A network thread still inside a connect keeps using the handle and the library's code: both
        // are left as they are (the process is ending) rather than freed under it.
        if (detached_)
            return;
        if (net_->mosq != nullptr)
            net_->api.destroy(net_->mosq);
        net_->api.lib_cleanup();
        ::dlclose(net_->library);
    }

    TAVREL_COLD bool Start(const MqttConnectOptions& o, MqttClientEvents& events,
                           std::string& error) override {
        NetworkState& n = *net_;
        const MosquittoApi& api = n.api;
        n.events = &events;
        n.mosq = api.create(o.clientId.c_str(), true, &n);
        if (n.mosq == nullptr) {
            error = "the MQTT client could not be made";
            return false;
        }
        api.connect_callback_set(n.mosq, &OnConnect);
        api.disconnect_callback_set(n.mosq, &OnDisconnect);
        api.message_callback_set(n.mosq, &OnMessage);
        api.log_callback_set(n.mosq, &OnLog);
        int rc = MOSQ_ERR_SUCCESS;
        if (!o.username.empty())
            rc = api.username_pw_set(n.mosq, o.username.c_str(),
                                     o.password.empty() ? nullptr : o.password.c_str());
        if (rc == MOSQ_ERR_SUCCESS && !o.willTopic.empty())
            rc = api.will_set(n.mosq, o.willTopic.c_str(), static_cast<int>(o.willPayload.size()),
                              o.willPayload.data(), kQos, true);
        if (rc != MOSQ_ERR_SUCCESS) {
            error = api.strerror(rc);
            return false;
        }
        if ((!o.caFile.empty() || !o.caPath.empty()) &&
            !mosquitto_api::StartTls(api, n.mosq, o.caFile, o.caPath, error))
            return false;
        api.threaded_set(n.mosq, true);
        n.options = o;
        try {
            thread_ = std::thread([net = net_] { Run(*net); });
        } catch (const std::system_error& e) {
            error = std::string("the MQTT network thread could not start (") + e.what() + ")";
            return false;
        }
        return true;
    }

    TAVREL_COLD bool Publish(const std::string& topic, const std::string& payload, bool retain) override {
        return net_->mosq != nullptr &&
               net_->api.publish(net_->mosq, nullptr, topic.c_str(), static_cast<int>(payload.size()),
                                 payload.data(), kQos, retain) == MOSQ_ERR_SUCCESS;
    }

    // In MQTT 5 a retained message keeps its flag even when it is sent on as it is published, so that a
    // retained command is known as one at once, not only after the next reconnect.
    TAVREL_COLD bool Subscribe(const std::string& pattern) override {
        const int options = net_->version5 ? MQTT_SUB_OPT_RETAIN_AS_PUBLISHED : 0;
        return net_->mosq != nullptr && net_->api.subscribe_v5(net_->mosq, nullptr, pattern.c_str(), kQos,
                                                               options, nullptr) == MOSQ_ERR_SUCCESS;
    }

    // Waits for the goodbye and at most a loop turn more: a connect under way (a name lookup or a host
    // that never answers can hold it for minutes) is left to its thread, so the program's end is not held.
    TAVREL_COLD void Stop() override {
        if (!thread_.joinable())
            return;
        NetworkState& n = *net_;
        bool connecting = false;
        {
            const std::lock_guard<std::mutex> lock(n.mutex);
            n.stopping = true;
            connecting = n.connecting;
        }
        n.wake.notify_all();
        // The library must not disconnect while its connect runs on the other thread: that thread
        // disconnects itself when its connect returns.
        if (!connecting)
            n.api.disconnect(n.mosq);
        std::unique_lock<std::mutex> lock(n.mutex);
        if (n.wake.wait_for(lock, kGoodbyeTime + std::chrono::milliseconds(kLoopTimeoutMs),
                            [&n] { return n.ended; })) {
            lock.unlock();
            thread_.join();
        } else {
            thread_.detach();
            detached_ = true;
        }
    }

private:
    static NetworkState& Net(void* obj) { return *static_cast<NetworkState*>(obj); }

    static bool Stopping(NetworkState& n) {
        const std::lock_guard<std::mutex> lock(n.mutex);
        return n.stopping;
    }

    // Tells `events` unless Stop has begun (after which the receiver may be gone).
    template <typename F> static void Tell(NetworkState& n, F tell) {
        const std::lock_guard<std::mutex> lock(n.mutex);
        if (!n.stopping)
            tell(*n.events);
    }

    // The first connect of a protocol version: MQTT 5 with the largest packet the broker may send, so that
    // a huge publish is never read into memory; or 3.1.1 without it.
    TAVREL_COLD static int ConnectFirst(NetworkState& n) {
        const MosquittoApi& api = n.api;
        api.int_option(n.mosq, MOSQ_OPT_PROTOCOL_VERSION, n.version5 ? MQTT_PROTOCOL_V5 : MQTT_PROTOCOL_V311);
        // A change publishes several small messages at once: none waits for the acknowledgement of the one
        // before (Nagle's algorithm would hold it some tens of milliseconds).
        api.int_option(n.mosq, MOSQ_OPT_TCP_NODELAY, 1);
        mosquitto_property* properties = nullptr;
        if (n.version5)
            api.property_add_int32(&properties, MQTT_PROP_MAXIMUM_PACKET_SIZE,
                                   static_cast<uint32_t>(n.options.maxIncomingPacketBytes));
        const int rc = api.connect_v5(n.mosq, n.options.host.c_str(), n.options.port,
                                      n.options.keepAliveSeconds, nullptr, properties);
        api.property_free_all(&properties);
        return rc;
    }

    // Whether the session that just ended was taken over by a client with the same id.
    // Counts the session that ended (once, however many reports of its end come).
    static void SessionEnded(NetworkState& n) {
        if (!n.sessionOpen)
            return;
        n.sessionOpen = false;
        n.shortSessions =
            std::chrono::steady_clock::now() - n.acceptedAt < kSoonAfterAccept ? n.shortSessions + 1 : 0;
    }

    static bool TakenOver(const NetworkState& n) {
        return n.takenOver || n.shortSessions >= kShortSessionsTakenOver;
    }

    // Why the broker refused, in 3.1.1's words where MQTT 5 has the same reason.
    static std::string RefusalText(const NetworkState& n, int rc) {
        static constexpr std::pair<int, int> kSameReason[] = {{MQTT_RC_CLIENTID_NOT_VALID, 2},
                                                              {MQTT_RC_SERVER_UNAVAILABLE, 3},
                                                              {MQTT_RC_BAD_USERNAME_OR_PASSWORD, 4},
                                                              {MQTT_RC_NOT_AUTHORIZED, 5}};
        if (!n.version5)
            return n.api.connack_string(rc);
        for (const auto& [v5, v311] : kSameReason)
            if (rc == v5)
                return n.api.connack_string(v311);
        return "Connection Refused: reason code " + std::to_string(rc) + ".";
    }

    // Connects (or reconnects) unless Stop has begun; marks the attempt so that Stop leaves it alone.
    TAVREL_COLD static bool Connect(NetworkState& n, bool first, int& rc) {
        {
            const std::lock_guard<std::mutex> lock(n.mutex);
            if (n.stopping)
                return false;
            n.connecting = true;
        }
        rc = first ? ConnectFirst(n) : n.api.reconnect(n.mosq);
        bool stopping = false;
        {
            const std::lock_guard<std::mutex> lock(n.mutex);
            n.connecting = false;
            stopping = n.stopping;
        }
        // Stop came during the connect and left the disconnect to this thread.
        if (stopping && rc == MOSQ_ERR_SUCCESS)
            n.api.disconnect(n.mosq);
        return true;
    }

    // The network thread: connects, runs the loop while connected, and after each failure waits a
    // growing pause (cut short by Stop) before the next try.
    TAVREL_COLD static void Run(NetworkState& n) {
        int attempt = 0;
        bool first = true;
        while (!Stopping(n)) {
            n.accepted = false;
            // Connecting waits on the network, here on the client's own thread only (the library's
            // non-blocking connect spins without end when a TLS connection cannot be made).
            int rc = MOSQ_ERR_SUCCESS;
            if (!Connect(n, first, rc))
                break;
            first = false;
            if (rc == MOSQ_ERR_SUCCESS) {
                const auto goodbyeEnds = [&n] { return n.stopSince + kGoodbyeTime; };
                while ((rc = n.api.loop(n.mosq, kLoopTimeoutMs, 1)) == MOSQ_ERR_SUCCESS) {
                    if (Stopping(n) && n.stopSince == std::chrono::steady_clock::time_point())
                        n.stopSince = std::chrono::steady_clock::now();
                    if (Stopping(n) && std::chrono::steady_clock::now() > goodbyeEnds())
                        break;
                }
            }
            if (Stopping(n))
                break;
            if (n.version5 && n.version5Refused) {
                // A broker that speaks only 3.1.1: asked again at once in its own version.
                n.version5 = false;
                first = true;
                continue;
            }
            SessionEnded(n);
            const bool takenOver = TakenOver(n);
            if (rc != MOSQ_ERR_SUCCESS)
                Tell(n, [&](MqttClientEvents& e) { e.Disconnected(FailureText(n, rc), takenOver); });
            // A short session does not count as a success: with a namesake taking it, the pauses grow.
            if (n.accepted && n.shortSessions == 0)
                attempt = 0;
            std::unique_lock<std::mutex> lock(n.mutex);
            n.wake.wait_for(lock,
                            std::chrono::seconds(ReconnectDelaySeconds(
                                attempt++, n.options.reconnectMinSeconds, n.options.reconnectMaxSeconds)),
                            [&n] { return n.stopping; });
        }
        {
            const std::lock_guard<std::mutex> lock(n.mutex);
            n.ended = true;
        }
        n.wake.notify_all();
    }

    TAVREL_COLD static void OnConnect(mosquitto*, void* obj, int rc) {
        NetworkState& n = Net(obj);
        n.accepted = rc == 0;
        n.takenOver = false;
        n.sessionOpen = rc == 0;
        if (rc == 0)
            n.acceptedAt = std::chrono::steady_clock::now();
        if (n.version5 && (rc == kConnackBadProtocol311 || rc == MQTT_RC_UNSUPPORTED_PROTOCOL_VERSION)) {
            n.version5Refused = true;
            n.api.disconnect(n.mosq);
            return;
        }
        Tell(n, [&](MqttClientEvents& e) {
            e.Connected(rc == 0, rc == 0 ? std::string() : RefusalText(n, rc));
        });
    }

    // A TLS failure is only "A TLS error occurred." in the library's own words; why (a certificate that
    // is not trusted, a name that does not match) comes from OpenSSL through the library's log.
    TAVREL_COLD static void OnLog(mosquitto*, void* obj, int level, const char* text) {
        const std::string_view line = text != nullptr ? text : "";
        if (level == MOSQ_LOG_ERR && line.starts_with("OpenSSL Error"))
            Net(obj).tlsReason = std::string(line.substr(line.find_last_of(':') + 1));
    }

    static std::string FailureText(NetworkState& n, int rc) {
        std::string text = n.api.strerror(rc);
        if (rc == MOSQ_ERR_TLS && !n.tlsReason.empty())
            text += " (" + n.tlsReason + ")";
        n.tlsReason.clear();
        return text;
    }

    TAVREL_COLD static void OnDisconnect(mosquitto*, void* obj, int rc) {
        NetworkState& n = Net(obj);
        // 0: asked for by Stop; anything else is a lost connection.
        // MQTT 5's DISCONNECT carries its reason: a session taken over is told apart from a lost one.
        if (rc == MQTT_RC_SESSION_TAKEN_OVER)
            n.takenOver = true;
        SessionEnded(n);
        if (rc != 0 && !n.version5Refused)
            Tell(n, [&](MqttClientEvents& e) {
                e.Disconnected(n.takenOver ? "the session was taken over" : n.api.strerror(rc), TakenOver(n));
            });
    }

    // Hands the library's own buffers on, uncopied: the receiver checks the sizes first.
    TAVREL_COLD static void OnMessage(mosquitto*, void* obj, const mosquitto_message* m) {
        const char* bytes = static_cast<const char*>(m->payload);
        const MqttIncoming message{m->topic != nullptr ? std::string_view(m->topic) : std::string_view(),
                                   bytes != nullptr && m->payloadlen > 0
                                       ? std::string_view(bytes, static_cast<size_t>(m->payloadlen))
                                       : std::string_view(),
                                   m->retain};
        Tell(Net(obj), [&](MqttClientEvents& e) { e.MessageArrived(message); });
    }

    std::shared_ptr<NetworkState> net_;
    std::thread thread_;
    bool detached_ = false;
};

} // namespace

bool MqttClientBuiltIn() {
    return true;
}

TAVREL_COLD std::unique_ptr<MqttClient> LoadMqttClient(std::string& error) {
    void* library = ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        error = std::string("the MQTT client library ") + kLibraryName +
                " cannot be loaded (on Debian it is in the package libmosquitto1)";
        return nullptr;
    }
    MosquittoApi api;
    if (!ResolveAll(library, api)) {
        ::dlclose(library);
        error = std::string("the MQTT client library ") + kLibraryName + " lacks a needed function";
        return nullptr;
    }
    return std::make_unique<MosquittoClient>(library, api);
}

} // namespace tavrel
