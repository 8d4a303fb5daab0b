#include "window/FloatingWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QSize>
#include <QVector>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const QByteArray atomName(name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, atomName.size(), atomName.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return atom;
}

QVector<xcb_atom_t> readAtoms(xcb_connection_t *connection, xcb_window_t window,
                              xcb_atom_t property)
{
    QVector<xcb_atom_t> atoms;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 64),
        nullptr);
    if (reply && reply->format == 32) {
        const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        atoms = QVector<xcb_atom_t>(values, values + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return atoms;
}

} // namespace

FloatingWindow::FloatingWindow(QWidget *window, Kind kind)
    : QObject(window), window(window), kind(kind)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    typeProperty = internAtom(connection, "_NET_WM_WINDOW_TYPE");
    window->installEventFilter(this);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

void FloatingWindow::Mark(QWidget *window, Kind kind)
{
    window->setFixedSize(window->size());
    auto *marker = new FloatingWindow(window, kind);
    if (window->isVisible())
        marker->writeType();
}

void FloatingWindow::Resize(QWidget *window, const QSize &size)
{
    window->setFixedSize(size);
}

// The show event comes after the native window is made and before it is
// mapped, which is when window managers read its type.
bool FloatingWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched == window)
        writeType();
    return false;
}

// Qt writes the type anew from its window flags whenever they change (the
// on-top toggle, the title bar going), dropping ours.
bool FloatingWindow::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *change = static_cast<xcb_property_notify_event_t *>(message);
    if (change->atom == typeProperty && change->state == XCB_PROPERTY_NEW_VALUE &&
        change->window == nativeId())
        writeType();
    return false;
}

quint32 FloatingWindow::nativeId() const
{
    return window->windowHandle() ? quint32(window->windowHandle()->winId()) : 0;
}

// Qt's own entries (a normal window, KDE's frameless marker) stay behind the
// kind, which goes in front as the type preferred.
void FloatingWindow::writeType() const
{
    xcb_connection_t *connection = x11Connection();
    const xcb_window_t native = nativeId();
    if (!connection || !native)
        return;
    const xcb_atom_t type = internAtom(connection, kind == Utility ? "_NET_WM_WINDOW_TYPE_UTILITY"
                                                                   : "_NET_WM_WINDOW_TYPE_DIALOG");
    QVector<xcb_atom_t> types = readAtoms(connection, native, typeProperty);
    if (types.value(0) == type)
        return;
    types.removeAll(type);
    if (types.isEmpty())
        types.append(internAtom(connection, "_NET_WM_WINDOW_TYPE_NORMAL"));
    types.prepend(type);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, native, typeProperty, XCB_ATOM_ATOM, 32,
                        quint32(types.size()), types.constData());
    xcb_flush(connection);
}
