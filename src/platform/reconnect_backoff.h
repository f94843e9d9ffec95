#pragma once
// How long a client waits before its next try to reach a server: doubling from `minSeconds` up to
// `maxSeconds`, so that a broker that is away is neither hammered nor forgotten.

namespace tavrel {

// `attempt` counts the failed tries since the last success, from 0.
int ReconnectDelaySeconds(int attempt, int minSeconds, int maxSeconds);

} // namespace tavrel
