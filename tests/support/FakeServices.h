#pragma once

#include "FakeSysInfoSource.h"
#include "platform/Clipboard.h"
#include "platform/ColorPicker.h"
#include "platform/MessageShower.h"
#include "platform/PlatformServices.h"
#include "platform/ScreenSampler.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/TopMostBand.h"
#include "platform/WindowMenu.h"
#include "platform/WindowMover.h"
#include "platform/WindowPlace.h"

#include <QMap>
#include <QPoint>
#include <QSet>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

// An in-memory store that logs every read and every write.
class FakeSettingsStore : public SettingsStore
{
public:
    QMap<QString, QString> getSettings(const QString &application, const QString &section,
                                       const QStringList &keys) override;
    void saveSettings(const QString &application, const QString &section,
                      const QList<QPair<QString, QString>> &keysAndTexts) override;

    QMap<QString, QString> values; // "Section/Key" -> text
    QList<QStringList> reads;      // the keys asked for by each read
    QStringList writes;            // "Key=Text" in the order written
    QList<QStringList> saves;      // the writes of each save, which reach the store in one step
};

class FakeClipboard : public Clipboard
{
public:
    void clear() override;
    void setText(const QString &text) override;
    void outliveProgram() override;

    QString text;
    int clears = 0;
    int outlived = 0;
};

class FakeShell : public Shell
{
public:
    bool open(const QString &pathOrUrl) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;

    QStringList opened;
    QList<QStringList> started; // program followed by its arguments
    bool startSucceeds = true;
};

// Answers with whatever the test sets; counts the samples taken.
class FakeScreenSampler : public ScreenSampler
{
public:
    QPoint pointerPosition() override;
    qint32 pixelColor(QPoint screenPoint) override;
    bool canReadScreen() override;

    bool readable = true;
    QPoint pointer;
    std::function<qint32(QPoint)> pixel = [](QPoint) { return 0; };
    int pointerReads = 0;
    int pixelReads = 0;
};

class FakeTopMostBand : public TopMostBand
{
public:
    void setTopMost(QWidget *window, bool onTop) override;
    bool isTopMost(const QWidget *window) const override;

    QSet<const QWidget *> topMost;
    QStringList calls; // "<objectName>:on" / "<objectName>:off"
};

class FakeWindowMover : public WindowMover
{
public:
    void startMove(QWidget *window, const QPoint &pressPointer) override;
    void continueMove(QWidget *window, const QPoint &pressPointer) override;

    QList<QWidget *> moves;
    QList<QPoint> pressedAt;     // the press of each move
    QList<QPoint> continuedFrom; // the press of each move asked for after some travel
};

// Records where the window manager's menu was asked for.
class FakeWindowMenu : public WindowMenu
{
public:
    void popUp(QWidget *window, const QPoint &screenPoint) override
    {
        windows << window;
        points << screenPoint;
    }

    QList<QWidget *> windows;
    QList<QPoint> points;
};

// Qt's place is the windowing system's, unless a window manager that
// refuses every move keeps the window at kept; a size asked for is given at
// once, unless the test has it refused.
class FakeWindowPlace : public WindowPlace
{
public:
    QPoint placeOf(const QWidget *window) override;
    void moveTo(QWidget *window, const QPoint &place) override;
    void placedAlone(QWidget *) override {}
    void askSize(QWidget *window, const QSize &size) override;

    // A window manager that answers late gives the last size asked only
    // when giveHeldSize is called.
    void giveHeldSize();

    QList<QSize> askedSizes;
    bool refusesSizes = false;
    bool holdsSizes = false;
    QWidget *holding = nullptr;
    std::optional<QPoint> kept;
};

// Records every message instead of showing it.
class FakeMessageShower : public MessageShower
{
public:
    void showMessage(QWidget *parent, const QString &title, const QString &text) override;

    QList<QWidget *> parents;
    QStringList messages; // "Title|Text"
};

// Keeps each question until the test answers it.
class FakeColorPicker : public ColorPicker
{
public:
    void pickColor(QWidget *window, std::function<void(Answer)> done) override;
    // Answers the oldest open question.
    void Reply(Answer answer);

    QList<QWidget *> windows; // the window of each question asked
    QList<std::function<void(Answer)>> open;
};

// Installs a full set of fakes for its lifetime and restores what was there.
class ScopedFakeServices
{
public:
    ScopedFakeServices();
    ~ScopedFakeServices();

    FakeSettingsStore settings;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeScreenSampler sampler;
    FakeTopMostBand band;
    FakeWindowMover mover;
    FakeSysInfoSource sysInfo;
    FakeMessageShower messages;
    FakeColorPicker colorPicker;
    FakeWindowMenu windowMenu;
    FakeWindowPlace windowPlace;

private:
    PlatformServices previous;
};
