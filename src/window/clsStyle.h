#pragma once

#include <QObject>
#include <QPointer>
#include <QtGlobal>

#include <QWidget>

// Changes the frame of one top-level window after it was created: title bar,
// system-menu box, minimise, maximise and What's-This buttons, sizing border,
// tool-window look and top-most placement. Nothing is stored but the client
// and the two gesture switches; every feature is read from the window itself.
// Truth values are 16-bit: -1 true, 0 false.
class clsStyle : public QObject
{
    Q_OBJECT
public:
    clsStyle();

    qint16 AutoDrag() const { return mAutoDrag; }
    void setAutoDrag(qint16 value) { mAutoDrag = value ? -1 : 0; }
    qint16 AutoSysMenu() const { return mAutoSysMenu; }
    void setAutoSysMenu(qint16 value) { mAutoSysMenu = value ? -1 : 0; }

    QWidget *Client() const { return mClient; }
    void setClient(QWidget *client);

    qint16 ControlBox() const;
    void setControlBox(qint16 value);
    qint16 MaxButton() const;
    void setMaxButton(qint16 value);
    qint16 MinButton() const;
    void setMinButton(qint16 value);
    qint16 Sizable() const;
    void setSizable(qint16 value);
    qint16 Titlebar() const;
    void setTitlebar(qint16 value);
    qint16 ToolWindow() const;
    void setToolWindow(qint16 value);
    qint16 TopMost() const;
    void setTopMost(qint16 value);
    qint16 WhatsThisButton() const;
    void setWhatsThisButton(qint16 value);

    // An identifier of the client's native window, 0 without a client.
    quint32 hwnd() const { return mHwnd; }

    // Lets the window recompute its frame after a change, keeping its outer
    // position and size.
    void pRedraw();
    // Opens the window manager's menu for the window at a screen point.
    void ShowSysMenu(qint32 x, qint32 y);

    // The system-menu point as one 32-bit parameter: y in the high 16 bits, x
    // in the low 16 bits, both narrowed to 16-bit signed integers first.
    static quint32 packPoint(qint32 x, qint32 y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint16 hasFlags(Qt::WindowFlags flags) const;
    void setFlags(Qt::WindowFlags flags, qint16 value);
    void applyFlags(Qt::WindowFlags flags);
    bool onBackground(QEvent *event) const;

    QPointer<QWidget> mClient;
    quint32 mHwnd = 0;
    qint16 mAutoDrag = 0;
    qint16 mAutoSysMenu = 0;
};
