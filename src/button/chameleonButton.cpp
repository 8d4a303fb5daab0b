#include "button/chameleonButton.h"

#include "button/AccessKey.h"
#include "button/ButtonOutline.h"
#include "button/ButtonPainter.h"
#include "button/KeyCodes.h"
#include "button/chameleonButtonAccessible.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <cmath>

namespace {

float coordinate(qreal value)
{
    return static_cast<float>(value);
}

} // namespace

chameleonButton::chameleonButton(QWidget *host) : QWidget(host)
{
    static const bool accessible =
        (QAccessible::installFactory(&chameleonButtonAccessible::factory), true);
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    UserControl_Initialize();
    initProperties();
}

void chameleonButton::UserControl_Initialize()
{
    LastButton = MouseButton::Left;
    LoadPalette();
}

// The desktop colours are read only here, so a later change of the scheme
// shows at the next reading.
void chameleonButton::LoadPalette()
{
    mLook.Palette = mForceStandardCol ? ButtonPalette::standard()
                                      : ButtonPalette::system(QGuiApplication::palette());
}

void chameleonButton::UpdateAccessKey()
{
    if (mAccessKeyId != 0)
        releaseShortcut(mAccessKeyId);
    mAccessKeyId = 0;
    mAccessKeys = accessKeyOf(mLook.Caption);
    if (mAccessKeys.isEmpty())
        return;
    const QKeySequence keys = QKeySequence::mnemonic(QLatin1Char('&') + mAccessKeys);
    if (!keys.isEmpty())
        mAccessKeyId = grabShortcut(keys, Qt::WindowShortcut);
}

void chameleonButton::Redraw(quint8 state, bool force)
{
    if (!force && mLook.Caption == LastCaption && state == LastState)
        return;
    if (mLook.H == 0)
        return;
    LastState = state;
    LastCaption = mLook.Caption;
    if (isVisible()) {
        mPendingLook.reset();
        ButtonPainter::paint(mPicture, mLook, state);
        update();
    } else {
        mPendingLook = mLook;
    }
}

const QImage &chameleonButton::picture() const
{
    if (mPendingLook) {
        ButtonPainter::paint(mPicture, *mPendingLook, LastState);
        mPendingLook.reset();
    }
    return mPicture;
}

void chameleonButton::UserControl_Resize()
{
    mLook.setSize(width(), height());
    Region = BuildRegion(mLook.ButtonType, mLook.W, mLook.H);
    setMask(Region);
    Redraw(ButtonState::Up, true);
}

void chameleonButton::UserControl_MouseDown(qint16 Button, qint16 Shift, float X, float Y)
{
    LastButton = static_cast<quint8>(Button);
    if (Button != MouseButton::Right)
        Redraw(ButtonState::Pressed, false);
    emit MouseDown(Button, Shift, X, Y);
}

// With the primary button held the pointer stays captured, so leaving the
// button releases the look and coming back presses it again.
void chameleonButton::UserControl_MouseMove(qint16 Button, qint16 Shift, float X, float Y)
{
    Q_UNUSED(Shift);
    if (Button >= MouseButton::Right)
        return;
    const bool inside = X >= 0 && X <= mLook.W && Y >= 0 && Y <= mLook.H;
    if (!inside)
        Redraw(ButtonState::Up, false);
    else if (Button == MouseButton::Left)
        Redraw(ButtonState::Pressed, false);
}

void chameleonButton::UserControl_MouseUp(qint16 Button, qint16 Shift, float X, float Y)
{
    if (Button != MouseButton::Right)
        Redraw(ButtonState::Up, false);
    emit MouseUp(Button, Shift, X, Y);
}

void chameleonButton::UserControl_Click()
{
    if (LastButton == MouseButton::Left && mLook.Enabled)
        emit Click();
}

void chameleonButton::UserControl_DblClick()
{
    if (LastButton == MouseButton::Left)
        pressLikeSpace();
}

void chameleonButton::UserControl_KeyDown(qint16 KeyCode, qint16 Shift)
{
    if (KeyCode == KeyCodes::Space)
        pressLikeSpace();
    else if (KeyCode == KeyCodes::Right || KeyCode == KeyCodes::Down)
        moveFocusLater(true);
    else if (KeyCode == KeyCodes::Left || KeyCode == KeyCodes::Up)
        moveFocusLater(false);
    emit KeyDown(KeyCode, Shift);
}

void chameleonButton::UserControl_KeyPress(qint16 KeyAscii)
{
    emit KeyPress(KeyAscii);
}

