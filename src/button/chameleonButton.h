#pragma once

#include "button/ButtonLook.h"
#include "button/KeyCodes.h"

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <optional>

class PropertyBag;

// The owner-drawn push button of every window: seven drawing styles, five
// stored properties, a pressed look that follows the pointer and Space, and
// a Click that the windows act on. It keeps the picture of its latest
// drawing and shows it on every repaint; the painter runs only when the
// look, the caption or a property changes.
//
// Enabled and Font are set with setButtonEnabled and setButtonFont: the
// QWidget setters of the same purpose would change the window alone,
// without redrawing the button or reporting the change.
class chameleonButton : public QWidget
{
    Q_OBJECT
public:
    explicit chameleonButton(QWidget *host = nullptr);

    // A style-3 button in the fixed colours, as the windows place theirs:
    // built from a design-time property set and given its geometry (pixels).
    static chameleonButton *Place(QWidget *host, const QString &caption, const QFont &font,
                                  const QRect &geometry);

    // A new instance placed in a designer: enabled, style 2, the host's font.
    void initProperties();
    // The stored properties, read when the host creates the instance.
    void readProperties(PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    qint32 ButtonType() const { return mLook.ButtonType; }
    void setButtonType(qint32 value);
    QString Caption() const { return mLook.Caption; }
    void setCaption(const QString &value);
    bool Enabled() const { return mLook.Enabled; }
    void setButtonEnabled(bool value);
    QFont Font() const { return mLook.Font; }
    void setButtonFont(const QFont &value);
    bool ForceStandardCol() const { return mForceStandardCol; }
    void setForceStandardCol(bool value);
    // The native window the control draws into (its host window's, as the
    // control has no native window of its own).
    WId hwnd() const { return effectiveWinId(); }

    // The letter registered with the host for Alt activation; empty if none.
    QString accessKeys() const { return mAccessKeys; }
    // The host's ambient wish to show this control as its default button.
    bool displayAsDefault() const { return mLook.displayAsDefault; }
    void setDisplayAsDefault(bool value);

    // Draws the button in a visual state (ButtonState::Up, Pressed or any
    // other number for the face alone). Without force nothing is drawn when
    // the state and caption are those of the latest drawing.
    void Redraw(quint8 state, bool force);
    // The latest drawing, as the widget shows it.
    const QImage &picture() const;
    // Drawn pressed down.
    bool isPressed() const { return LastState == ButtonState::Pressed; }
    // The press an assistive tool asks for: down, up and a click, as Space
    // pressed and released gives them.
    void Press();

signals:
    void Click();
    void MouseDown(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseUp(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void KeyPress(qint16 &KeyAscii);
    void KeyDown(qint16 &KeyCode, qint16 &Shift);
    void KeyUp(qint16 &KeyCode, qint16 &Shift);
    // The host's notice that a stored property changed ("BTYPE", "TX", ...).
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void UserControl_Initialize();
    void UserControl_Resize();
    void UserControl_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void UserControl_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void UserControl_MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void UserControl_Click();
    void UserControl_DblClick();
    void UserControl_KeyDown(qint16 KeyCode, qint16 Shift);
    void UserControl_KeyPress(qint16 KeyAscii);
    void UserControl_KeyUp(qint16 KeyCode, qint16 Shift);
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_AccessKeyPress();
    void UserControl_AmbientChanged(const QString &PropertyName);

    void LoadPalette();
    void UpdateAccessKey();
    void pressLikeSpace();
    void releaseLikeSpace();
    void moveFocusLater(bool forward);

    ButtonLook mLook;
    bool mForceStandardCol = false;
    QRegion Region;
    quint8 LastButton = MouseButton::Left;
    quint8 LastState = ButtonState::Up;
    QString LastCaption;
    // A button not yet shown draws when it is first painted or asked for its
    // picture, with the look of its latest Redraw: the window it lies on is
    // then mapped before any caption's font is loaded.
    mutable QImage mPicture;
    mutable std::optional<ButtonLook> mPendingLook;
    QString mAccessKeys;
    int mAccessKeyId = 0;
    // The release that ends a double-click brings no second click.
    bool mReleaseEndsDoubleClick = false;
};
