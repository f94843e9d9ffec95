#include "platform/mosquitto/mosquitto_tls.h"

#include "platform/cold_code.h"

#include <cerrno>
#include <cstring>
#include <mosquitto.h>
#include <unistd.h>

namespace tavrel::mosquitto_api {

TAVREL_COLD bool StartTls(const MosquittoApi& api, mosquitto* mosq, const std::string& caFile,
                          const std::string& caPath, std::string& error) {
    if (!caFile.empty() && ::access(caFile.c_str(), R_OK) != 0) {
        error = "the certificate authority file " + caFile +
                " (TlsCaFile) cannot be read: " + std::strerror(errno);
        return false;
    }
    const int rc = api.tls_set(mosq, caFile.empty() ? nullptr : caFile.c_str(),
                               caFile.empty() ? caPath.c_str() : nullptr, nullptr, nullptr, nullptr);
    if (rc != MOSQ_ERR_SUCCESS)
        error = "TLS cannot be set up with the certificate authorities in " +
                (caFile.empty() ? caPath : caFile) + " (" + api.strerror(rc) + ")";
    return rc == MOSQ_ERR_SUCCESS;
}

} // namespace tavrel::mosquitto_api
