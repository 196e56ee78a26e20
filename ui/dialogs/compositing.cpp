#include "ui/dialogs/compositing.h"

#include <QByteArray>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// A compositing manager on X11 owns the selection _NET_WM_CM_S<screen number>.
bool X11Composites() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return false;
    xcb_connection_t* connection = x11->connection();
    // The program's windows are on the display's first screen.
    const QByteArray atomName = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t atomCookie =
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(atomName.size()), atomName.constData());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

bool DisplayComposites() {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return X11Composites();
    // Wayland always composites; the off-screen platform keeps every pixel it is given.
    return true;
}
