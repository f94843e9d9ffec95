#pragma once
// TLS for a libmosquitto handle, with errors a user can act on.

#include "platform/mosquitto/mosquitto_api.h"

#include <string>

namespace tavrel::mosquitto_api {

// TLS with the certificate authority file, or else the folder. A file that cannot be read is named with
// the reason: the library would only say "Invalid function arguments".
bool StartTls(const MosquittoApi& api, mosquitto* mosq, const std::string& caFile, const std::string& caPath,
              std::string& error);

} // namespace tavrel::mosquitto_api
