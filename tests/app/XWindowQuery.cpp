#include "tests/app/XWindowQuery.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_connection_t* Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                            &std::free);
    return reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::optional<QString> TextProperty(const QWidget& window, xcb_atom_t property) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || property == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, id, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096);
    ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr),
                                             &std::free);
    if (reply == nullptr || reply->type == XCB_ATOM_NONE || reply->format != 8) {
        return std::nullopt;
    }
    const char* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    const int length = xcb_get_property_value_length(reply.get());
    return QString::fromUtf8(bytes, length);
}

}  // namespace

bool RunsOnX11() {
    return Connection() != nullptr;
}

std::optional<QString> NetWmName(const QWidget& window) {
    xcb_connection_t* connection = Connection();
    return connection != nullptr ? TextProperty(window, Atom(connection, "_NET_WM_NAME"))
                                 : std::nullopt;
}

std::optional<QString> WmName(const QWidget& window) {
    return TextProperty(window, XCB_ATOM_WM_NAME);
}

QRect ScreenGeometry(const QWidget& window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return {};
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (geometry == nullptr) {
        return {};
    }
    ReplyPtr<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, id, geometry->root, 0, 0), nullptr),
        &std::free);
    if (origin == nullptr) {
        return {};
    }
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}
