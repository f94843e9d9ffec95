// The MQTT client over libmosquitto, loaded with dlopen when first asked for: a program that keeps MQTT
// off maps none of the library (nor its TLS libraries).

#include "platform/cold_code.h"
#include "platform/mqtt_client.h"
#include "platform/reconnect_backoff.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <dlfcn.h>
#include <mosquitto.h>
#include <mutex>
#include <system_error>
#include <thread>

namespace tavrel {

namespace {

constexpr const char* kLibraryName = "libmosquitto.so.1";
constexpr int kQos = 1;
// How long one turn of the network loop may wait for the socket: the longest Stop waits for the thread.
constexpr int kLoopTimeoutMs = 1000;
// How long Stop lets the goodbye (the "offline" message and the disconnect) take to leave.
constexpr auto kGoodbyeTime = std::chrono::seconds(2);

// The library's entry points used here, looked up by name.
struct MosquittoApi {
    decltype(&mosquitto_lib_init) lib_init = nullptr;
    decltype(&mosquitto_lib_cleanup) lib_cleanup = nullptr;
    decltype(&mosquitto_new) create = nullptr;
    decltype(&mosquitto_destroy) destroy = nullptr;
    decltype(&mosquitto_username_pw_set) username_pw_set = nullptr;
    decltype(&mosquitto_will_set) will_set = nullptr;
    decltype(&mosquitto_tls_set) tls_set = nullptr;
    decltype(&mosquitto_threaded_set) threaded_set = nullptr;
    decltype(&mosquitto_connect) connect = nullptr;
    decltype(&mosquitto_reconnect) reconnect = nullptr;
    decltype(&mosquitto_loop) loop = nullptr;
    decltype(&mosquitto_disconnect) disconnect = nullptr;
    decltype(&mosquitto_publish) publish = nullptr;
    decltype(&mosquitto_subscribe) subscribe = nullptr;
    decltype(&mosquitto_connect_callback_set) connect_callback_set = nullptr;
    decltype(&mosquitto_disconnect_callback_set) disconnect_callback_set = nullptr;
    decltype(&mosquitto_message_callback_set) message_callback_set = nullptr;
    decltype(&mosquitto_strerror) strerror = nullptr;
    decltype(&mosquitto_connack_string) connack_string = nullptr;
};

template <typename F> TAVREL_COLD bool Resolve(void* library, const char* name, F& f) {
    f = reinterpret_cast<F>(::dlsym(library, name));
    return f != nullptr;
}

TAVREL_COLD bool ResolveAll(void* lib, MosquittoApi& a) {
    return Resolve(lib, "mosquitto_lib_init", a.lib_init) &&
           Resolve(lib, "mosquitto_lib_cleanup", a.lib_cleanup) && Resolve(lib, "mosquitto_new", a.create) &&
           Resolve(lib, "mosquitto_destroy", a.destroy) &&
           Resolve(lib, "mosquitto_username_pw_set", a.username_pw_set) &&
           Resolve(lib, "mosquitto_will_set", a.will_set) && Resolve(lib, "mosquitto_tls_set", a.tls_set) &&
           Resolve(lib, "mosquitto_threaded_set", a.threaded_set) &&
           Resolve(lib, "mosquitto_connect", a.connect) && Resolve(lib, "mosquitto_reconnect", a.reconnect) &&
           Resolve(lib, "mosquitto_loop", a.loop) && Resolve(lib, "mosquitto_disconnect", a.disconnect) &&
           Resolve(lib, "mosquitto_publish", a.publish) && Resolve(lib, "mosquitto_subscribe", a.subscribe) &&
           Resolve(lib, "mosquitto_connect_callback_set", a.connect_callback_set) &&
           Resolve(lib, "mosquitto_disconnect_callback_set", a.disconnect_callback_set) &&
           Resolve(lib, "mosquitto_message_callback_set", a.message_callback_set) &&
           Resolve(lib, "mosquitto_strerror", a.strerror) &&
           Resolve(lib, "mosquitto_connack_string", a.connack_string);
}

class MosquittoClient final : public MqttClient {
public:
    TAVREL_COLD MosquittoClient(void* library, const MosquittoApi& api) : library_(library), api_(api) {
        api_.lib_init();
    }

    TAVREL_COLD ~MosquittoClient() override {
        Stop();
        if (mosq_ != nullptr)
            api_.destroy(mosq_);
        api_.lib_cleanup();
        ::dlclose(library_);
    }

