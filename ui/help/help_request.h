#pragma once
// The one road of every request for context help: a control's context help id goes in,
// the application's help shows its topic. Until a help is plugged in, a request does nothing.

#include <cstdint>
#include <functional>

void RequestHelp(std::uint32_t contextId);

// The help plugs in here (tests record the requests). Returns the previous handler; an
// empty one makes requests do nothing again.
using HelpHandler = std::function<void(std::uint32_t contextId)>;
HelpHandler SetHelpHandler(HelpHandler handler);
