#include "platform.h"

#include <QGuiApplication>

#if ZARVIN_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <string>
#endif

namespace zarvin::platform {
namespace {

#if ZARVIN_HAVE_XCB
// An X11 compositing manager owns the selection _NET_WM_CM_S<screen>.
bool x11CompositorRunning() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const std::string name = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t* owner = nullptr;
    if (atom->atom != XCB_ATOM_NONE)
        owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool running = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    std::free(atom);
    return running;
}
#endif

} // namespace

bool windowSystemComposites() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("windows") || platform == QLatin1String("cocoa") ||
        platform.startsWith(QLatin1String("wayland")))
        return true;
#if ZARVIN_HAVE_XCB
    if (platform == QLatin1String("xcb"))
        return x11CompositorRunning();
#endif
    return false;
}

} // namespace zarvin::platform
