#include "ui/help/help_request.h"

#include <utility>

namespace {

HelpHandler& CurrentHandler() {
    static HelpHandler handler;
    return handler;
}

} // namespace

void RequestHelp(std::uint32_t contextId) {
    if (CurrentHandler())
        CurrentHandler()(contextId);
}

HelpHandler SetHelpHandler(HelpHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}
