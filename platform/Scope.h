// Installs a host, the services and a user agent for the lifetime of the object and removes them
// again when it ends, also when the run inside it throws. Tests, tools and benchmarks that drive
// pages use it instead of pairing the Set calls by hand.
#pragma once

namespace mirel {

class Agent;
class Host;
class Services;

class PlatformScope {
  public:
    // Any of them may be null: that one is not installed during the scope.
    PlatformScope(Host* host, Services* services, Agent* agent);
    ~PlatformScope();
    PlatformScope(const PlatformScope&) = delete;
    PlatformScope& operator=(const PlatformScope&) = delete;
};

} // namespace mirel
