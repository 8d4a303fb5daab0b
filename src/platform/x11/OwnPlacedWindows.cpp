#include "platform/x11/OwnPlacedWindows.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

void OwnPlacedWindows::add(QWidget *window)
{
    // Installed once, it lives as long as the program.
    static OwnPlacedWindows *filter = nullptr;
    if (!filter) {
        filter = new OwnPlacedWindows;
        QCoreApplication::instance()->installNativeEventFilter(filter);
    }
    filter->windows.removeAll(nullptr);
    filter->windows.append(window);
}

bool OwnPlacedWindows::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if (event->response_type != XCB_CONFIGURE_NOTIFY) // the server's own, not one sent
        return false;
    const auto *notice = reinterpret_cast<const xcb_configure_notify_event_t *>(event);
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        const QWindow *handle = window ? window->windowHandle() : nullptr;
        if (handle && xcb_window_t(handle->winId()) == notice->window)
            return true;
    }
    return false;
}
