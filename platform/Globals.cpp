#include <cstdlib>
#include <stdexcept>

#include "platform/Agent.h"
#include "platform/Scope.h"
#include "platform/Services.h"
#include "platform/Window.h"

namespace mirel {
namespace {
Services* g_services = nullptr;
Host* g_host = nullptr;
Agent* g_agent = nullptr;
} // namespace

Services& GetServices() {
    if (g_services == nullptr)
        throw std::logic_error("no services installed");
    return *g_services;
}
void SetServices(Services* services) {
    g_services = services;
}

void EndProcess(int code) {
    GetServices().ExitProcess(code);
    std::abort(); // not reached: ExitProcess ends the process or throws
}

Host& GetHost() {
    if (g_host == nullptr)
        throw std::logic_error("no host installed");
    return *g_host;
}
void SetHost(Host* host) {
    g_host = host;
}

Agent* GetAgent() {
    return g_agent;
}
void SetAgent(Agent* agent) {
    g_agent = agent;
}

PlatformScope::PlatformScope(Host* host, Services* services, Agent* agent) {
    SetHost(host);
    SetServices(services);
    SetAgent(agent);
}

PlatformScope::~PlatformScope() {
    SetAgent(nullptr);
    SetServices(nullptr);
    SetHost(nullptr);
}

} // namespace mirel