void chameleonButton::UserControl_KeyUp(qint16 KeyCode, qint16 Shift)
{
    if (KeyCode == KeyCodes::Space)
        releaseLikeSpace();
    emit KeyUp(KeyCode, Shift);
}

void chameleonButton::UserControl_GotFocus()
{
    mLook.HasFocus = true;
    Redraw(LastState, true);
}

void chameleonButton::UserControl_LostFocus()
{
    mLook.HasFocus = false;
    Redraw(LastState, true);
}

void chameleonButton::UserControl_AccessKeyPress()
{
    UserControl_Click();
}

// Whatever changed, the default-button look may have.
void chameleonButton::UserControl_AmbientChanged(const QString &PropertyName)
{
    Q_UNUSED(PropertyName);
    Redraw(LastState, true);
}

// Space and a double-click press the button as a left press with Shift
// would, at its corner.
void chameleonButton::pressLikeSpace()
{
    UserControl_MouseDown(MouseButton::Left, KeyCodes::ShiftMask, 1.0f, 1.0f);
}

void chameleonButton::releaseLikeSpace()
{
    UserControl_MouseUp(MouseButton::Left, KeyCodes::ShiftMask, 1.0f, 1.0f);
    LastButton = MouseButton::Left;
    UserControl_Click();
}

// A disabled button takes no input, so no press either.
void chameleonButton::Press()
{
    if (!mLook.Enabled)
        return;
    pressLikeSpace();
    releaseLikeSpace();
}

// Tab and Shift+Tab as the keyboard would give them, once the current key
// has been handled.
void chameleonButton::moveFocusLater(bool forward)
{
    QMetaObject::invokeMethod(
        this, [this, forward] { focusNextPrevChild(forward); }, Qt::QueuedConnection);
}

// A letter shared by several buttons of the window (the About box's
// "Clo&se" and "&System Info") only takes the focus from one to the next, as
// on every desktop: pressing one of them would depend on which one the last
// press of that letter, even in a window closed since, had reached.
bool chameleonButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (shortcut->shortcutId() == mAccessKeyId) {
            if (shortcut->isAmbiguous())
                setFocus(Qt::ShortcutFocusReason);
            else
                UserControl_AccessKeyPress();
            return true;
        }
    }
    return QWidget::event(event);
}

void chameleonButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

void chameleonButton::resizeEvent(QResizeEvent *event)
{
    Q_UNUSED(event);
    UserControl_Resize();
}

void chameleonButton::mousePressEvent(QMouseEvent *event)
{
    mReleaseEndsDoubleClick = false;
    UserControl_MouseDown(static_cast<qint16>(event->button()),
                          KeyCodes::shiftMaskOf(event->modifiers()),
                          coordinate(event->position().x()), coordinate(event->position().y()));
}

void chameleonButton::mouseMoveEvent(QMouseEvent *event)
{
    UserControl_MouseMove(static_cast<qint16>(event->buttons()),
                          KeyCodes::shiftMaskOf(event->modifiers()),
                          coordinate(event->position().x()), coordinate(event->position().y()));
}

// A release over the button, after a press on it, is the platform's click.
void chameleonButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    const bool over = Region.contains(QPoint(std::floor(at.x()), std::floor(at.y())));
    const bool click = over && !mReleaseEndsDoubleClick;
    mReleaseEndsDoubleClick = false;
    UserControl_MouseUp(static_cast<qint16>(event->button()),
                        KeyCodes::shiftMaskOf(event->modifiers()), coordinate(at.x()),
                        coordinate(at.y()));
    if (click)
        UserControl_Click();
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    mReleaseEndsDoubleClick = true;
    UserControl_DblClick();
}

void chameleonButton::keyPressEvent(QKeyEvent *event)
{
    UserControl_KeyDown(KeyCodes::virtualKeyOf(event->key()),
                        KeyCodes::shiftMaskOf(event->modifiers()));
    if (!event->text().isEmpty())
        UserControl_KeyPress(static_cast<qint16>(event->text().at(0).unicode()));
}

// The keyboard's auto-repeat sends releases between repeated presses; only
// the key's real release counts.
void chameleonButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    UserControl_KeyUp(KeyCodes::virtualKeyOf(event->key()),
                      KeyCodes::shiftMaskOf(event->modifiers()));
}

void chameleonButton::focusInEvent(QFocusEvent *event)
{
    Q_UNUSED(event);
    UserControl_GotFocus();
}

void chameleonButton::focusOutEvent(QFocusEvent *event)
{
    Q_UNUSED(event);
    UserControl_LostFocus();
}
