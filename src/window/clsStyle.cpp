#include "window/clsStyle.h"

#include "platform/PlatformServices.h"
#include "platform/TopMostBand.h"
#include "platform/WindowMenu.h"
#include "window/DragIt.h"
#include "window/TopIt.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowType titleFlags = Qt::WindowTitleHint;
constexpr int maximumWidgetSize = QWIDGETSIZE_MAX;

quint32 nativeId(QWidget *window)
{
    return window && window->windowHandle() ? quint32(window->windowHandle()->winId()) : 0;
}

} // namespace

clsStyle::clsStyle() = default;

void clsStyle::setClient(QWidget *client)
{
    if (mClient)
        mClient->removeEventFilter(this);
    mClient = client;
    if (!mClient) {
        mHwnd = 0;
        return;
    }
    mClient->installEventFilter(this);
    mHwnd = nativeId(mClient);
}

qint16 clsStyle::hasFlags(Qt::WindowFlags flags) const
{
    if (!mClient)
        return 0;
    return (mClient->windowFlags() & flags) ? -1 : 0;
}

void clsStyle::setFlags(Qt::WindowFlags flags, qint16 value)
{
    if (!mClient)
        return;
    Qt::WindowFlags current = mClient->windowFlags() | Qt::CustomizeWindowHint;
    current = value ? (current | flags) : (current & ~flags);
    applyFlags(current);
}

// Changes the flags on the native window in place and keeps QWidget's copy in
// step, so a shown window is not recreated; pRedraw then restores the outer
// rectangle.
void clsStyle::applyFlags(Qt::WindowFlags flags)
{
    const QRect outer = mClient->frameGeometry();
    if (QWindow *native = mClient->windowHandle())
        native->setFlags(flags);
    mClient->overrideWindowFlags(flags);
    // A window not yet shown that nobody has placed is left for the window
    // manager to place: moving it would ask for the corner it stands in.
    if (!mClient->isVisible() && !mClient->testAttribute(Qt::WA_Moved))
        mClient->resize(outer.size());
    else if (!mClient->isVisible())
        mClient->setGeometry(outer);
    else
        mClient->move(outer.topLeft());
    pRedraw();
}

qint16 clsStyle::ControlBox() const
{
    return hasFlags(Qt::WindowSystemMenuHint);
}
void clsStyle::setControlBox(qint16 value)
{
    setFlags(Qt::WindowSystemMenuHint, value);
}
qint16 clsStyle::MaxButton() const
{
    return hasFlags(Qt::WindowMaximizeButtonHint);
}
void clsStyle::setMaxButton(qint16 value)
{
    setFlags(Qt::WindowMaximizeButtonHint, value);
}
qint16 clsStyle::MinButton() const
{
    return hasFlags(Qt::WindowMinimizeButtonHint);
}
void clsStyle::setMinButton(qint16 value)
{
    setFlags(Qt::WindowMinimizeButtonHint, value);
}
qint16 clsStyle::WhatsThisButton() const
{
    return hasFlags(Qt::WindowContextHelpButtonHint);
}
void clsStyle::setWhatsThisButton(qint16 value)
{
    setFlags(Qt::WindowContextHelpButtonHint, value);
}

qint16 clsStyle::Titlebar() const
{
    if (!mClient || mClient->windowFlags().testFlag(Qt::FramelessWindowHint))
        return 0;
    return -1;
}

void clsStyle::setTitlebar(qint16 value)
{
    if (!mClient)
        return;
    Qt::WindowFlags flags = mClient->windowFlags();
    flags.setFlag(Qt::FramelessWindowHint, value == 0);
    flags.setFlag(titleFlags, value != 0);
    applyFlags(flags);
}

qint16 clsStyle::ToolWindow() const
{
    if (!mClient)
        return 0;
    return mClient->windowType() == Qt::Tool ? -1 : 0;
}

void clsStyle::setToolWindow(qint16 value)
{
    if (!mClient)
        return;
    const Qt::WindowFlags hints = mClient->windowFlags() & ~Qt::WindowType_Mask;
    applyFlags(hints | (value ? Qt::Tool : Qt::Window));
}

// A fixed-size window is one whose smallest and largest sizes agree.
qint16 clsStyle::Sizable() const
{
    if (!mClient)
        return 0;
    return mClient->minimumSize() == mClient->maximumSize() ? 0 : -1;
}

void clsStyle::setSizable(qint16 value)
{
    if (!mClient)
        return;
    if (value) {
        mClient->setMinimumSize(0, 0);
        mClient->setMaximumSize(maximumWidgetSize, maximumWidgetSize);
    } else {
        mClient->setFixedSize(mClient->size());
    }
    pRedraw();
}

qint16 clsStyle::TopMost() const
{
    return mClient && platform().topMostBand->isTopMost(mClient) ? -1 : 0;
}

void clsStyle::setTopMost(qint16 value)
{
    if (mClient)
        TopIt(mClient, value ? -1 : 0);
}

void clsStyle::pRedraw()
{
    if (mClient)
        mClient->update();
    mHwnd = nativeId(mClient);
}

quint32 clsStyle::packPoint(qint32 x, qint32 y)
{
    const quint16 low = quint16(qint16(x));
    const quint16 high = quint16(qint16(y));
    return quint32(high) << 16 | low;
}

// The point goes to the window manager as the packed parameter holds it.
void clsStyle::ShowSysMenu(qint32 x, qint32 y)
{
    if (!mClient || !mHwnd)
        return;
    const quint32 packed = packPoint(x, y);
    platform().windowMenu->popUp(mClient, QPoint(qint16(packed & 0xffff), qint16(packed >> 16)));
}

bool clsStyle::onBackground(QEvent *event) const
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    return mClient->childAt(mouse->position().toPoint()) == nullptr;
}

bool clsStyle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != mClient)
        return false;
    if (event->type() == QEvent::MouseButtonPress && onBackground(event)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && mAutoDrag)
            DragIt(mClient, mouse->globalPosition().toPoint());
    } else if (event->type() == QEvent::MouseButtonRelease && onBackground(event)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint pointer = QCursor::pos();
        if (mouse->button() == Qt::RightButton && mAutoSysMenu)
            ShowSysMenu(pointer.x(), pointer.y());
    }
    return false;
}
