// The host that backs every page window with Qt widgets.
#pragma once

#include <memory>

#include "platform/Window.h"

namespace mirel::qt {

class WidgetHost : public Host {
  public:
    std::unique_ptr<Window> CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) override;
};

} // namespace mirel::qt
