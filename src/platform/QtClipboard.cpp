#include "platform/QtClipboard.h"

#include "platform/ClipboardHolder.h"
#include "platform/x11/ManagerHandOver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

// The end by the event loop, after the platform closed the last window,
// keeps the copy as well as the ends at once do.
QtClipboard::QtClipboard()
{
    ClipboardHolder::keepProgramFile();
    if (qGuiApp)
        QObject::connect(qGuiApp, &QCoreApplication::aboutToQuit, qGuiApp,
                         [this] { outliveProgram(); });
}

// Emptied, the clipboard stays ours, holding nothing, until the text comes.
// Given up instead, it is taken at once by a Wayland compositor's bridge of
// the X clipboard (weston's), whose claim is younger than the time Qt then
// asks for it with, so the text would never arrive.
void QtClipboard::clear()
{
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
}

void QtClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

// Only a copy of ours is kept: what another program copied is that program's.
// A desktop's clipboard manager keeps it where one runs and takes it; the
// holder keeps it everywhere else.
void QtClipboard::outliveProgram()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !clipboard->ownsClipboard())
        return;
    const QByteArray text = clipboard->text().toUtf8();
    // Handed over, the clipboard is no longer Qt's to hand over again as it
    // closes its connection after an end by the event loop: a manager that
    // never answers would hold that end up for seconds.
    if (ManagerHandOver::handOver(text))
        clipboard->clear();
    else
        ClipboardHolder::start(text);
}
