// SPDX-License-Identifier: MIT
#include "window_activation.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace lm {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

xcb_window_t RootOf(xcb_connection_t* connection, xcb_window_t window) {
    xcb_query_tree_reply_t* reply =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
    const xcb_window_t root = reply != nullptr ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
    std::free(reply);
    return root;
}

// A startup-notification message: 20 bytes per client message to the root
// window, the first of type _NET_STARTUP_INFO_BEGIN, the terminating NUL
// included.
void SendStartupMessage(xcb_connection_t* connection, xcb_window_t root,
                        const QByteArray& message) {
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    const qsizetype length = message.size() + 1;
    for (qsizetype sent = 0; sent < length; sent += 20) {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof(event));
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        event.type = sent == 0 ? begin : more;
        const qsizetype bytes = std::min<qsizetype>(length - sent, 20);
        std::memcpy(event.data.data8, message.constData() + sent, static_cast<std::size_t>(bytes));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

void ActivateOnX11(QWindow* window, const QString& startupId) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = RootOf(connection, id);
    if (root == XCB_WINDOW_NONE) {
        return;
    }
    const QByteArray idBytes = startupId.toLatin1();
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, Atom(connection, "_NET_STARTUP_ID"),
                        Atom(connection, "UTF8_STRING"), 8,
                        static_cast<std::uint32_t>(idBytes.size()), idBytes.constData());
    // The launch's time tells the window manager that the user asked for
    // this window just now, so focus-stealing prevention lets it through.
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof(event));
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;  // from an application
    event.data.data32[1] = static_cast<std::uint32_t>(StartupIdTimestamp(startupId));
    event.data.data32[2] = XCB_WINDOW_NONE;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    SendStartupMessage(connection, root, StartupRemoveMessage(startupId));
    xcb_flush(connection);
}

}  // namespace

unsigned long StartupIdTimestamp(const QString& startupId) {
    const qsizetype at = startupId.lastIndexOf(QStringLiteral("_TIME"));
    if (at < 0) {
        return 0;
    }
    bool ok = false;
    const unsigned long time = startupId.mid(at + 5).toULong(&ok);
    return ok ? time : 0;
}

QByteArray StartupRemoveMessage(const QString& startupId) {
    QByteArray quoted;
    for (const QChar c : startupId) {
        if (c == u'"' || c == u'\\') {
            quoted += '\\';
        }
        quoted += static_cast<char>(c.unicode());
    }
    return "remove: ID=\"" + quoted + '"';
}

void ActivateWindow(QWindow* window, const ActivationTokens& tokens) {
    if (window == nullptr) {
        return;
    }
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(u"wayland")) {
        // Qt's Wayland plugin takes the token from the environment at the
        // moment the window asks to be activated; it is gone again after.
        const QString token =
            !tokens.xdgActivation.isEmpty() ? tokens.xdgActivation : tokens.startupId;
        if (!token.isEmpty()) {
            qputenv("XDG_ACTIVATION_TOKEN", token.toLatin1());
        }
        window->requestActivate();
        qunsetenv("XDG_ACTIVATION_TOKEN");
        return;
    }
    window->requestActivate();
    if (platform == u"xcb" && !tokens.startupId.isEmpty()) {
        ActivateOnX11(window, tokens.startupId);
    }
}

}  // namespace lm
