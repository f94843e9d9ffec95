#pragma once
// The entry points of libmosquitto that the client uses, looked up by name in the library loaded at run
// time.

#include "platform/cold_code.h"

#include <dlfcn.h>
#include <mosquitto.h>

namespace tavrel::mosquitto_api {

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
    decltype(&mosquitto_int_option) int_option = nullptr;
    decltype(&mosquitto_connect_bind_v5) connect_v5 = nullptr;
    decltype(&mosquitto_property_add_int32) property_add_int32 = nullptr;
    decltype(&mosquitto_property_free_all) property_free_all = nullptr;
    decltype(&mosquitto_reconnect) reconnect = nullptr;
    decltype(&mosquitto_loop) loop = nullptr;
    decltype(&mosquitto_disconnect) disconnect = nullptr;
    decltype(&mosquitto_publish) publish = nullptr;
    decltype(&mosquitto_subscribe_v5) subscribe_v5 = nullptr;
    decltype(&mosquitto_connect_callback_set) connect_callback_set = nullptr;
    decltype(&mosquitto_disconnect_callback_set) disconnect_callback_set = nullptr;
    decltype(&mosquitto_message_callback_set) message_callback_set = nullptr;
    decltype(&mosquitto_log_callback_set) log_callback_set = nullptr;
    decltype(&mosquitto_strerror) strerror = nullptr;
    decltype(&mosquitto_connack_string) connack_string = nullptr;
};

template <typename F> TAVREL_COLD inline bool Resolve(void* library, const char* name, F& f) {
    f = reinterpret_cast<F>(::dlsym(library, name));
    return f != nullptr;
}

TAVREL_COLD inline bool ResolveAll(void* lib, MosquittoApi& a) {
    return Resolve(lib, "mosquitto_lib_init", a.lib_init) &&
           Resolve(lib, "mosquitto_lib_cleanup", a.lib_cleanup) && Resolve(lib, "mosquitto_new", a.create) &&
           Resolve(lib, "mosquitto_destroy", a.destroy) &&
           Resolve(lib, "mosquitto_username_pw_set", a.username_pw_set) &&
           Resolve(lib, "mosquitto_will_set", a.will_set) && Resolve(lib, "mosquitto_tls_set", a.tls_set) &&
           Resolve(lib, "mosquitto_threaded_set", a.threaded_set) &&
           Resolve(lib, "mosquitto_int_option", a.int_option) &&
           Resolve(lib, "mosquitto_connect_bind_v5", a.connect_v5) &&
           Resolve(lib, "mosquitto_property_add_int32", a.property_add_int32) &&
           Resolve(lib, "mosquitto_property_free_all", a.property_free_all) &&
           Resolve(lib, "mosquitto_reconnect", a.reconnect) && Resolve(lib, "mosquitto_loop", a.loop) &&
           Resolve(lib, "mosquitto_disconnect", a.disconnect) &&
           Resolve(lib, "mosquitto_publish", a.publish) &&
           Resolve(lib, "mosquitto_subscribe_v5", a.subscribe_v5) &&
           Resolve(lib, "mosquitto_connect_callback_set", a.connect_callback_set) &&
           Resolve(lib, "mosquitto_disconnect_callback_set", a.disconnect_callback_set) &&
           Resolve(lib, "mosquitto_message_callback_set", a.message_callback_set) &&
           Resolve(lib, "mosquitto_log_callback_set", a.log_callback_set) &&
           Resolve(lib, "mosquitto_strerror", a.strerror) &&
           Resolve(lib, "mosquitto_connack_string", a.connack_string);
}

} // namespace tavrel::mosquitto_api
