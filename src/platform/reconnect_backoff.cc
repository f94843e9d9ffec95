#include "platform/reconnect_backoff.h"

namespace tavrel {

int ReconnectDelaySeconds(int attempt, int minSeconds, int maxSeconds) {
    if (minSeconds < 1)
        minSeconds = 1;
    if (maxSeconds < minSeconds)
        maxSeconds = minSeconds;
    long delay = minSeconds;
    for (int i = 0; i < attempt && delay < maxSeconds; ++i)
        delay *= 2;
    return delay > maxSeconds ? maxSeconds : static_cast<int>(delay);
}

} // namespace tavrel
