#pragma once
// Where the running instance listens: one channel per user and per display, so that a
// start in another session never hands its file to a window the user cannot see.

#include <QString>

struct ChannelPlace {
    QString runtimeDirectory; // XDG_RUNTIME_DIR; empty when unset
    QString display;          // WAYLAND_DISPLAY, else DISPLAY; empty without either
    QString session;          // XDG_SESSION_ID; used only without a display
    qulonglong userId = 0;
};

// A socket path in the runtime directory, which is the user's own; without one a name
// in the shared temporary folder that carries the user and the display.
QString ChannelNameFor(const ChannelPlace& place);

ChannelPlace CurrentChannelPlace();
