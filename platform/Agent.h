// A scripted user. When one is installed, every modal page hands control to it instead of
// waiting for a person: the agent acts on the page until the page ends.
#pragma once

namespace mirel {

class Dialog;

class Agent {
  public:
    virtual ~Agent() = default;
    // The page has been shown and has finished its show handling.
    virtual void PageShown(Dialog& page) = 0;
    // Carries out the next user action on `page` (the page is still open).
    virtual void Step(Dialog& page) = 0;
};

Agent* GetAgent();
void SetAgent(Agent* agent);

} // namespace mirel
