#include "FakeServices.h"

#include <QWidget>
#include <utility>

QMap<QString, QString> FakeSettingsStore::getSettings(const QString &, const QString &section,
                                                      const QStringList &keys)
{
    reads << keys;
    QMap<QString, QString> found;
    for (const QString &key : keys) {
        const auto value = values.constFind(section + QLatin1Char('/') + key);
        if (value != values.cend())
            found.insert(key, *value);
    }
    return found;
}

void FakeSettingsStore::saveSettings(const QString &, const QString &section,
                                     const QList<QPair<QString, QString>> &keysAndTexts)
{
    QStringList save;
    for (const auto &[key, text] : keysAndTexts) {
        values.insert(section + QLatin1Char('/') + key, text);
        save << key + QLatin1Char('=') + text;
    }
    writes << save;
    saves << save;
}

void FakeClipboard::clear()
{
    text.clear();
    ++clears;
}

void FakeClipboard::setText(const QString &newText)
{
    text = newText;
}

void FakeClipboard::outliveProgram()
{
    ++outlived;
}

bool FakeShell::open(const QString &pathOrUrl)
{
    opened << pathOrUrl;
    return true;
}

bool FakeShell::startProgram(const QString &program, const QStringList &arguments)
{
    started << (QStringList{program} + arguments);
    return startSucceeds;
}

QPoint FakeScreenSampler::pointerPosition()
{
    ++pointerReads;
    return pointer;
}

qint32 FakeScreenSampler::pixelColor(QPoint screenPoint)
{
    ++pixelReads;
    return pixel(screenPoint);
}

bool FakeScreenSampler::canReadScreen()
{
    return readable;
}

void FakeColorPicker::pickColor(QWidget *window, std::function<void(Answer)> done)
{
    windows << window;
    open << std::move(done);
}

void FakeColorPicker::Reply(Answer answer)
{
    open.takeFirst()(answer);
}

void FakeTopMostBand::setTopMost(QWidget *window, bool onTop)
{
    if (onTop)
        topMost.insert(window);
    else
        topMost.remove(window);
    calls << window->objectName() + (onTop ? QStringLiteral(":on") : QStringLiteral(":off"));
}

bool FakeTopMostBand::isTopMost(const QWidget *window) const
{
    return topMost.contains(window);
}

void FakeWindowMover::startMove(QWidget *window, const QPoint &pressPointer)
{
    moves << window;
    pressedAt << pressPointer;
}

void FakeWindowMover::continueMove(QWidget *window, const QPoint &pressPointer)
{
    moves << window;
    continuedFrom << pressPointer;
}

QPoint FakeWindowPlace::placeOf(const QWidget *window)
{
    return kept.value_or(window->pos());
}

void FakeWindowPlace::moveTo(QWidget *window, const QPoint &place)
{
    window->move(place);
}

void FakeWindowPlace::askSize(QWidget *window, const QSize &size)
{
    askedSizes << size;
    if (holdsSizes)
        holding = window;
    else if (!refusesSizes)
        window->resize(size);
}

void FakeWindowPlace::giveHeldSize()
{
    std::exchange(holding, nullptr)->resize(askedSizes.last());
}

void FakeMessageShower::showMessage(QWidget *parent, const QString &title, const QString &text)
{
    parents << parent;
    messages << title + QLatin1Char('|') + text;
}

ScopedFakeServices::ScopedFakeServices()
    : previous(installPlatform({&settings, &clipboard, &shell, &sampler, &band, &mover, &sysInfo,
                                &messages, &colorPicker, &windowMenu, &windowPlace}))
{
}

ScopedFakeServices::~ScopedFakeServices()
{
    installPlatform(previous);
}