    TAVREL_COLD bool Start(const MqttConnectOptions& o, MqttClientEvents& events,
                           std::string& error) override {
        events_ = &events;
        mosq_ = api_.create(o.clientId.c_str(), true, this);
        if (mosq_ == nullptr) {
            error = "the MQTT client could not be made";
            return false;
        }
        api_.connect_callback_set(mosq_, &MosquittoClient::OnConnect);
        api_.disconnect_callback_set(mosq_, &MosquittoClient::OnDisconnect);
        api_.message_callback_set(mosq_, &MosquittoClient::OnMessage);
        int rc = MOSQ_ERR_SUCCESS;
        if (!o.username.empty())
            rc = api_.username_pw_set(mosq_, o.username.c_str(),
                                      o.password.empty() ? nullptr : o.password.c_str());
        if (rc == MOSQ_ERR_SUCCESS && !o.willTopic.empty())
            rc = api_.will_set(mosq_, o.willTopic.c_str(), static_cast<int>(o.willPayload.size()),
                               o.willPayload.data(), kQos, true);
        if (rc != MOSQ_ERR_SUCCESS) {
            error = api_.strerror(rc);
            return false;
        }
        if (!o.caFile.empty() && (rc = api_.tls_set(mosq_, o.caFile.c_str(), nullptr, nullptr, nullptr,
                                                    nullptr)) != MOSQ_ERR_SUCCESS) {
            error =
                "the certificate authority file " + o.caFile + " cannot be used (" + api_.strerror(rc) + ")";
            return false;
        }
        api_.threaded_set(mosq_, true);
        options_ = o;
        try {
            thread_ = std::thread([this] { Run(); });
        } catch (const std::system_error& e) {
            error = std::string("the MQTT network thread could not start (") + e.what() + ")";
            return false;
        }
        return true;
    }

    TAVREL_COLD bool Publish(const std::string& topic, const std::string& payload, bool retain) override {
        return mosq_ != nullptr &&
               api_.publish(mosq_, nullptr, topic.c_str(), static_cast<int>(payload.size()), payload.data(),
                            kQos, retain) == MOSQ_ERR_SUCCESS;
    }

    TAVREL_COLD bool Subscribe(const std::string& pattern) override {
        return mosq_ != nullptr && api_.subscribe(mosq_, nullptr, pattern.c_str(), kQos) == MOSQ_ERR_SUCCESS;
    }

    TAVREL_COLD void Stop() override {
        if (!thread_.joinable())
            return;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        api_.disconnect(mosq_);
        thread_.join();
    }

private:
    static MosquittoClient& Self(void* obj) { return *static_cast<MosquittoClient*>(obj); }

    // The network thread: connects, runs the loop while connected, and after each failure waits a
    // growing pause (cut short by Stop) before the next try. Stop waits for a connection attempt under
    // way: at most the system's connect time-out for a host that does not answer.
    TAVREL_COLD void Run() {
        int attempt = 0;
        bool first = true;
        while (!Stopping()) {
            accepted_ = false;
            // Connecting waits on the network, here on the client's own thread only (the library's
            // non-blocking connect spins without end when a TLS connection cannot be made).
            int rc =
                first ? api_.connect(mosq_, options_.host.c_str(), options_.port, options_.keepAliveSeconds)
                      : api_.reconnect(mosq_);
            first = false;
            if (rc == MOSQ_ERR_SUCCESS) {
                const auto goodbyeEnds = [this] { return stopSince_ + kGoodbyeTime; };
                while ((rc = api_.loop(mosq_, kLoopTimeoutMs, 1)) == MOSQ_ERR_SUCCESS) {
                    if (Stopping() && stopSince_ == std::chrono::steady_clock::time_point())
                        stopSince_ = std::chrono::steady_clock::now();
                    if (Stopping() && std::chrono::steady_clock::now() > goodbyeEnds())
                        break;
                }
            }
            if (Stopping())
                break;
            if (rc != MOSQ_ERR_SUCCESS)
                events_->Disconnected(api_.strerror(rc));
            if (accepted_)
                attempt = 0;
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait_for(lock,
                           std::chrono::seconds(ReconnectDelaySeconds(attempt++, options_.reconnectMinSeconds,
                                                                      options_.reconnectMaxSeconds)),
                           [this] { return stopping_; });
        }
    }

    TAVREL_COLD bool Stopping() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return stopping_;
    }

    TAVREL_COLD static void OnConnect(mosquitto*, void* obj, int rc) {
        MosquittoClient& self = Self(obj);
        self.accepted_ = rc == 0;
        self.events_->Connected(rc == 0, rc == 0 ? std::string() : self.api_.connack_string(rc));
    }

    TAVREL_COLD static void OnDisconnect(mosquitto*, void* obj, int rc) {
        MosquittoClient& self = Self(obj);
        // 0: asked for by Stop; anything else is a lost connection.
        if (rc != 0)
            self.events_->Disconnected(self.api_.strerror(rc));
    }

    TAVREL_COLD static void OnMessage(mosquitto*, void* obj, const mosquitto_message* m) {
        const char* bytes = static_cast<const char*>(m->payload);
        Self(obj).events_->MessageArrived(m->topic, std::string(bytes, bytes + (bytes ? m->payloadlen : 0)));
    }

    void* library_;
    MosquittoApi api_;
    mosquitto* mosq_ = nullptr;
    MqttClientEvents* events_ = nullptr;
    MqttConnectOptions options_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::atomic<bool> accepted_{false};
    std::chrono::steady_clock::time_point stopSince_; // network thread only
    std::thread thread_;
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
